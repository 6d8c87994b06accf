// The sheet layout controls and their handlers.
#include "app/SheetFields.h"

#include "document/core/Document.h"
#include "sheet/SheetGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

namespace tessaly::app {
namespace {

using sheet::Unit;

// The part of a size list item a person reads: the name without the trailing key, which the
// 200 spaces are meant to push out of sight.
QString visibleName(QString item)
{
    while (!item.isEmpty() && item.back().isDigit())
        item.chop(1);
    return item.trimmed();
}

class SizeNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override { return visibleName(value.toString()); }
};

// The size list keeps the full item texts (their keys are read back from them) but shows names.
class SizeListBox : public QComboBox {
public:
    explicit SizeListBox(QWidget* parent = nullptr) : QComboBox(parent)
    {
        setItemDelegate(new SizeNameDelegate(this));
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(22);
    }

    // The base popup widens itself to the full item texts; names are all it has to show.
    void showPopup() override
    {
        QComboBox::showPopup();
        QWidget* popup = view()->window();
        const int names = view()->sizeHintForColumn(0) + view()->verticalScrollBar()->sizeHint().width()
                          + 2 * view()->frameWidth() + 8;
        popup->resize(std::max(width(), names), popup->height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText = visibleName(option.currentText);
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }
};

char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? static_cast<char>(point[0].unicode()) : '.';
}

std::string toStd(const QString& text) { return text.toStdString(); }
QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// Caption text numbers and label object names of the eight length fields, in their fixed order.
struct LengthFieldSpec {
    const char* field;
    const char* label;
    int caption;
};
constexpr std::array<LengthFieldSpec, 8> kLengthFields = {{
    {"elargeur", "Lablargeur", 12},
    {"ehauteur", "labhauteur", 13},
    {"edPageWidth", "lablargeurpage", 14},
    {"edPageHeight", "labhauteurpage", 15},
    {"edOuterMarginX", "labmargegauche", 16},
    {"edOuterMarginY", "labmargehaute", 17},
    {"edBetweenMarginX", "labespacevertical", 18},
    {"edBetweenMarginY", "labespacehorizontal", 19},
}};
constexpr std::array<const char*, 8> kDesignValues = {"210", "297", "210", "297", "0", "0", "0", "0"};

} // namespace

SheetFields::SheetFields(std::function<QString(int)> text, QObject* parent)
    : QObject(parent), text_(std::move(text)), decimalSeparator_(localeDecimalSeparator())
{
    buildFormatGroup();
    buildPageGroup();
    buildUnitGroup();
    BuildSizeList();
}

SheetFields::~SheetFields()
{
    // Groups the window never placed are still ours.
    for (QGroupBox* group : {formatGroup_.data(), pageGroup_.data(), unitGroup_.data()})
        if (group && !group->parent())
            delete group;
}

QLineEdit* SheetFields::makeLengthField(int i, const char* objectName, const char* designValue)
{
    auto* field = new QLineEdit(QString::fromLatin1(designValue));
    field->setObjectName(QString::fromLatin1(objectName));
    field->setAlignment(Qt::AlignRight);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000000.00")) + 16);
    connect(field, &QLineEdit::editingFinished, this, [this, field] { NormaliseField(field); });
    lengths_[static_cast<std::size_t>(i)] = field;
    return field;
}

void SheetFields::buildFormatGroup()
{
    formatGroup_ = new QGroupBox(text_(127));
    formatGroup_->setObjectName(QStringLiteral("gformatdocument"));
    auto* form = new QFormLayout(formatGroup_);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(text_(kLengthFields[i].caption));
        label->setObjectName(QString::fromLatin1(kLengthFields[i].label));
        form->addRow(label, makeLengthField(i, kLengthFields[i].field, kDesignValues[i]));
    }
    sizeList_ = new SizeListBox;
    sizeList_->setObjectName(QStringLiteral("Comblistetailleetiquette"));
    connect(sizeList_, &QComboBox::activated, this, [this] { SelectPredefinedSize(); });
    form->addRow(sizeList_);
}

void SheetFields::buildPageGroup()
{
    pageGroup_ = new QGroupBox;   // sits alone on its tab, whose caption names it
    pageGroup_->setObjectName(QStringLiteral("gformatpage"));
    auto* grid = new QGridLayout(pageGroup_);
    // Pairs side by side: width | height, margin X | margin Y, gap X | gap Y.
    for (int i = 2; i < 8; ++i) {
        const int row = (i - 2) / 2;
        const int column = (i % 2) * 2;
        auto* label = new QLabel(text_(kLengthFields[i].caption));
        label->setObjectName(QString::fromLatin1(kLengthFields[i].label));
        grid->addWidget(label, row, column);
        grid->addWidget(makeLengthField(i, kLengthFields[i].field, kDesignValues[i]), row, column + 1);
    }
    orientation_ = new QCheckBox(text_(192));
    orientation_->setObjectName(QStringLiteral("chorientation"));
    grid->addWidget(orientation_, 3, 0, 1, 4);
    grid->setColumnStretch(4, 1);
}

void SheetFields::buildUnitGroup()
{
    unitGroup_ = new QGroupBox(text_(179));
    unitGroup_->setObjectName(QStringLiteral("Groupunite"));
    unitMm_ = new QRadioButton(QStringLiteral("mm"));
    unitMm_->setObjectName(QStringLiteral("raunitmm"));
    unitMm_->setChecked(true);
    unitInch_ = new QRadioButton(QStringLiteral("Inch"));
    unitInch_->setObjectName(QStringLiteral("raunitinch"));
    auto* row = new QHBoxLayout(unitGroup_);
    row->addWidget(unitMm_);
    row->addWidget(unitInch_);
    row->addStretch(1);
    connect(unitMm_, &QRadioButton::clicked, this, [this] { ChangeUnit(Unit::Millimetre); });
    connect(unitInch_, &QRadioButton::clicked, this, [this] { ChangeUnit(Unit::Inch); });
}

void SheetFields::BuildSizeList()
{
    sizeTable_ = std::make_unique<sheet::LabelSizeTable>(toStd(text_(198)), toStd(text_(197)));
    sizeList_->clear();
    for (const std::string& item : sheet::BuildSizeListItems(*sizeTable_))
        sizeList_->addItem(fromStd(item));
    sizeList_->setCurrentIndex(0);
}

void SheetFields::SelectPredefinedSize()
{
    const std::optional<int> entry = sheet::SizeListItemEntry(toStd(sizeList_->currentText()));
    if (!entry || *entry < 0 || *entry > sheet::LabelSizeCount)
        return;
    setLengthTexts(sheet::PredefinedSizeTexts(*sizeTable_, *entry, displayUnit(), decimalSeparator_));
    ApplyLabelSize();
}

void SheetFields::ChangeUnit(Unit target)
{
    if (!ready_ || rulerUnit_ == target)
        return;
    const bool panel = panelFlag_;
    panelFlag_ = false;
    const Unit from = rulerUnit_;
    ShowUnit(target);
    if (setOtherRulerUnits)
        setOtherRulerUnits(target);
    setLengthTexts(sheet::ConvertLengthTexts(lengthTexts(), from, target, decimalSeparator_));
    ApplyLabelSize();
    panelFlag_ = panel;
}

void SheetFields::ShowUnit(Unit unit)
{
    (unit == Unit::Inch ? unitInch_ : unitMm_)->setChecked(true);
    rulerUnit_ = unit;
    if (setLabelRulerUnits)
        setLabelRulerUnits(unit);
}

void SheetFields::ApplyLabelSize()
{
    document::TdtpPage* page = document_ ? document_->CurrentPage() : nullptr;
    if (!page)
        return;
    const auto size = sheet::LabelPageSizeFromTexts(toStd(lengths_[0]->text()), toStd(lengths_[1]->text()),
                                                    displayUnit(), decimalSeparator_);
    if (!size)
        return;
    page->SetPageSize(size->width, size->height);
    if (zoomToPage)
        zoomToPage();
}

void SheetFields::NormaliseField(QLineEdit* field)
{
    field->setText(fromStd(sheet::NormaliseLengthText(toStd(field->text()), decimalSeparator_)));
    if (field == lengths_[0] || field == lengths_[1])
        ApplyLabelSize();
}

Unit SheetFields::displayUnit() const
{
    return unitInch_->isChecked() ? Unit::Inch : Unit::Millimetre;
}

sheet::LengthTexts SheetFields::lengthTexts() const
{
    sheet::LengthTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = toStd(lengths_[i]->text());
    return texts;
}

void SheetFields::setLengthTexts(const sheet::LengthTexts& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        lengths_[i]->setText(fromStd(texts[i]));
}

sheet::SheetLayout SheetFields::layout() const
{
    return sheet::ReadSheetLayout(lengthTexts(), verticalOrientation(), displayUnit(), decimalSeparator_);
}

int SheetFields::LabelsPerPage() const
{
    return sheet::SheetGrid(layout()).LabelsPerPage();
}

void SheetFields::ShowLayout(const sheet::SheetLayout& layout)
{
    setLengthTexts(sheet::FormatSheetLayout(layout, decimalSeparator_));
    setVerticalOrientation(layout.verticalOrientation);
}

bool SheetFields::verticalOrientation() const { return orientation_->isChecked(); }
void SheetFields::setVerticalOrientation(bool vertical) { orientation_->setChecked(vertical); }

int SheetFields::sizeListIndex() const { return sizeList_->currentIndex(); }

void SheetFields::setSizeListIndex(int index)
{
    sizeList_->setCurrentIndex(index >= 0 && index < sizeList_->count() ? index : -1);
}

void NormaliseIntegerField(QLineEdit* field)
{
    field->setText(QString::fromStdString(sheet::NormaliseIntegerText(field->text().toStdString())));
}

} // namespace tessaly::app
