// TdtpEffect, the base of the pixel effects a shape applies to its cache, and TdtpEffectShape, the
// shape that owns an ordered effect list. TdtpGroupShape is a grouped effect shape.
#pragma once

#include "document/core/Shape.h"

#include <memory>
#include <vector>

namespace tessaly::document {

class TdtpEffectShape;

class TdtpEffect {
public:
    virtual ~TdtpEffect() = default;
    virtual QString ClassName() const { return QStringLiteral("TdtpEffect"); }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    int Source() const { return FSource; }  // -2 processed bitmap, -1 original, k output of effect k
    void SetSource(int value);
    TdtpEffectShape* Shape() const { return FShape; }
    virtual void SetShape(TdtpEffectShape* shape) { FShape = shape; }
    int Index() const;

    virtual void Apply(QImage& bitmap, const TDeviceContext& dc) {}
    virtual void Update() {}
    virtual void AdjustCurbs(float& left, float& top, float& bottom, float& right) const {}
    virtual void ApplyProperty(const QString& name, const QString& value);
    virtual QString GetDisplayName() const;
    virtual void ListArchiveStreams(QStringList& names) const {}
    virtual void SaveToXml(pugi::xml_node& node) const;
    virtual void LoadFromXml(const pugi::xml_node& node);
    void Changed();  // the shape's area must be repainted
    void Refresh();  // the shape drops its cache, repaints and signals Changed
    // Records the old value of a parameter as an effect property record (kind 5).
    void RecordChange(const QString& name, const QString& oldValue);

    // Mask plumbing used while the effects run over one cache bitmap.
    bool KeepOutput = false;
    QImage KeptOutput;

private:
    TdtpEffectShape* FShape = nullptr;
    int FSource = -2;
    bool FEnabled = true;
};

using TdtpEffectFactory = std::unique_ptr<TdtpEffect> (*)();
bool RegisterEffectClass(const QString& name, TdtpEffectFactory factory, bool userVisible);
TdtpEffectFactory FindEffectClass(const QString& name);  // unknown names give TdtpEffect
std::unique_ptr<TdtpEffect> CreateEffect(const QString& name);
QStringList UserVisibleEffectClasses();

class TdtpEffectShape : public TdtpShape {
public:
    TdtpEffectShape();
    ~TdtpEffectShape() override;
    QString ClassName() const override { return QStringLiteral("TdtpEffectShape"); }

    int EffectCount() const { return int(FEffects.size()); }
    TdtpEffect* Effects(int index) const;
    int IndexOfEffect(const TdtpEffect* effect) const;
    int AddEffect(std::unique_ptr<TdtpEffect> effect);
    void InsertEffect(int index, std::unique_ptr<TdtpEffect> effect);
    void DeleteEffect(int index);
    // The masks effects read while they run: the original bitmap and kept outputs.
    const QImage* EffectMask(int source, int askingIndex) const;

    bool NeedsMirror() const override;
    void AdjustCurbs(float& left, float& top, float& bottom, float& right) const override;
    void PostProcess(QImage& bitmap, const TDeviceContext& dc) override;
    bool ExecuteCommand(const TdtpCommand& command) override;
    void ListArchiveStreams(QStringList& names) const override;
    void SaveToXml(pugi::xml_node& node) const override;
    void LoadFromXml(const pugi::xml_node& node) override;

protected:
    void SaveEffects(pugi::xml_node& node) const;
    void LoadEffects(const pugi::xml_node& node);
    static QByteArray SaveEffectToString(const TdtpEffect& effect);  // compact XML of one effect
    static void LoadEffectFromString(TdtpEffect& effect, const QByteArray& text);

private:
    std::vector<std::unique_ptr<TdtpEffect>> FEffects;
    const QImage* FOriginal = nullptr;  // valid only inside PostProcess
};

class TdtpGroupShape : public TdtpEffectShape {
public:
    QString ClassName() const override { return QStringLiteral("TdtpGroupShape"); }
};

}  // namespace tessaly::document
