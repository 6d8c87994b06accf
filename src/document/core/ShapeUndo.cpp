// TdtpShape undo records: every stored setter records the old value; ExecuteCommand carries a
// record out on the shape that it names.
#include "document/core/Shape.h"

#include "document/core/Document.h"
#include "document/core/ShapeRegistry.h"
#include "document/core/UndoText.h"

#include <QDataStream>

namespace tessaly::document {

bool TdtpShape::Recording() const { return FDocument && FDocument->Recording(); }

void TdtpShape::RecordCommand(std::unique_ptr<TdtpCommand> command)
{
    if (Recording())
        FDocument->AddCommand(std::move(command));
}

void TdtpShape::RecordChange(int kind, const QString& name, const QString& oldValue)
{
    if (!Recording())
        return;
    auto command = std::make_unique<TdtpCommand>();
    command->Kind = std::uint8_t(kind);
    command->ShapeId = FShapeId;
    command->Name = name;
    command->OldValue = oldValue;
    FDocument->AddCommand(std::move(command));
}

void TdtpShape::RecordFloatChange(int kind, const QString& name, double value)
{
    if (Recording())
        RecordChange(kind, name, UndoFloatText(value));
}

void TdtpShape::RecordIntChange(int kind, const QString& name, long long value)
{
    if (Recording())
        RecordChange(kind, name, QString::number(value));
}

void TdtpShape::RecordBoolChange(int kind, const QString& name, bool value)
{
    RecordChange(kind, name, UndoBoolText(value));
}

void TdtpShape::RecordStyleChange(int kind, const QString& name, unsigned fontStyles)
{
    QString letters;
    if (fontStyles & fsBold) letters += QLatin1Char('B');
    if (fontStyles & fsItalic) letters += QLatin1Char('I');
    if (fontStyles & fsUnderline) letters += QLatin1Char('U');
    if (fontStyles & fsStrikeOut) letters += QLatin1Char('S');
    RecordChange(kind, name, letters);
}

void TdtpShape::RecordChildChange(int kind, TdtpShape* child, int index)
{
    if (!Recording() || !child)
        return;
    auto command = std::make_unique<TdtpCommand>();
    command->Kind = std::uint8_t(kind);
    command->ShapeId = FShapeId;
    command->Data = UndoIndexData(index);
    if (kind == ckChildRemoved) {
        QDataStream out(&command->Data, QIODevice::Append);
        out.setByteOrder(QDataStream::LittleEndian);
        out << qint32(child->ShapeId());
        command->Data.append(child->SaveShapeToString().toBase64());
        DeleteTempStreams(child);
        command->Name = QStringLiteral("ClassName");
        command->OldValue = child->ClassName();
    }
    FDocument->AddCommand(std::move(command));
}

void TdtpShape::ApplyProperty(const QString& name, const QString& value)
{
    const auto is = [&name](const char* key) { return name.compare(QLatin1String(key), Qt::CaseInsensitive) == 0; };
    if (is("MasterAlpha")) {
        if (const auto v = ParseUndoInt(value)) SetMasterAlpha(int(*v));
        return;
    }
    const std::optional<double> v = ParseUndoFloat(value);
    if (!v)
        return;
    const float f = float(*v);
    if (is("DocLeft")) SetDocLeft(f);
    else if (is("DocTop")) SetDocTop(f);
    else if (is("DocWidth")) SetDocWidth(f);
    else if (is("DocHeight")) SetDocHeight(f);
    else if (is("DocAngle")) SetDocAngle(f);
}

bool TdtpShape::ExecuteCommand(const TdtpCommand& command)
{
    if (command.ShapeId == FShapeId) {
        QDataStream in(command.Data);
        in.setByteOrder(QDataStream::LittleEndian);
        qint32 index = -1;
        switch (command.Kind) {
        case ckProperty:
            ApplyProperty(command.Name, command.OldValue);
            return true;
        case ckChildInserted:
            in >> index;
            DeleteChild(index);
            return true;
        case ckChildRemoved: {
            qint32 id = 0;
            in >> index >> id;
            const QByteArray packed = QByteArray::fromBase64(command.Data.mid(8));
            std::unique_ptr<TdtpShape> shape = CreateShape(command.OldValue);
            TdtpShape* raw = shape.get();
            InsertChild(index, std::move(shape));
            raw->LoadShapeFromString(packed);
            raw->FShapeId = id;
            return true;
        }
        default:
            break;  // effect records belong to effect shapes
        }
    }
    for (auto& child : FChildren)
        if (child->ExecuteCommand(command))
            return true;
    return false;
}

}  // namespace tessaly::document
