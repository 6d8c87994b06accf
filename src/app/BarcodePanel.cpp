// The barcode page of the element panel.
#include "app/BarcodePanel.h"

#include "labelshapes/BarcodeShape.h"
#include "values/IntegerText.h"
#include "values/KeyCompletion.h"
#include "values/Placeholders.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace tessaly::app {

namespace {

using barcode::TBarcodeType;

enum ValuePage { FixedPage = 0, FieldPage = 1, SpecialPage = 2 };

constexpr int kFirstPositionText = 134;   // "Haut Gauche" .. "Bas Centre"
constexpr int kBottomLeftIndex = 3;       // "Bas Gauche"

bool IsNumericType(TBarcodeType type)
{
    const int ordinal = static_cast<int>(type);
    return ordinal <= 2 || ordinal == 7 || ordinal == 8 || (ordinal >= 10 && ordinal <= 19) || ordinal == 22;
}

int MaxLength(TBarcodeType type)
{
    switch (type) {
    case barcode::bcCodeEAN8: return 8;
    case barcode::bcCodeEAN13: return 13;
    case barcode::bcCodeUPC_A: return 12;
    default: return -1;
    }
}

QString ColourStyle(std::uint32_t colour)
{
    return QStringLiteral("background-color: rgb(%1, %2, %3)")
        .arg(colour & 0xFF).arg((colour >> 8) & 0xFF).arg((colour >> 16) & 0xFF);
}

QComboBox* NewCombo(QWidget* parent, const char* name, const QStringList& items, bool editable = false)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    combo->setEditable(editable);
    return combo;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QString& text = {})
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QStringList NumberItems(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

} // namespace

QString ValidateBarcodeValue(const QString& value, TBarcodeType type)
{
    if (!IsNumericType(type))
        return value;
    QString digits = value.trimmed();
    if (type == barcode::bcCodeEAN128C)
        digits.remove(QChar(0x83));  // function 1 as the Windows-1252 byte 131 reads
    const bool allDigits = std::all_of(digits.begin(), digits.end(),
                                       [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int maxLength = MaxLength(type);
    if (!allDigits || (maxLength > 0 && digits.size() > maxLength))
        return QStringLiteral("0");
    return value;
}

QString SampleValueFor(TBarcodeType type)
{
    switch (type) {
    case barcode::bcCodeEAN8: return QStringLiteral("12345678");
    case barcode::bcCodeEAN13: return QStringLiteral("1234567890123");
    case barcode::bcCodeUPC_Supp2: return QStringLiteral("12");
    case barcode::bcCodeUPC_Supp5: return QStringLiteral("12345");
    default: return QStringLiteral("1234567890");
    }
}

BarcodePanel::BarcodePanel(std::function<QString(int)> text, values::ValueSettingsRecords& records,
                           values::Tvaleurspeciale& calculator, QWidget* parent)
    : QWidget(parent), FText(std::move(text)), FRecords(records), FCalculator(calculator)
{
    setObjectName(QStringLiteral("tabcb"));
    BuildControls();
}

void BarcodePanel::BuildControls()
{
    auto* layout = new QVBoxLayout(this);
    QStringList types;
    for (const barcode::TBCdata& row : barcode::kSymbologies)
        types << QString::fromLatin1(row.listItem.data(), qsizetype(row.listItem.size()));
    FType = NewCombo(this, "combtypecodebarre", types);
    layout->addWidget(FType);

    FValuePages = new QTabWidget(this);
    FValuePages->setObjectName(QStringLiteral("pccodebarretypevaleur"));
    auto* fixedPage = new QWidget(FValuePages);
    FFixedValue = NewEdit(fixedPage, "edvaleurcodebarre");
    (new QVBoxLayout(fixedPage))->addWidget(FFixedValue);
    auto* fieldPage = new QWidget(FValuePages);
    FTestValue = NewEdit(fieldPage, "edvaleurtestcodebarre", QStringLiteral("012345"));
    FField = NewCombo(fieldPage, "combchampcodebarre", NumberItems(values::kFirstField, values::kLastField));
    auto* fieldButton = NewButton(fieldPage, "btparazonecodebarre", QStringLiteral("..."));
    auto* fieldLayout = new QVBoxLayout(fieldPage);
    fieldLayout->addWidget(FTestValue);
    fieldLayout->addWidget(FField);
    fieldLayout->addWidget(fieldButton);
    auto* specialPage = new QWidget(FValuePages);
    FSpecialKind = NewCombo(specialPage, "combtypespecialcodebarre",
                            {FText(values::kSpecialKindTextNumbers[0]), FText(values::kSpecialKindTextNumbers[1])});
    auto* specialButton = NewButton(specialPage, "btparaspecialcodebarre", QStringLiteral("..."));
    auto* specialLayout = new QVBoxLayout(specialPage);
    specialLayout->addWidget(FSpecialKind);
    specialLayout->addWidget(specialButton);
    FValuePages->addTab(fixedPage, QStringLiteral("Valeur"));
    FValuePages->addTab(fieldPage, QStringLiteral("Champs"));
    FValuePages->addTab(specialPage, QStringLiteral("Special"));
    layout->addWidget(FValuePages);

    auto* form = new QFormLayout;
    FFormat = NewCombo(this, "combformatcodebarre", {QStringLiteral("(?\?)")}, true);
    FFormat->setCurrentText(QString());
    FBarColorButton = NewButton(this, "btcouleurbarre", QString());
    FShowText = new QCheckBox(QStringLiteral("Afficher texte code barre"), this);
    FShowText->setObjectName(QStringLiteral("chaffichetexte"));
    QStringList positions;
    for (int i = 0; i < 6; ++i)
        positions << FText(kFirstPositionText + i);
    FPosition = NewCombo(this, "combpositiontexte", positions);
    // Editable, so that a stored face this machine lacks is shown and kept as it is.
    FFont = NewCombo(this, "combfontetexte", QFontDatabase::families(), true);
    FTextColorButton = NewButton(this, "btcouleurtexte", QString());
    FFontSize = NewCombo(this, "combtaillefonte", NumberItems(10, 60), true);
    form->addRow(FFormat);
    form->addRow(FBarColorButton);
    form->addRow(FShowText);
    form->addRow(FPosition);
    form->addRow(FFont);
    form->addRow(FTextColorButton);
    form->addRow(FFontSize);
    layout->addLayout(form);
    SetBarColor(0);
    SetTextColor(0);
    ShowTextOptions(false);

    const auto changed = [this] { ControlChanged(); };
    connect(FType, &QComboBox::currentIndexChanged, this, [this] {
        if (!FBusy)
            TypeChosen();
        ControlChanged();
    });
    connect(FValuePages, &QTabWidget::currentChanged, this, changed);
    connect(FFixedValue, &QLineEdit::textChanged, this, changed);
    connect(FTestValue, &QLineEdit::textChanged, this, changed);
    connect(FField, &QComboBox::currentIndexChanged, this, changed);
    connect(FSpecialKind, &QComboBox::currentIndexChanged, this, changed);
    connect(FFormat, &QComboBox::currentTextChanged, this, changed);
    connect(FShowText, &QCheckBox::toggled, this, [this](bool on) {
        ShowTextOptions(on);
        ControlChanged();
    });
    connect(FPosition, &QComboBox::currentIndexChanged, this, changed);
    connect(FFont, &QComboBox::currentTextChanged, this, changed);
    connect(FFontSize, &QComboBox::currentTextChanged, this, changed);
    connect(FBarColorButton, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(QColor(FBarColor & 0xFF, (FBarColor >> 8) & 0xFF, FBarColor >> 16), this);
        if (chosen.isValid())
            SetBarColor(std::uint32_t(chosen.red() | chosen.green() << 8 | chosen.blue() << 16));
    });
    connect(FTextColorButton, &QPushButton::clicked, this, [this] {
        const QColor chosen = QColorDialog::getColor(QColor(FTextColor & 0xFF, (FTextColor >> 8) & 0xFF, FTextColor >> 16), this);
        if (chosen.isValid())
            SetTextColor(std::uint32_t(chosen.red() | chosen.green() << 8 | chosen.blue() << 16));
    });
    connect(fieldButton, &QPushButton::clicked, this, [this] {
        if (OnFieldDialog)
            OnFieldDialog();
        ControlChanged();
    });
    connect(specialButton, &QPushButton::clicked, this, [this] {
        if (OnSpecialDialog)
            OnSpecialDialog();
        ControlChanged();
    });
}

void BarcodePanel::SetBarColor(std::uint32_t colour)
{
    FBarColor = colour;
    FBarColorButton->setStyleSheet(ColourStyle(colour));
    ControlChanged();
}

void BarcodePanel::SetTextColor(std::uint32_t colour)
{
    FTextColor = colour;
    FTextColorButton->setStyleSheet(ColourStyle(colour));
    ControlChanged();
}

void BarcodePanel::ShowTextOptions(bool visible)
{
    FPosition->setVisible(visible);
    FFont->setVisible(visible);
    FTextColorButton->setVisible(visible);
}

TBarcodeType BarcodePanel::ChosenType() const
{
    return static_cast<TBarcodeType>(std::max(0, FType->currentIndex()));
}

void BarcodePanel::SetShape(labelshapes::TdtpBarCodeShape* shape)
{
    FShape = shape;
    if (shape)
        LoadFromShape(*shape);
}

void BarcodePanel::TypeChosen()
{
    FBusy = true;
    const TBarcodeType type = ChosenType();
    FRecords.barcode.keyType = values::DefaultKeyType(type);
    if (type == barcode::bcCodeEAN8 || type == barcode::bcCodeEAN13) {
        FShowText->setChecked(true);
        FPosition->setCurrentIndex(kBottomLeftIndex);
    }
    FTestValue->setText(SampleValueFor(type));
    FBusy = false;
}

void BarcodePanel::ControlChanged()
{
    if (FBusy || !FShape)
        return;
    FBusy = true;
    ApplyToShape(*FShape);
    FBusy = false;
    if (OnShapeApplied)
        OnShapeApplied(*FShape);
}

void BarcodePanel::ApplyToShape(labelshapes::TdtpBarCodeShape& shape)
{
    const values::typvaleurspeciale& record = FRecords.barcode;
    values::ValueSource source = shape.Source();
    QString text, textAff;
    switch (FValuePages->currentIndex()) {
    case FieldPage: {
        const int field = FField->currentIndex() + 1;
        text = FTestValue->text();
        textAff = values::PlaceholderText(field);
        source.valueType = static_cast<std::int32_t>(values::ValueType::RecordField);
        source.fieldNumber = field;
        break;
    }
    case SpecialPage:
        source.valueType = static_cast<std::int32_t>(values::ValueType::Special);
        source.special = record;
        source.special.kind = FSpecialKind->currentIndex() + 1;
        text = textAff = FCalculator.Preview(source.special);
        break;
    default:
        text = textAff = FFixedValue->text();
        source.valueType = static_cast<std::int32_t>(values::ValueType::Fixed);
        break;
    }
    source.special.prefix = record.prefix;
    source.special.suffix = record.suffix;
    source.special.keyType = record.keyType;

    const TBarcodeType type = ChosenType();
    text = ValidateBarcodeValue(text, type);
    if (source.valueType != static_cast<std::int32_t>(values::ValueType::RecordField))
        textAff = text;

    barcode::TAsBarcode& engine = shape.Barcode();
    engine.SetTyp(type);
    shape.SetText(text);
    shape.SetTextAff(textAff);
    engine.SetTextFormatA(FFormat->currentText().toStdString());
    engine.ColorBar = FBarColor;
    if (FShowText->isChecked()) {
        engine.SetShowText(barcode::bcoCode);
        engine.SetShowTextPosition(static_cast<barcode::TShowTextPosition>(std::max(0, FPosition->currentIndex())));
        barcode::TFontSpec font = engine.ShowTextFont();
        font.Name = FFont->currentText().toStdString();
        font.Color = FTextColor;
        if (const std::optional<int> size = values::ParseInteger(FFontSize->currentText()))
            font.SetSize(std::clamp(*size, 0, 1000));
        engine.SetShowTextFont(font);
    } else {
        engine.SetShowText(barcode::bcoNone);
    }
    shape.SetSource(source);
    shape.Rebuild();
    shape.Changed();
}

void BarcodePanel::LoadFromShape(const labelshapes::TdtpBarCodeShape& shape)
{
    const bool wasBusy = FBusy;
    FBusy = true;
    const barcode::TAsBarcode& engine = shape.Barcode();
    const values::ValueSource& source = shape.Source();
    values::typvaleurspeciale& record = FRecords.barcode;
    FType->setCurrentIndex(static_cast<int>(engine.Typ()));
    switch (source.valueType) {
    case 2:
        FValuePages->setCurrentIndex(FieldPage);
        FTestValue->setText(shape.Text());
        FField->setCurrentIndex(std::clamp(source.fieldNumber, values::kFirstField, values::kLastField) - 1);
        record.prefix = source.special.prefix;
        record.suffix = source.special.suffix;
        record.keyType = source.special.keyType;
        break;
    case 3:
        FValuePages->setCurrentIndex(SpecialPage);
        FSpecialKind->setCurrentIndex(std::clamp(source.special.kind, 1, 2) - 1);
        record = source.special;
        break;
    default:
        FValuePages->setCurrentIndex(FixedPage);
        FFixedValue->setText(shape.Text());
        record.prefix.clear();
        record.suffix.clear();
        record.keyType.clear();
        break;
    }
    FFormat->setCurrentText(QString::fromStdString(engine.TextFormatA()));
    SetBarColor(engine.ColorBar);
    const bool showText = engine.ShowText() != barcode::bcoNone;
    FShowText->setChecked(showText);
    ShowTextOptions(showText);
    if (showText) {
        // The list starts at "Haut Droite" for a stored top-left position.
        FPosition->setCurrentIndex(std::max(1, static_cast<int>(engine.ShowTextPosition())));
        FFont->setCurrentText(QString::fromStdString(engine.ShowTextFont().Name));
        SetTextColor(engine.ShowTextFont().Color);
        FFontSize->setCurrentText(QString::number(engine.ShowTextFont().Size()));
    }
    FBusy = wasBusy;
}

} // namespace tessaly::app
