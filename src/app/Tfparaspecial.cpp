// The special-value settings window.
#include "app/Tfparaspecial.h"

#include "app/ValueDialogParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tessaly::app {

using values::SpecialKind;
using values::ValueDialogTexts;

namespace {

constexpr auto kDateTime = static_cast<std::int32_t>(SpecialKind::DateTime);
constexpr auto kCounter = static_cast<std::int32_t>(SpecialKind::Counter);

template <std::size_t N>
QComboBox* ProposalList(QWidget* parent, const char* name, const std::array<const char*, N>& proposals)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    for (const char* proposal : proposals)
        list->addItem(QString::fromLatin1(proposal));
    return list;
}

QLineEdit* Box(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* Caption(QWidget* parent, QWidget* buddy)
{
    auto* label = new QLabel(parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

values::SpecialDialogControls ControlsForRecord(const values::typvaleurspeciale& record)
{
    values::SpecialDialogControls controls;
    // A record that never held parameters of its kind (format empty, counter mode 0) shows
    // the defaults rather than empty boxes.
    if (record.kind == kDateTime && !record.text[0].isEmpty()) {
        controls.format = record.text[0];
        controls.offsetDays = QString::number(record.number[0]);
        controls.offsetMonths = QString::number(record.number[1]);
        controls.offsetYears = QString::number(record.number[2]);
    } else if (record.kind == kCounter && (record.number[1] == 1 || record.number[1] == 2)) {
        controls.start = QString::number(record.number[0]);
        controls.perLabel = record.number[1] == static_cast<std::int32_t>(values::CounterMode::PerLabel);
        controls.increment = QString::number(record.number[2]);
        controls.digits = QString::number(record.number[3]);
        controls.restartEachRecord = record.text[0] == QLatin1String("O");
    }
    controls.prefix = record.prefix;
    controls.suffix = record.suffix;
    controls.keyType = record.keyType;
    return controls;
}

Tfparaspecial::Tfparaspecial(std::function<QString(int)> text, values::ValueSettingsRecords& records,
                             values::Tvaleurspeciale& calculator, QWidget* parent)
    : QDialog(parent), FText(std::move(text)), FRecords(records), FCalculator(calculator)
{
    setObjectName(QStringLiteral("Tfparaspecial"));
    FTabs = new QTabWidget(this);
    FTabs->setObjectName(QStringLiteral("pcspecial"));
    FTabs->addTab(BuildDateTab(), QString());
    FTabs->addTab(BuildCounterTab(), QString());

    FExample = new QLabel(this);
    FExample->setObjectName(QStringLiteral("labexemple"));
    FExample->setAlignment(Qt::AlignCenter);
    FExample->setFrameShape(QFrame::StyledPanel);
    FExample->setMinimumHeight(32);
    FExample->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont exampleFont = FExample->font();
    exampleFont.setBold(true);
    FExample->setFont(exampleFont);

    FPrefix = Box(this, "eprefixe");
    FSuffix = Box(this, "esuffixe");
    FPrefix->setMinimumWidth(220);
    FPrefixLabel = Caption(this, FPrefix);
    FSuffixLabel = Caption(this, FSuffix);
    auto* frame = new QFormLayout;
    frame->addRow(FPrefixLabel, FPrefix);
    frame->addRow(FSuffixLabel, FSuffix);
    FKeyGroup = MakeKeyGroup(this, FKeyType);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FTabs);
    layout->addWidget(FExample);
    layout->addLayout(frame);
    layout->addWidget(FKeyGroup);
    layout->addStretch(1);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowCaptions();
}

QWidget* Tfparaspecial::BuildDateTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tabdateheure"));
    FFormat = ProposalList(tab, "combformat", values::kDateFormatProposals);
    FFormatLabel = Caption(tab, FFormat);

    auto* offsets = new QHBoxLayout;
    struct Offset {
        QLineEdit*& box;
        const char* name;
        const char* caption;
    };
    for (const Offset& offset : {Offset{FDays, "edjour", "&D"}, Offset{FMonths, "edmois", "&M"},
                                 Offset{FYears, "edannee", "&Y"}}) {
        offset.box = Box(tab, offset.name);
        offset.box->setMaxLength(values::kOffsetMaxLength);
        offset.box->setMaximumWidth(offset.box->fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 12);
        auto* label = new QLabel(QString::fromLatin1(offset.caption), tab);
        label->setBuddy(offset.box);
        offsets->addWidget(label);
        offsets->addWidget(offset.box);
        connect(offset.box, &QLineEdit::textChanged, this, &Tfparaspecial::UpdateExample);
    }
    offsets->addStretch(1);

    auto* layout = new QFormLayout(tab);
    layout->addRow(FFormatLabel, FFormat);
    layout->addRow(offsets);
    connect(FFormat, &QComboBox::editTextChanged, this, &Tfparaspecial::UpdateExample);
    return tab;
}

QWidget* Tfparaspecial::BuildCounterTab()
{
    auto* tab = new QWidget(this);
    tab->setObjectName(QStringLiteral("tabcompteur"));
    FStart = Box(tab, "eddepart");
    FStartLabel = Caption(tab, FStart);
    FPerLabel = new QRadioButton(tab);
    FPerLabel->setObjectName(QStringLiteral("raparetiquette"));
    FPerRecord = new QRadioButton(tab);
    FPerRecord->setObjectName(QStringLiteral("raparenregistrement"));
    FIncrement = ProposalList(tab, "combincrement", values::kIncrementProposals);
    FIncrementLabel = Caption(tab, FIncrement);
    FDigits = ProposalList(tab, "combnbcaracteres", values::kDigitsProposals);
    FDigitsLabel = Caption(tab, FDigits);
    FRestart = new QCheckBox(tab);
    FRestart->setObjectName(QStringLiteral("chinitialisation"));

    auto* modes = new QHBoxLayout;
    modes->addWidget(FPerLabel);
    modes->addWidget(FPerRecord);
    modes->addStretch(1);
    auto* layout = new QFormLayout(tab);
    layout->addRow(FStartLabel, FStart);
    layout->addRow(modes);
    layout->addRow(FIncrementLabel, FIncrement);
    layout->addRow(FDigitsLabel, FDigits);
    layout->addRow(FRestart);

    connect(FStart, &QLineEdit::textChanged, this, &Tfparaspecial::UpdateExample);
    connect(FPerLabel, &QRadioButton::toggled, this, &Tfparaspecial::UpdateExample);
    connect(FIncrement, &QComboBox::editTextChanged, this, &Tfparaspecial::UpdateExample);
    connect(FDigits, &QComboBox::editTextChanged, this, &Tfparaspecial::UpdateExample);
    connect(FRestart, &QCheckBox::toggled, this, &Tfparaspecial::UpdateExample);
    connect(FStart, &QLineEdit::editingFinished, this, [this] { LeaveBox(FStart, values::LeaveStartBox); });
    connect(FIncrement->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { LeaveBox(FIncrement->lineEdit(), values::LeaveIncrementBox); });
    connect(FDigits->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { LeaveBox(FDigits->lineEdit(), values::LeaveDigitsBox); });
    return tab;
}

void Tfparaspecial::ShowCaptions()
{
    for (int kind = 0; kind < FTabs->count(); ++kind)
        FTabs->setTabText(kind, FText(values::kSpecialKindTextNumbers[std::size_t(kind)]));
    FPrefixLabel->setText(FText(ValueDialogTexts::prefix));
    FSuffixLabel->setText(FText(ValueDialogTexts::suffix));
    FFormatLabel->setText(FText(ValueDialogTexts::format));
    FStartLabel->setText(FText(ValueDialogTexts::start));
    FIncrementLabel->setText(FText(ValueDialogTexts::increment));
    FDigitsLabel->setText(FText(ValueDialogTexts::digits));
    FKeyGroup->setTitle(FText(ValueDialogTexts::keyGroup));
    FPerLabel->setText(FText(ValueDialogTexts::perLabel));
    FPerRecord->setText(FText(ValueDialogTexts::perRecord));
    FRestart->setText(FText(ValueDialogTexts::restartEachRecord));
}

void Tfparaspecial::OpenFor(values::PanelKind panel, barcode::TBarcodeType type)
{
    FPanel = panel;
    values::typvaleurspeciale& record = FRecords.For(panel);
    const std::int32_t kind = values::PrepareSpecialDialog(record);
    ShowCaptions();
    SetControls(ControlsForRecord(record));
    ShowKeyChoice(FKeyGroup, FKeyType, values::KeyChoiceFor(panel, type, record.keyType));

    // Only the tab of the record's kind; a damaged kind shows neither and keeps an empty title.
    const bool known = kind == kDateTime || kind == kCounter;
    for (int index = 0; index < FTabs->count(); ++index) {
        const bool shown = index + 1 == kind;
        FTabs->setTabVisible(index, shown);
        // The hidden page must not size the tabs, or the date page gets the counter's height.
        const auto policy = shown ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        FTabs->widget(index)->setSizePolicy(policy, policy);
    }
    FTabs->setVisible(known);
    if (known)
        FTabs->setCurrentIndex(kind - 1);
    setWindowTitle(known ? FText(values::kSpecialKindTextNumbers[std::size_t(kind - 1)]) : QString());
    UpdateExample();
    adjustSize();
}

values::SpecialDialogControls Tfparaspecial::Controls() const
{
    values::SpecialDialogControls controls;
    controls.format = FFormat->currentText();
    controls.offsetDays = FDays->text();
    controls.offsetMonths = FMonths->text();
    controls.offsetYears = FYears->text();
    controls.start = FStart->text();
    controls.perLabel = FPerLabel->isChecked();
    controls.increment = FIncrement->currentText();
    controls.digits = FDigits->currentText();
    controls.restartEachRecord = FRestart->isChecked();
    controls.prefix = FPrefix->text();
    controls.suffix = FSuffix->text();
    controls.keyType = FKeyType->currentText();
    return controls;
}

void Tfparaspecial::SetControls(const values::SpecialDialogControls& controls)
{
    FLoading = true;
    FFormat->setEditText(controls.format);
    FDays->setText(controls.offsetDays);
    FMonths->setText(controls.offsetMonths);
    FYears->setText(controls.offsetYears);
    FStart->setText(controls.start);
    (controls.perLabel ? FPerLabel : FPerRecord)->setChecked(true);
    FIncrement->setEditText(controls.increment);
    FDigits->setEditText(controls.digits);
    FRestart->setChecked(controls.restartEachRecord);
    FPrefix->setText(controls.prefix);
    FSuffix->setText(controls.suffix);
    FKeyType->setCurrentIndex(std::max(0, FKeyType->findText(controls.keyType)));
    FLoading = false;
    UpdateExample();
}

QString Tfparaspecial::Example() const
{
    return FExample->text();
}

void Tfparaspecial::UpdateExample()
{
    if (FLoading)
        return;
    const std::int32_t kind = FRecords.For(FPanel).kind;
    FExample->setText(values::SpecialDialogExample(kind, Controls(), FCalculator));
}

void Tfparaspecial::LeaveBox(QLineEdit* box, QString (*rule)(const QString&))
{
    const QString corrected = rule(box->text());
    if (corrected != box->text())
        box->setText(corrected);
}

void Tfparaspecial::accept()
{
    values::StoreSpecialDialog(FRecords.For(FPanel), Controls(), FPanel);
    QDialog::accept();
}

bool RunSpecialDialog(QWidget* parent, std::function<QString(int)> text,
                      values::ValueSettingsRecords& records, values::Tvaleurspeciale& calculator,
                      values::PanelKind panel, barcode::TBarcodeType type)
{
    Tfparaspecial dialog(std::move(text), records, calculator, parent);
    dialog.OpenFor(panel, type);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tessaly::app
