// The XML form of the shape base part, the child list and the packed shape string used by the
// clipboard and undo records.
#include "document/core/Shape.h"

#include "document/core/Document.h"
#include "document/core/ShapeRegistry.h"
#include "document/core/XmlKeys.h"
#include "document/storage/TdtpStorage.h"
#include "document/storage/XmlWriter.h"

#include <QDataStream>

#include <cmath>
#include <numbers>

namespace tessaly::document {
namespace {

// Deeper nesting than this in a file is refused (a reader must not run out of stack).
constexpr int kMaxShapeDepth = 64;

struct AnchorKey {
    const char* name;
    std::uint16_t flag;
};
constexpr AnchorKey kAnchorKeys[] = {
    {"default", anDefault},     {"PosXProp", anPosXProp},   {"PosYProp", anPosYProp},
    {"SizeXProp", anSizeXProp}, {"SizeYProp", anSizeYProp}, {"LeftLock", anLeftLock},
    {"TopLock", anTopLock},     {"RightLock", anRightLock}, {"BottomLock", anBottomLock},
};

// Streams of the document itself: a pasted or undone shape carries image streams only and must
// never replace these.
bool IsDocumentStreamName(const QString& name)
{
    return name.compare(QLatin1String("Index.xml"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("Fonts.dat"), Qt::CaseInsensitive) == 0 ||
           name.startsWith(QLatin1String("Page"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("Thumb"), Qt::CaseInsensitive);
}

int ShapeDepth(const pugi::xml_node& node)
{
    int depth = 0;
    for (pugi::xml_node n = node; n; n = n.parent())
        if (std::string_view(n.name()) == "Shape")
            ++depth;
    return depth;
}

}  // namespace

void TdtpShape::SaveToXml(pugi::xml_node& node) const
{
    SaveShapeBase(node);
}

void TdtpShape::LoadFromXml(const pugi::xml_node& node)
{
    if (!node)
        throw DocumentError("XML Node is not assigned");
    LoadShapeBase(node);
}

void TdtpShape::SaveShapeBase(pugi::xml_node& node) const
{
    WriteString(node, "ClassName", ClassName());
    WriteBool(node, "AllowResize", FAllowResize, true);
    WriteBool(node, "AllowMove", FAllowMove, true);
    WriteBool(node, "AllowRotate", FAllowRotate, true);
    WriteBool(node, "AllowSelect", FAllowSelect, true);
    WriteBool(node, "AllowDelete", FAllowDelete, true);
    WriteBool(node, "AllowEdit", FAllowEdit, true);
    pugi::xml_node anchors = AddElement(node, "Anchors");
    for (const AnchorKey& key : kAnchorKeys)
        WriteBool(anchors, key.name, (FAnchors & key.flag) != 0, false);
    WriteFloat(node, "AspectRatio", FAspectRatio, 0.0);
    WriteFloat(node, "CurbLeft", FCurbLeft, 0.0);
    WriteFloat(node, "CurbTop", FCurbTop, 0.0);
    WriteFloat(node, "CurbRight", FCurbRight, 0.0);
    WriteFloat(node, "CurbBottom", FCurbBottom, 0.0);
    WriteFloat(node, "ConstraintMinHeight", FMinHeight, 0.0);
    WriteFloat(node, "ConstraintMinWidth", FMinWidth, 0.0);
    WriteFloat(node, "ConstraintMaxHeight", FMaxHeight, 0.0);
    WriteFloat(node, "ConstraintMaxWidth", FMaxWidth, 0.0);
    WriteFloat(node, "DocAngle", FDocAngle, 0.0);
    WriteFloat(node, "DocLeft", FDocLeft, 0.0);
    WriteFloat(node, "DocTop", FDocTop, 0.0);
    WriteFloat(node, "DocHeight", FDocHeight, 0.0);
    WriteFloat(node, "DocWidth", FDocWidth, 0.0);
    WriteBool(node, "Flipped", FFlipped, false);
    WriteBool(node, "Grouped", FGrouped, false);
    WriteBool(node, "Mirrored", FMirrored, false);
    WriteString(node, "Name", FName, QString());
    WriteBool(node, "PreserveAspect", FPreserveAspect, false);
    WriteInteger(node, "Tag", FTag, 0);
    WriteBool(node, "Visible", FVisible, true);
    WriteHex(node, "MasterAlpha", FMasterAlpha, 2, 255u);
    SaveChildren(node);
}

void TdtpShape::SaveChildren(pugi::xml_node& node) const
{
    int index = 0;
    for (const auto& child : FChildren) {
        pugi::xml_node element = AddElement(node, "Shape");
        SetIndexAttribute(element, ++index);
        child->SaveToXml(element);
        if (FDocument && FDocument->OnShapeSaveAdditionalInfo)
            FDocument->OnShapeSaveAdditionalInfo(FDocument, child.get(), element);
    }
}

void TdtpShape::LoadShapeBase(const pugi::xml_node& node)
{
    XmlValueReader r(node);
    FAllowResize = r.Bool("AllowResize", true);
    FAllowMove = r.Bool("AllowMove", true);
    FAllowRotate = r.Bool("AllowRotate", true);
    FAllowSelect = r.Bool("AllowSelect", true);
    FAllowDelete = r.Bool("AllowDelete", true);
    FAllowEdit = r.Bool("AllowEdit", true);
    if (pugi::xml_node anchorsNode = r.Find("Anchors")) {
        XmlValueReader anchors(anchorsNode);
        FAnchors = 0;
        for (const AnchorKey& key : kAnchorKeys)
            if (anchors.Bool(key.name, false))
                FAnchors |= key.flag;
    }
    FAspectRatio = r.Single("AspectRatio", 0);
    FCurbLeft = r.Single("CurbLeft", 0);
    FCurbTop = r.Single("CurbTop", 0);
    FCurbRight = r.Single("CurbRight", 0);
    FCurbBottom = r.Single("CurbBottom", 0);
    FMinHeight = r.Single("ConstraintMinHeight", 0);
    FMinWidth = r.Single("ConstraintMinWidth", 0);
    FMaxHeight = r.Single("ConstraintMaxHeight", 0);
    FMaxWidth = r.Single("ConstraintMaxWidth", 0);
    float angle = r.Single("DocAngle", 0);
    angle = float(angle - std::floor(angle / 360.0) * 360.0);
    FDocAngle = (angle >= 0 && angle < 360) ? angle : 0;
    const double radians = double(FDocAngle) * std::numbers::pi / 180.0;
    FCos = std::cos(radians);
    FSin = std::sin(radians);
    FDocLeft = r.Single("DocLeft", 0);
    FDocTop = r.Single("DocTop", 0);
    FDocHeight = r.Single("DocHeight", 0);
    FDocWidth = r.Single("DocWidth", 0);
    FFlipped = r.Bool("Flipped", false);
    FGrouped = r.Bool("Grouped", false);
    FMirrored = r.Bool("Mirrored", false);
    FName = r.String("Name");
    FPreserveAspect = r.Bool("PreserveAspect", false);
    FTag = r.Int("Tag", 0);
    FVisible = r.Bool("Visible", true);
    FMasterAlpha = std::uint8_t(std::min<std::uint32_t>(r.Hex("MasterAlpha", 255), 255));
    FCacheDpm = 0;
    LoadChildren(node);
}

void TdtpShape::LoadChildren(const pugi::xml_node& node)
{
    int position = 0;
    ForEachElement(node, "Shape", [&](const pugi::xml_node& element) {
        TdtpShape* child = GetChild(position);
        const bool created = !child;
        if (created) {  // permanent parts made by the constructor are reused
            AppendLoadedChild(CreateShape(ReadString(element, "ClassName")));
            child = FChildren.back().get();
        }
        try {
            if (ShapeDepth(element) > kMaxShapeDepth)
                throw DocumentError("Shapes are nested too deeply");
            child->LoadFromXml(element);
            child->AfterLoad();
            if (FDocument && FDocument->OnShapeLoadAdditionalInfo) {
                pugi::xml_node writable = element;
                FDocument->OnShapeLoadAdditionalInfo(FDocument, child, writable);
            }
            ++position;
        } catch (const std::exception& error) {
            child->LoadError(QString::fromUtf8(error.what()));
            if (!created) {
                ++position;
                return;
            }
            std::unique_ptr<TdtpShape> dropped = std::move(FChildren.back());
            FChildren.pop_back();
            dropped->SetParent(nullptr);
            dropped->SetDocument(nullptr);
        }
    });
}

void TdtpShape::ListArchiveStreams(QStringList& names) const
{
    for (const auto& child : FChildren)
        child->ListArchiveStreams(names);
}

std::unique_ptr<TdtpShape> TdtpShape::CloneShape() const
{
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("shape");
    SaveToXml(root);
    std::unique_ptr<TdtpShape> copy = CreateShape(ClassName());
    copy->LoadFromXml(root);
    copy->AfterLoad();
    return copy;
}

// ---- packed shape string ----

QByteArray TdtpShape::SaveShapeToString() const
{
    QByteArray packed;
    QDataStream out(&packed, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    QStringList names;
    if (FDocument)
        ListArchiveStreams(names);
    out << qint32(names.size());
    for (const QString& name : names) {
        const QByteArray nameBytes = name.toLatin1();
        QByteArray data;
        if (FDocument && FDocument->Archive().Contains(name))
            data = FDocument->Archive().ReadStream(name);
        out << qint32(nameBytes.size());
        out.writeRawData(nameBytes.constData(), int(nameBytes.size()));
        out << qint32(data.size());
        out.writeRawData(data.constData(), int(data.size()));
    }
    pugi::xml_document xml;
    pugi::xml_node root = xml.append_child("shape");
    SaveToXml(root);
    const QByteArray text = WriteXml(root, XmlForm::Compact);
    out << qint32(text.size());
    out.writeRawData(text.constData(), int(text.size()));
    return packed;
}

void TdtpShape::LoadShapeFromString(const QByteArray& text)
{
    const auto fail = [] { throw DocumentError("Invalid shape data"); };
    qsizetype at = 0;
    const auto readInt = [&]() -> qint32 {
        if (text.size() - at < 4) fail();
        qint32 v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | quint8(text[at + i]);
        at += 4;
        return v;
    };
    const auto readBytes = [&](qint32 size) -> QByteArray {
        if (size < 0 || size > text.size() - at) fail();
        const QByteArray bytes = text.mid(at, size);
        at += size;
        return bytes;
    };
    const qint32 streams = readInt();
    if (streams < 0) fail();
    for (qint32 i = 0; i < streams; ++i) {
        const QString name = QString::fromLatin1(readBytes(readInt()));
        const QByteArray data = readBytes(readInt());
        if (!data.isEmpty() && FDocument && !IsDocumentStreamName(name))
            FDocument->Archive().WriteStream(name, data);
    }
    const QByteArray xmlText = readBytes(readInt());
    pugi::xml_document xml;
    if (!ParseXml(xml, xmlText))
        fail();
    const pugi::xml_node root = xml.child("shape");
    if (!root)
        fail();
    LoadFromXml(root);
    AfterLoad();
}

}  // namespace tessaly::document
