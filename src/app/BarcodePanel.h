// The barcode page `tabcb` of the element panel: loads the selected barcode shape into its
// controls and writes the whole page back to the shape on every change.
#pragma once

#include "barcode/BarcodeTypes.h"
#include "values/ValueDialogs.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tessaly::labelshapes { class TdtpBarCodeShape; }

namespace tessaly::app {

// The value checked for the symbology before it goes to the engine: digits only (after
// trimming) for the numeric types 0, 1, 2, 7, 8, 10 to 19 and 22 (for 22 function-1 bytes
// aside), at most 8, 13 or 12 characters for EAN-8, EAN-13 and UPC-A. Anything else gives "0".
QString ValidateBarcodeValue(const QString& value, barcode::TBarcodeType type);

// The test value proposed when the user picks a symbology.
QString SampleValueFor(barcode::TBarcodeType type);

class BarcodePanel : public QWidget {
public:
    // `text` returns interface text n (kind list 235, 236; position list 134 to 139).
    // `records` holds the barcode settings record the value dialogs edit; `calculator`
    // computes the special value shown for label 1 and record 1.
    BarcodePanel(std::function<QString(int)> text, values::ValueSettingsRecords& records,
                 values::Tvaleurspeciale& calculator, QWidget* parent = nullptr);

    // The shape the panel edits (none: changes go nowhere). Loads it into the controls.
    void SetShape(labelshapes::TdtpBarCodeShape* shape);
    labelshapes::TdtpBarCodeShape* Shape() const { return FShape; }

    // Fills the controls from the shape without writing anything back.
    void LoadFromShape(const labelshapes::TdtpBarCodeShape& shape);
    // Writes the whole panel to the shape in one step.
    void ApplyToShape(labelshapes::TdtpBarCodeShape& shape);

    // Colours of the two colour buttons ($00BBGGRR).
    std::uint32_t BarColor() const { return FBarColor; }
    void SetBarColor(std::uint32_t colour);
    std::uint32_t TextColor() const { return FTextColor; }
    void SetTextColor(std::uint32_t colour);

    // Called after a step changed the shape (the main window repaints and marks the project).
    std::function<void(labelshapes::TdtpBarCodeShape&)> OnShapeApplied;
    // The buttons of the "Champs" and "Special" pages: open the value dialogs on the barcode
    // settings record; the panel applies itself again when they return.
    std::function<void()> OnFieldDialog, OnSpecialDialog;

private:
    void BuildControls();
    void ControlChanged();
    void TypeChosen();
    void ShowTextOptions(bool visible);
    barcode::TBarcodeType ChosenType() const;

    std::function<QString(int)> FText;
    values::ValueSettingsRecords& FRecords;
    values::Tvaleurspeciale& FCalculator;
    labelshapes::TdtpBarCodeShape* FShape = nullptr;
    bool FBusy = false;
    std::uint32_t FBarColor = 0, FTextColor = 0;

    QComboBox* FType = nullptr;          // combtypecodebarre
    QTabWidget* FValuePages = nullptr;   // pccodebarretypevaleur
    QLineEdit* FFixedValue = nullptr;    // edvaleurcodebarre
    QLineEdit* FTestValue = nullptr;     // edvaleurtestcodebarre
    QComboBox* FField = nullptr;         // combchampcodebarre
    QComboBox* FSpecialKind = nullptr;   // combtypespecialcodebarre
    QComboBox* FFormat = nullptr;        // combformatcodebarre
    QPushButton* FBarColorButton = nullptr;   // btcouleurbarre
    QCheckBox* FShowText = nullptr;      // chaffichetexte
    QComboBox* FPosition = nullptr;      // combpositiontexte
    QComboBox* FFont = nullptr;          // combfontetexte
    QPushButton* FTextColorButton = nullptr;  // btcouleurtexte
    QComboBox* FFontSize = nullptr;      // combtaillefonte
};

} // namespace tessaly::app
