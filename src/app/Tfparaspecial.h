// The special-value settings window `Tfparaspecial`: date and time or counter parameters,
// prefix, suffix and check key of one panel's settings record, with a live example.
#pragma once

#include "barcode/BarcodeTypes.h"
#include "values/ValueDialogs.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace tessaly::app {

// Tabs `pcspecial` (`tabdateheure`, `tabcompteur`); date controls `combformat`, `edjour`,
// `edmois`, `edannee`; counter controls `eddepart`, `raparetiquette`, `raparenregistrement`,
// `combincrement`, `combnbcaracteres`, `chinitialisation`; `eprefixe`, `esuffixe`, the key
// group `gchecksum` with `cbtypechecksum`, the example `labexemple`, buttons `boutok`, `sretour`.
class Tfparaspecial : public QDialog {
    Q_OBJECT
public:
    // `text` gives interface text n (captions 213, 235 to 245, 258).
    Tfparaspecial(std::function<QString(int)> text, values::ValueSettingsRecords& records,
                  values::Tvaleurspeciale& calculator, QWidget* parent = nullptr);

    // Selects the settings record of `panel` (kind 0 becomes 1), loads it into the controls and
    // shows only the tab of its kind. `type` fills the key list of the barcode panel.
    void OpenFor(values::PanelKind panel, barcode::TBarcodeType type = {});

    values::SpecialDialogControls Controls() const;
    void SetControls(const values::SpecialDialogControls& controls);
    // The example label's text: the value for record 1 and label 1.
    QString Example() const;

public slots:
    // `boutok`: stores the controls into the selected record and closes.
    void accept() override;

private:
    QWidget* BuildDateTab();
    QWidget* BuildCounterTab();
    void ShowCaptions();
    void UpdateExample();
    void LeaveBox(QLineEdit* box, QString (*rule)(const QString&));

    std::function<QString(int)> FText;
    values::ValueSettingsRecords& FRecords;
    values::Tvaleurspeciale& FCalculator;
    values::PanelKind FPanel = values::PanelKind::Text;
    bool FLoading = false;

    QTabWidget* FTabs = nullptr;
    QComboBox* FFormat = nullptr;
    QLineEdit* FDays = nullptr;
    QLineEdit* FMonths = nullptr;
    QLineEdit* FYears = nullptr;
    QLineEdit* FStart = nullptr;
    QRadioButton* FPerLabel = nullptr;
    QRadioButton* FPerRecord = nullptr;
    QComboBox* FIncrement = nullptr;
    QComboBox* FDigits = nullptr;
    QCheckBox* FRestart = nullptr;
    QLineEdit* FPrefix = nullptr;
    QLineEdit* FSuffix = nullptr;
    QGroupBox* FKeyGroup = nullptr;
    QComboBox* FKeyType = nullptr;
    QLabel* FExample = nullptr;
    QLabel* FFormatLabel = nullptr;
    QLabel* FStartLabel = nullptr;
    QLabel* FIncrementLabel = nullptr;
    QLabel* FDigitsLabel = nullptr;
    QLabel* FPrefixLabel = nullptr;
    QLabel* FSuffixLabel = nullptr;
};

// The controls showing a settings record: its stored parameters when its kind has them,
// otherwise the defaults; prefix, suffix and key type always from the record.
values::SpecialDialogControls ControlsForRecord(const values::typvaleurspeciale& record);

// Opens the special-value window on the settings record of `panel`, modal; true when the user
// confirmed with OK (the record then holds the new settings).
bool RunSpecialDialog(QWidget* parent, std::function<QString(int)> text,
                      values::ValueSettingsRecords& records, values::Tvaleurspeciale& calculator,
                      values::PanelKind panel, barcode::TBarcodeType type = {});

} // namespace tessaly::app
