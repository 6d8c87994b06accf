// The sheet layout controls of the main window: label, page, margin and gap fields, the size
// list, the orientation box and the unit buttons, with the field arithmetic behind them.
#pragma once

#include "sheet/LabelSizeTable.h"
#include "sheet/SheetLayout.h"

#include <QGroupBox>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;

class QLineEdit;
class QRadioButton;

namespace tessaly::document { class TdtpDocument; }

namespace tessaly::app {

// Owns the three groups until the window puts them into its tabs:
// - formatGroup() `gformatdocument` (elargeur, ehauteur, Comblistetailleetiquette): design tab;
// - pageGroup() `gformatpage` (edPageWidth ... edBetweenMarginY, chorientation): page-and-print tab;
// - unitGroup() `Groupunite` (raunitmm, raunitinch): parameters tab.
class SheetFields : public QObject {
public:
    // `text` returns interface text n (captions 12..19, 127, 179, 192; size names 197, 198).
    explicit SheetFields(std::function<QString(int)> text, QObject* parent = nullptr);
    ~SheetFields() override;

    QGroupBox* formatGroup() const { return formatGroup_; }
    QGroupBox* pageGroup() const { return pageGroup_; }
    QGroupBox* unitGroup() const { return unitGroup_; }

    // The label document whose page follows the label size (may be null: nothing is resized).
    void setLabelDocument(document::TdtpDocument* document) { document_ = document; }
    document::TdtpDocument* labelDocument() const { return document_; }

    // Hooks the window fills in: the view's ZoomToPage, and the ruler units of the label
    // document and of the print and preview documents.
    std::function<void()> zoomToPage;
    std::function<void(sheet::Unit)> setLabelRulerUnits;
    std::function<void(sheet::Unit)> setOtherRulerUnits;

    // Ready flag: while clear, the unit buttons convert nothing (a project is being applied).
    bool ready() const { return ready_; }
    void setReady(bool ready) { ready_ = ready; }
    // Panel flag: while clear, the element panel writes nothing back into the label.
    bool panelFlag() const { return panelFlag_; }
    void setPanelFlag(bool enabled) { panelFlag_ = enabled; }

    // Rebuilds the predefined sizes with names 197/198 in the current language and selects the
    // blank item; the start-up step "predefined label sizes".
    void BuildSizeList();
    const sheet::LabelSizeTable& sizeTable() const { return *sizeTable_; }

    // Handler of the size list (change and click): fills the eight fields, then ApplyLabelSize.
    void SelectPredefinedSize();
    // Handler of the unit buttons: converts the eight fields to `target`.
    void ChangeUnit(sheet::Unit target);
    // The label document's current page takes the label size in millimetres (1 mm at least);
    // abandoned silently when a label field does not parse. Then zoomToPage.
    void ApplyLabelSize();
    // Leaving a length field: 2 decimals; text that does not parse becomes "0.00". Leaving
    // elargeur or ehauteur also applies the label size.
    void NormaliseField(QLineEdit* field);

    // The unit the fields are displayed in (the checked unit button).
    sheet::Unit displayUnit() const;
    // The label document's ruler unit, which ChangeUnit compares the target with.
    sheet::Unit rulerUnit() const { return rulerUnit_; }
    // Shows a project's unit without converting anything: checks the button and sets the
    // label document's ruler unit.
    void ShowUnit(sheet::Unit unit);

    sheet::SheetLayout layout() const;   // fields that do not parse count as 0
    int LabelsPerPage() const;
    // Shows `layout`'s lengths as they are (no conversion) and its orientation.
    void ShowLayout(const sheet::SheetLayout& layout);
    sheet::LengthTexts lengthTexts() const;
    void setLengthTexts(const sheet::LengthTexts& texts);

    bool verticalOrientation() const;
    void setVerticalOrientation(bool vertical);
    // Position of the selected size list item (0 = no predefined size, -1 = none).
    int sizeListIndex() const;
    // Selects the item at `index` without applying its sizes (out of range: no selection).
    void setSizeListIndex(int index);

    // The field behind each length, in the fixed order of sheet::LengthTexts.
    QLineEdit* lengthField(int i) const { return lengths_[static_cast<std::size_t>(i)]; }
    QComboBox* sizeList() const { return sizeList_; }

    // The locale's decimal separator by default; tests may fix it.
    char decimalSeparator() const { return decimalSeparator_; }
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

private:
    void buildFormatGroup();
    void buildPageGroup();
    void buildUnitGroup();
    QLineEdit* makeLengthField(int i, const char* objectName, const char* designValue);

    std::function<QString(int)> text_;
    QPointer<QGroupBox> formatGroup_;
    QPointer<QGroupBox> pageGroup_;
    QPointer<QGroupBox> unitGroup_;
    std::array<QLineEdit*, 8> lengths_{};
    QComboBox* sizeList_ = nullptr;
    QCheckBox* orientation_ = nullptr;
    QRadioButton* unitMm_ = nullptr;
    QRadioButton* unitInch_ = nullptr;
    std::unique_ptr<sheet::LabelSizeTable> sizeTable_;
    document::TdtpDocument* document_ = nullptr;
    sheet::Unit rulerUnit_ = sheet::Unit::Millimetre;
    bool ready_ = true;
    bool panelFlag_ = true;
    char decimalSeparator_ = '.';
};

// Leaving an integer field of the print tab: shown again in decimal, "0" when it does not parse.
void NormaliseIntegerField(QLineEdit* field);

} // namespace tessaly::app
