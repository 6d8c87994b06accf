// The field settings window `Tfparazone`: prefix, suffix and, for barcodes, the check key of
// one panel's settings record, edited through a working copy.
#pragma once

#include "barcode/BarcodeTypes.h"
#include "values/ValueDialogs.h"

#include <QDialog>
#include <QString>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace tessaly::app {

// Controls `eprefixe`, `esuffixe`, the key group `gchecksum` with `cbtypechecksum`, buttons
// `boutok` and `sretour`.
class Tfparazone : public QDialog {
    Q_OBJECT
public:
    // `text` gives interface text n (237, 238, 243).
    Tfparazone(std::function<QString(int)> text, values::ValueSettingsRecords& records,
               QWidget* parent = nullptr);

    // Takes a working copy of the settings record of `panel`; `type` fills the barcode key list.
    void OpenFor(values::PanelKind panel, barcode::TBarcodeType type = {});

public slots:
    // `boutok`: writes prefix, suffix and (barcodes) the key type back to the record and closes.
    void accept() override;

private:
    std::function<QString(int)> FText;
    values::ValueSettingsRecords& FRecords;
    values::PanelKind FPanel = values::PanelKind::Text;
    values::typvaleurspeciale FWorkingCopy;

    QLabel* FPrefixLabel = nullptr;
    QLabel* FSuffixLabel = nullptr;
    QLineEdit* FPrefix = nullptr;
    QLineEdit* FSuffix = nullptr;
    QGroupBox* FKeyGroup = nullptr;
    QComboBox* FKeyType = nullptr;
};

// Opens the field settings window on the settings record of `panel`, modal; true on OK.
bool RunFieldDialog(QWidget* parent, std::function<QString(int)> text,
                    values::ValueSettingsRecords& records, values::PanelKind panel,
                    barcode::TBarcodeType type = {});

} // namespace tessaly::app
