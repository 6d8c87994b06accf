// The print controls of the page-and-print tab, with the print and preview commands: the
// window fills the hooks (label, sheet, article list, printer) and the tab drives the print service.
#pragma once

#include "print/ArticleListCursor.h"

#include "data/ArticleList.h"
#include "print/PrintCommand.h"
#include "print/RecordCursor.h"
#include "sheet/SheetLayout.h"
#include "values/SpecialValueCalculator.h"

#include <QGroupBox>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;

namespace tessaly::document { class TdtpDocument; }

namespace tessaly::app {

class Tfapercupage;

// The rows of the article list (xQuery1) as a database run walks them; the run puts the
// list's current row back when it ends.
using print::ArticleListCursor;

// Holds the controls of the print tab: quality buttons, `chforcetaille`, the print-mode tabs
// `pagetypeimpression` and the buttons `Spapercu`, `SpImprime`. The barcode quality group
// `gqualitecodebarre` belongs on the parameters tab: barcodeQualityGroup() hands it over.
class PrintTab : public QWidget {
    Q_OBJECT
public:
    // `text` returns interface text n (captions 20, 21, 51, 53, 191, 193 … 195, 202, 249 … 251,
    // 257, 261, 262; messages 82 … 84, 231).
    explicit PrintTab(std::function<QString(int)> text, QWidget* parent = nullptr);
    ~PrintTab() override;

    // ---- hooks the window fills in ----
    // The label document (Fdocument); its current page is the label. Null: nothing runs.
    std::function<document::TdtpDocument*()> labelDocument;
    // The sheet fields: layout in its display unit and LabelsPerPage() of the current texts.
    std::function<sheet::SheetLayout()> sheetLayout;
    std::function<int()> labelsPerPage;
    // The article list the database mode walks (null: an empty list).
    std::function<data::ArticleList*()> articleList;
    // The label-shape operations of a run (default: print::LabelShapeHooks()).
    print::PrintHooks hooks;
    // The text of CombImprimante.
    std::function<QString()> printerName;
    // The special-value calculator (default: one owned by the tab).
    std::function<values::Tvaleurspeciale*()> calculator;
    // Where a print run's sheets go. The default selects the printer by name, forces the paper
    // size when asked and prints one job per sheet.
    std::function<std::unique_ptr<print::SheetSink>(const QString& printer, bool forcePaper, QSizeF sheetMm)>
        makeSink;
    // Message boxes and the modal showing of the preview; tests replace them.
    std::function<void(const QString& caption, const QString& text)> showWarning;
    std::function<void(Tfapercupage& preview)> showPreview;
    // The progress window of a run; false runs without it (automation, tests).
    bool showProgress = true;

    // ---- commands ----
    // `SpImprimeClick`: start-label check, then the run of the active tab. Also the print run of
    // automation modes 2 and 3. Nothing when a field does not hold an integer (message shown).
    std::optional<print::RunResult> PrintCommand();
    // `SpapercuClick`: the preview sheet, `enbetiquette` set to the labels per page, the window shown.
    std::optional<print::RunResult> PreviewCommand();
    // Shows the print-mode tabs that suit the label and the database label count.
    void Pactiveonglettypesourceimpression();
    // `CheckStartLabel` with texts 82/84 and caption 83 on failure.
    bool CheckStartLabel();

    sheet::PrintTab activeTab() const;
    void setActiveTab(sheet::PrintTab tab);
    bool tabShown(sheet::PrintTab tab) const;
    int qualityLevel() const;
    bool normalBarcodeQuality() const;
    // `racbnormale` or `racbfin`, as a project sets it.
    void setNormalBarcodeQuality(bool normal);
    bool running() const { return running_; }

    QGroupBox* barcodeQualityGroup() const { return barcodeGroup_; }
    Tfapercupage* previewWindow() const { return preview_; }
    QLineEdit* field(const char* objectName) const;
    QLabel* labelCountLabel() const { return labelCount_; }

private:
    QWidget* buildQualityGroup();
    QWidget* buildModeTabs();
    QWidget* buildPagesTab();
    QWidget* buildLabelsTab();
    QWidget* buildDatabaseTab();
    void buildBarcodeQualityGroup();
    QLineEdit* addIntegerField(QWidget* page, const char* objectName, const char* labelName, int textNumber);
    int tabIndex(sheet::PrintTab tab) const;

    // Field values read as the command reads them; nothing (and the message) when one does not parse.
    std::optional<print::PrintCommandInput> readCommandInput();
    std::optional<print::RunSetup> runSetup();
    int fieldInteger(const char* objectName) const;

    std::function<QString(int)> text_;
    values::Tvaleurspeciale ownCalculator_;
    QTabWidget* modes_ = nullptr;
    QCheckBox* forcePaper_ = nullptr;
    QRadioButton* quality_[4] = {};
    QCheckBox* pageBreakPerRecord_ = nullptr;
    QComboBox* pageBreakField_ = nullptr;
    QComboBox* rowBreakField_ = nullptr;
    QLabel* labelCount_ = nullptr;
    QPointer<QGroupBox> barcodeGroup_;
    QRadioButton* barcodeNormal_ = nullptr;
    QRadioButton* barcodeFine_ = nullptr;
    Tfapercupage* preview_ = nullptr;
    bool running_ = false;
};

} // namespace tessaly::app
