// The field settings window.
#include "app/Tfparazone.h"

#include "app/ValueDialogParts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessaly::app {

using values::ValueDialogTexts;

Tfparazone::Tfparazone(std::function<QString(int)> text, values::ValueSettingsRecords& records, QWidget* parent)
    : QDialog(parent), FText(std::move(text)), FRecords(records)
{
    setObjectName(QStringLiteral("Tfparazone"));
    FPrefix = new QLineEdit(this);
    FPrefix->setObjectName(QStringLiteral("eprefixe"));
    FSuffix = new QLineEdit(this);
    FSuffix->setObjectName(QStringLiteral("esuffixe"));
    FPrefix->setMinimumWidth(220);
    FPrefixLabel = new QLabel(this);
    FPrefixLabel->setBuddy(FPrefix);
    FSuffixLabel = new QLabel(this);
    FSuffixLabel->setBuddy(FSuffix);
    FKeyGroup = MakeKeyGroup(this, FKeyType);

    auto* frame = new QFormLayout;
    frame->addRow(FPrefixLabel, FPrefix);
    frame->addRow(FSuffixLabel, FSuffix);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frame);
    layout->addWidget(FKeyGroup);
    layout->addStretch(1);
    layout->addWidget(MakeOkCancel(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tfparazone::OpenFor(values::PanelKind panel, barcode::TBarcodeType type)
{
    FPanel = panel;
    FWorkingCopy = FRecords.For(panel);
    setWindowTitle(QString());
    FPrefixLabel->setText(FText(ValueDialogTexts::prefix));
    FSuffixLabel->setText(FText(ValueDialogTexts::suffix));
    FKeyGroup->setTitle(FText(ValueDialogTexts::keyGroup));

    const values::FieldDialogState state = values::OpenFieldDialog(FWorkingCopy, panel, type);
    FPrefix->setText(state.prefix);
    FSuffix->setText(state.suffix);
    ShowKeyChoice(FKeyGroup, FKeyType, state.key);
}

void Tfparazone::accept()
{
    values::AcceptFieldDialog(FWorkingCopy, FPanel, FPrefix->text(), FSuffix->text(), FKeyType->currentText());
    FRecords.For(FPanel) = FWorkingCopy;
    QDialog::accept();
}

bool RunFieldDialog(QWidget* parent, std::function<QString(int)> text, values::ValueSettingsRecords& records,
                    values::PanelKind panel, barcode::TBarcodeType type)
{
    Tfparazone dialog(std::move(text), records, parent);
    dialog.OpenFor(panel, type);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tessaly::app
