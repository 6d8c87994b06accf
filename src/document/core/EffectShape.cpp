// TdtpEffect base, the effect registry, and TdtpEffectShape: the effect list, its undo records and
// running the effects over a cache bitmap.
#include "document/core/EffectShape.h"

#include "document/core/Document.h"
#include "document/core/ShapeRegistry.h"
#include "document/core/UndoText.h"


#include <utility>
#include <vector>

namespace tessaly::document {

TESSALY_REGISTER_SHAPE_CLASS(TdtpEffectShape)
TESSALY_REGISTER_SHAPE_CLASS(TdtpGroupShape)

namespace {

struct EffectClass {
    QString name;
    TdtpEffectFactory factory;
    bool userVisible;
};

std::vector<EffectClass>& EffectRegistry()
{
    static std::vector<EffectClass> registry;
    return registry;
}

std::unique_ptr<TdtpEffect> MakePlainEffect() { return std::make_unique<TdtpEffect>(); }

}  // namespace

bool RegisterEffectClass(const QString& name, TdtpEffectFactory factory, bool userVisible)
{
    for (const EffectClass& entry : EffectRegistry())
        if (entry.name == name)
            return false;
    EffectRegistry().push_back({name, factory, userVisible});
    return true;
}

TdtpEffectFactory FindEffectClass(const QString& name)
{
    for (const EffectClass& entry : EffectRegistry())
        if (entry.name == name)
            return entry.factory;
    return &MakePlainEffect;
}

std::unique_ptr<TdtpEffect> CreateEffect(const QString& name) { return FindEffectClass(name)(); }

QStringList UserVisibleEffectClasses()
{
    QStringList names;
    for (const EffectClass& entry : EffectRegistry())
        if (entry.userVisible)
            names << entry.name;
    return names;
}

// ---- TdtpEffect ----

int TdtpEffect::Index() const { return FShape ? FShape->IndexOfEffect(this) : -1; }

void TdtpEffect::RecordChange(const QString& name, const QString& oldValue)
{
    if (!FShape)
        return;
    FShape->RecordChange(ckEffectProperty, QString::number(Index()) + QLatin1Char('.') + name, oldValue);
}

void TdtpEffect::SetEnabled(bool value)
{
    if (value == FEnabled)
        return;
    RecordChange(QStringLiteral("Enabled"), UndoBoolText(FEnabled));
    FEnabled = value;
    Update();
    Refresh();
}

void TdtpEffect::SetSource(int value)
{
    if (value == FSource)
        return;
    RecordChange(QStringLiteral("Source"), QString::number(FSource));
    FSource = value;
    Update();
    Refresh();
}

void TdtpEffect::ApplyProperty(const QString& name, const QString& value)
{
    if (name.compare(QLatin1String("Source"), Qt::CaseInsensitive) == 0) {
        if (const auto v = ParseUndoInt(value)) SetSource(int(*v));
    } else if (name.compare(QLatin1String("Enabled"), Qt::CaseInsensitive) == 0) {
        SetEnabled(ParseUndoBool(value));
    }
}

QString TdtpEffect::GetDisplayName() const
{
    const QString name = ClassName();  // "TdtpShadowEffect" is shown as "Shadow"
    return name.size() > 10 ? name.mid(4, name.size() - 10) : name;
}

void TdtpEffect::Changed()
{
    if (FShape)
        FShape->InvalidateScreen();
}

void TdtpEffect::Refresh()
{
    if (!FShape)
        return;
    FShape->FreeCache();
    FShape->InvalidateCache();
    FShape->InvalidateScreen();
    FShape->Changed();
}

// ---- TdtpEffectShape ----

TdtpEffectShape::TdtpEffectShape() = default;
TdtpEffectShape::~TdtpEffectShape() = default;

TdtpEffect* TdtpEffectShape::Effects(int index) const
{
    if (index < 0 || index >= int(FEffects.size()))
        return nullptr;
    return FEffects[size_t(index)].get();
}

int TdtpEffectShape::IndexOfEffect(const TdtpEffect* effect) const
{
    for (size_t i = 0; i < FEffects.size(); ++i)
        if (FEffects[i].get() == effect)
            return int(i);
    return -1;
}

int TdtpEffectShape::AddEffect(std::unique_ptr<TdtpEffect> effect)
{
    if (!effect)
        return -1;
    const int index = int(FEffects.size());
    InsertEffect(index, std::move(effect));
    return index;
}

void TdtpEffectShape::InsertEffect(int index, std::unique_ptr<TdtpEffect> effect)
{
    if (!effect || index < 0 || index > int(FEffects.size()))
        return;  // an invalid index frees the effect
    if (Recording()) {
        auto command = std::make_unique<TdtpCommand>();
        command->Kind = ckEffectInserted;
        command->ShapeId = ShapeId();
        command->Data = UndoIndexData(index);
        RecordCommand(std::move(command));
    }
    TdtpEffect* raw = effect.get();
    FEffects.insert(FEffects.begin() + index, std::move(effect));
    raw->SetShape(this);
    raw->Refresh();
}

void TdtpEffectShape::DeleteEffect(int index)
{
    TdtpEffect* effect = Effects(index);
    if (!effect)
        return;
    if (Recording()) {
        auto command = std::make_unique<TdtpCommand>();
        command->Kind = ckEffectRemoved;
        command->ShapeId = ShapeId();
        command->Data = UndoIndexData(index);
        command->Data.append(SaveEffectToString(*effect));
        command->Name = QStringLiteral("ClassName");
        command->OldValue = effect->ClassName();
        RecordCommand(std::move(command));
    }
    QStringList names;
    effect->ListArchiveStreams(names);
    if (Document())
        for (const QString& name : names)
            Document()->DeleteArchiveStream(name);
    FEffects.erase(FEffects.begin() + index);
    FreeCache();
    InvalidateCache();
    InvalidateScreen();
    Changed();
}

const QImage* TdtpEffectShape::EffectMask(int source, int askingIndex) const
{
    if (source == -1)
        return FOriginal;
    if (source >= 0 && source < askingIndex) {
        const TdtpEffect* effect = Effects(source);
        return effect && !effect->KeptOutput.isNull() ? &effect->KeptOutput : nullptr;
    }
    return nullptr;  // a mask naming the effect itself or a later one is not available
}

bool TdtpEffectShape::NeedsMirror() const
{
    if (TdtpShape::NeedsMirror())
        return true;
    for (const auto& effect : FEffects)
        if (effect->Enabled())
            return true;
    return false;
}

void TdtpEffectShape::AdjustCurbs(float& left, float& top, float& bottom, float& right) const
{
    for (const auto& effect : FEffects)
        effect->AdjustCurbs(left, top, bottom, right);
    TdtpShape::AdjustCurbs(left, top, bottom, right);
}

void TdtpEffectShape::PostProcess(QImage& bitmap, const TDeviceContext& dc)
{
    if (!FEffects.empty()) {
        QImage original;
        for (auto& effect : FEffects) {
            if (effect->Source() == -1 && original.isNull())
                original = bitmap.copy();
            if (effect->Source() >= 0)
                if (TdtpEffect* kept = Effects(effect->Source()))
                    kept->KeepOutput = true;
        }
        FOriginal = original.isNull() ? nullptr : &original;
        for (auto& effect : FEffects) {
            if (effect->Enabled())
                effect->Apply(bitmap, dc);
            if (effect->KeepOutput)
                effect->KeptOutput = bitmap.copy();
        }
        for (auto& effect : FEffects) {
            effect->KeepOutput = false;
            effect->KeptOutput = QImage();
        }
        FOriginal = nullptr;
    }
    TdtpShape::PostProcess(bitmap, dc);
}

bool TdtpEffectShape::ExecuteCommand(const TdtpCommand& command)
{
    if (command.ShapeId == ShapeId()) {
        switch (command.Kind) {
        case ckEffectInserted:
            DeleteEffect(UndoIndexFromData(command.Data));
            return true;
        case ckEffectRemoved: {
            std::unique_ptr<TdtpEffect> effect = CreateEffect(command.OldValue);
            TdtpEffect* raw = effect.get();
            const int index = UndoIndexFromData(command.Data);
            InsertEffect(index, std::move(effect));
            if (Effects(index) == raw)
                LoadEffectFromString(*raw, command.Data.mid(4));
            return true;
        }
        case ckEffectProperty: {
            const int dot = command.Name.indexOf(QLatin1Char('.'));
            if (TdtpEffect* effect = Effects(command.Name.left(dot).toInt()))
                effect->ApplyProperty(command.Name.mid(dot + 1), command.OldValue);
            return true;
        }
        default:
            break;
        }
    }
    return TdtpShape::ExecuteCommand(command);
}

void TdtpEffectShape::ListArchiveStreams(QStringList& names) const
{
    for (const auto& effect : FEffects)
        effect->ListArchiveStreams(names);
    TdtpShape::ListArchiveStreams(names);
}

}  // namespace tessaly::document
