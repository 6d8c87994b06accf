// The print tab's controls and the print and preview commands.
#include "app/PrintTab.h"

#include "app/SheetFields.h"
#include "app/Tfapercupage.h"
#include "document/core/Document.h"
#include "print/LabelShapeHooks.h"
#include "print/PaperSize.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace tessaly::app {

// ---------------------------------------------------------------------------------------------
// Article list cursor

namespace {

// One print job per sheet on the printer chosen by name, its paper forced when asked.
class PrinterJobSink final : public print::SheetSink {
public:
    PrinterJobSink(const QString& printerName, bool forcePaper, QSizeF sheetMm)
        : printer_(QPrinter::HighResolution), sink_(printer_)
    {
        print::SelectPrinter(printer_, printerName);
        if (forcePaper)
            print::ForcePaperSize(printer_, sheetMm.width(), sheetMm.height());
    }
    void PrintSheet(document::TdtpDocument& document, QSizeF sheetMm) override
    {
        sink_.PrintSheet(document, sheetMm);
    }

private:
    QPrinter printer_;
    print::PrinterSheetSink sink_;
};

// The hourglass for the length of a command.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Sheets printed of the total (labels placed when the sheets are not known in advance), with a
// cancel button; pending window messages run at every step so the window stays responsive.
class RunProgress {
public:
    RunProgress(QWidget* parent, bool visible)
    {
        if (!visible)
            return;
        dialog_ = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Annuler"), 0, 0, parent);
        dialog_->setObjectName(QStringLiteral("progressionimpression"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(500);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
    }

    print::ProgressCallback callback()
    {
        return [this](const print::Progress& progress) { return step(progress); };
    }

private:
    bool step(const print::Progress& progress)
    {
        if (dialog_) {
            if (progress.sheetsTotal > 0)
                show(progress.sheetsPrinted, progress.sheetsTotal, QStringLiteral("Feuilles imprimées : %1 / %2"));
            else
                show(progress.labelsPlaced, progress.labelsTotal, QStringLiteral("Etiquettes imprimées : %1 / %2"));
        }
        QCoreApplication::processEvents();
        return !(dialog_ && dialog_->wasCanceled());
    }

    void show(std::int64_t done, std::int64_t total, const QString& format)
    {
        // The bar counts in ints; huge totals are scaled down to fit.
        const std::int64_t scale = std::max<std::int64_t>(1, total / INT_MAX + 1);
        dialog_->setMaximum(static_cast<int>(total / scale));
        dialog_->setValue(static_cast<int>(std::min(done, total) / scale));
        dialog_->setLabelText(format.arg(done).arg(total));
    }

    std::unique_ptr<QProgressDialog> dialog_;
};

// Integer text as the print command reads it: surrounding blanks allowed, nothing else.
std::optional<std::int64_t> ParseInteger(const QString& text)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(value) : std::nullopt;
}

int ClampToInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

QComboBox* FieldNumberList(const char* objectName)
{
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(objectName));
    list->addItem(QString());
    for (int n = 1; n <= 15; ++n)
        list->addItem(QString::number(n));
    return list;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Controls

PrintTab::PrintTab(std::function<QString(int)> text, QWidget* parent)
    : QWidget(parent), text_(std::move(text))
{
    setObjectName(QStringLiteral("printtab"));
    hooks = print::LabelShapeHooks();
    calculator = [this] { return &ownCalculator_; };
    makeSink = [](const QString& printer, bool forcePaper, QSizeF sheetMm) -> std::unique_ptr<print::SheetSink> {
        return std::make_unique<PrinterJobSink>(printer, forcePaper, sheetMm);
    };
    showWarning = [this](const QString& caption, const QString& message) {
        QMessageBox::warning(this, caption, message);
    };
    showPreview = [](Tfapercupage& preview) { preview.exec(); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildQualityGroup());
    forcePaper_ = new QCheckBox(text_(191), this);
    forcePaper_->setObjectName(QStringLiteral("chforcetaille"));
    layout->addWidget(forcePaper_);
    layout->addWidget(buildModeTabs());

    auto* buttons = new QHBoxLayout;
    auto* previewButton = new QToolButton(this);
    previewButton->setObjectName(QStringLiteral("Spapercu"));
    previewButton->setText(text_(53));
    auto* printButton = new QToolButton(this);
    printButton->setObjectName(QStringLiteral("SpImprime"));
    printButton->setText(text_(51));
    for (QToolButton* button : {previewButton, printButton}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        buttons->addWidget(button);
    }
    previewButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    printButton->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(previewButton, &QToolButton::clicked, this, [this] { PreviewCommand(); });
    connect(printButton, &QToolButton::clicked, this, [this] { PrintCommand(); });

    buildBarcodeQualityGroup();
    preview_ = new Tfapercupage(text_, this);
}

PrintTab::~PrintTab()
{
    // The barcode group is the window's once it sits on the parameters tab.
    if (barcodeGroup_ && !barcodeGroup_->parent())
        delete barcodeGroup_;
}

QWidget* PrintTab::buildQualityGroup()
{
    auto* group = new QGroupBox(QStringLiteral("Qualité d'impression"), this);
    group->setObjectName(QStringLiteral("gqualiteimpression"));
    auto* row = new QHBoxLayout(group);
    static constexpr const char* names[] = {"raqualitebasse", "raqualitemoyenne", "raqualitehaute", "raqualitemaxi"};
    static constexpr const char* captions[] = {"Basse", "Moyenne", "Haute", "Maxi"};
    for (int i = 0; i < 4; ++i) {
        quality_[i] = new QRadioButton(QString::fromLatin1(captions[i]), group);
        quality_[i]->setObjectName(QString::fromLatin1(names[i]));
        row->addWidget(quality_[i]);
    }
    quality_[0]->setChecked(true);
    row->addStretch(1);
    return group;
}

QWidget* PrintTab::buildModeTabs()
{
    modes_ = new QTabWidget(this);
    modes_->setObjectName(QStringLiteral("pagetypeimpression"));
    modes_->addTab(buildPagesTab(), text_(193));
    modes_->addTab(buildLabelsTab(), text_(194));
    modes_->addTab(buildDatabaseTab(), text_(202));
    // After start-up all three tabs are visible and the database tab is active.
    modes_->setCurrentIndex(tabIndex(sheet::PrintTab::Database));
    return modes_;
}

QLineEdit* PrintTab::addIntegerField(QWidget* page, const char* objectName, const char* labelName, int textNumber)
{
    auto* form = qobject_cast<QFormLayout*>(page->layout());
    auto* label = new QLabel(text_(textNumber), page);
    label->setObjectName(QString::fromLatin1(labelName));
    auto* field = new QLineEdit(QStringLiteral("1"), page);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMaximumWidth(100);
    label->setBuddy(field);
    connect(field, &QLineEdit::editingFinished, field, [field] { NormaliseIntegerField(field); });
    form->addRow(label, field);
    return field;
}

QWidget* PrintTab::buildPagesTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabimppage"));
    new QFormLayout(page);
    addIntegerField(page, "enbpageaimprimer", "labnbpageaimprimer", 195);
    return page;
}

QWidget* PrintTab::buildLabelsTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabimpetiquette"));
    new QFormLayout(page);
    addIntegerField(page, "enbetiquette", "labnbetiquetteaimprimer", 20);
    addIntegerField(page, "enuetidebut", "labnuetiquettedeppermierepage", 21);
    return page;
}

QWidget* PrintTab::buildDatabaseTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tabbase"));
    auto* form = new QFormLayout(page);
    addIntegerField(page, "enuetidebutbase", "labbdnupremiereetiquettepage", 21);
    pageBreakPerRecord_ = new QCheckBox(text_(257), page);
    pageBreakPerRecord_->setObjectName(QStringLiteral("chsautpageenreg"));
    form->addRow(pageBreakPerRecord_);
    struct BreakList { const char* list; const char* label; int text; QComboBox** member; };
    const BreakList lists[] = {
        {"cbrupturepagechamp", "labrupturepagechamps", 261, &pageBreakField_},
        {"cbrupturelignechamps", "labrupturelignechamps", 262, &rowBreakField_},
    };
    for (const BreakList& entry : lists) {
        auto* label = new QLabel(text_(entry.text), page);
        label->setObjectName(QString::fromLatin1(entry.label));
        *entry.member = FieldNumberList(entry.list);
        form->addRow(label, *entry.member);
    }
    labelCount_ = new QLabel(page);
    labelCount_->setObjectName(QStringLiteral("labnbetiaimprimer"));
    form->addRow(labelCount_);
    return page;
}

void PrintTab::buildBarcodeQualityGroup()
{
    barcodeGroup_ = new QGroupBox(text_(249));
    barcodeGroup_->setObjectName(QStringLiteral("gqualitecodebarre"));
    auto* row = new QHBoxLayout(barcodeGroup_);
    barcodeNormal_ = new QRadioButton(text_(250), barcodeGroup_);
    barcodeNormal_->setObjectName(QStringLiteral("racbnormale"));
    barcodeFine_ = new QRadioButton(text_(251), barcodeGroup_);
    barcodeFine_->setObjectName(QStringLiteral("racbfin"));
    barcodeNormal_->setChecked(true);
    row->addWidget(barcodeNormal_);
    row->addWidget(barcodeFine_);
    row->addStretch(1);
}

QLineEdit* PrintTab::field(const char* objectName) const
{
    return findChild<QLineEdit*>(QString::fromLatin1(objectName));
}

int PrintTab::tabIndex(sheet::PrintTab tab) const
{
    static constexpr const char* pages[] = {"tabimppage", "tabimpetiquette", "tabbase"};
    return modes_->indexOf(modes_->findChild<QWidget*>(QString::fromLatin1(pages[int(tab)])));
}

sheet::PrintTab PrintTab::activeTab() const
{
    for (sheet::PrintTab tab : {sheet::PrintTab::Pages, sheet::PrintTab::Labels, sheet::PrintTab::Database}) {
        if (modes_->currentIndex() == tabIndex(tab))
            return tab;
    }
    return sheet::PrintTab::Database;
}

void PrintTab::setActiveTab(sheet::PrintTab tab)
{
    modes_->setCurrentIndex(tabIndex(tab));
}

bool PrintTab::tabShown(sheet::PrintTab tab) const
{
    return modes_->isTabVisible(tabIndex(tab));
}

int PrintTab::qualityLevel() const
{
    return print::QualityLevel(quality_[3]->isChecked(), quality_[2]->isChecked(), quality_[1]->isChecked());
}

bool PrintTab::normalBarcodeQuality() const
{
    return !barcodeFine_->isChecked();
}

void PrintTab::setNormalBarcodeQuality(bool normal)
{
    (normal ? barcodeNormal_ : barcodeFine_)->setChecked(true);
}

// ---------------------------------------------------------------------------------------------
// Commands

int PrintTab::fieldInteger(const char* objectName) const
{
    return ClampToInt(ParseInteger(field(objectName)->text()).value_or(0));
}

bool PrintTab::CheckStartLabel()
{
    const sheet::PrintTab tab = activeTab();
    const QLineEdit* start = tab == sheet::PrintTab::Labels ? field("enuetidebut") : field("enuetidebutbase");
    const int perPage = labelsPerPage ? labelsPerPage() : 1;
    if (sheet::CheckStartLabel(tab, start->text().toStdString(), perPage))
        return true;
    showWarning(text_(83), text_(82) + QLatin1Char('\n') + text_(84));
    return false;
}

std::optional<print::PrintCommandInput> PrintTab::readCommandInput()
{
    print::PrintCommandInput input;
    input.activeTab = activeTab();
    // Only the fields of the active tab are read, each as a whole integer.
    auto read = [this](const char* name) -> std::optional<std::int64_t> {
        const QString text = field(name)->text();
        const auto value = ParseInteger(text);
        if (!value)
            showWarning(QStringLiteral("Erreur"), QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
        return value;
    };
    switch (input.activeTab) {
    case sheet::PrintTab::Pages: {
        const auto sheets = read("enbpageaimprimer");
        if (!sheets)
            return std::nullopt;
        input.sheets = ClampToInt(*sheets);
        break;
    }
    case sheet::PrintTab::Labels: {
        const auto labels = read("enbetiquette");
        const auto start = labels ? read("enuetidebut") : std::nullopt;
        if (!start)
            return std::nullopt;
        input.labels = *labels;
        input.labelStart = ClampToInt(*start);
        break;
    }
    case sheet::PrintTab::Database: {
        const auto start = read("enuetidebutbase");
        if (!start)
            return std::nullopt;
        input.database.start = ClampToInt(*start);
        input.database.breaks.pageBreakPerRecord = pageBreakPerRecord_->isChecked();
        input.database.breaks.pageBreakField = pageBreakField_->currentText().toInt();
        input.database.breaks.rowBreakField = rowBreakField_->currentText().toInt();
        break;
    }
    }
    return input;
}

std::optional<print::RunSetup> PrintTab::runSetup()
{
    document::TdtpDocument* label = labelDocument ? labelDocument() : nullptr;
    if (!label || !label->CurrentPage())
        return std::nullopt;
    print::RunSetup setup;
    setup.labelPage = label->CurrentPage();
    setup.layout = sheetLayout ? sheetLayout() : sheet::SheetLayout{};
    setup.calculator = calculator ? calculator() : &ownCalculator_;
    setup.hooks = hooks;
    setup.normalBarcodeQuality = normalBarcodeQuality();
    setup.qualityLevel = qualityLevel();
    return setup;
}

std::optional<print::RunResult> PrintTab::PrintCommand()
{
    if (running_ || !CheckStartLabel())
        return std::nullopt;
    const auto input = readCommandInput();
    auto setup = runSetup();
    if (!input || !setup)
        return std::nullopt;

    running_ = true;
    WaitCursor hourglass;
    print::RunResult result;
    try {
        const sheet::SheetLayout mm = sheet::InMillimetres(setup->layout);
        const auto sink = makeSink(printerName ? printerName() : QString(), forcePaper_->isChecked(),
                                   QSizeF(mm.pageWidth, mm.pageHeight));
        RunProgress progress(window(), showProgress);
        setup->progress = progress.callback();
        data::ArticleList* list = articleList ? articleList() : nullptr;
        std::optional<ArticleListCursor> records;
        if (list)
            records.emplace(*list);
        result = print::RunPrintCommand(*setup, *sink, records ? &*records : nullptr, *input);
    } catch (const std::exception& error) {
        // A failing run stops silently; sheets already sent stay printed.
        result.error = QString::fromUtf8(error.what());
    }
    running_ = false;
    return result;
}

std::optional<print::RunResult> PrintTab::PreviewCommand()
{
    auto setup = runSetup();
    if (running_ || !setup)
        return std::nullopt;
    running_ = true;
    print::RunResult result;
    {
        WaitCursor hourglass;
        document::TdtpDocument& preview = preview_->dtpPrintPreview();
        preview.SetPrintQuality(labelDocument()->PrintQuality());
        preview_->RemoveCopies();
        try {
            data::ArticleList* list = articleList ? articleList() : nullptr;
            if (activeTab() == sheet::PrintTab::Database && list) {
                ArticleListCursor records(*list);
                result = print::PreviewDatabase(*setup, records, 1, preview);
            } else {
                result = print::PreviewSheet(*setup, preview);
            }
        } catch (const std::exception& error) {
            result.error = QString::fromUtf8(error.what());
        }
        if (labelsPerPage)
            field("enbetiquette")->setText(QString::number(labelsPerPage()));
    }
    showPreview(*preview_);
    running_ = false;
    return result;
}

void PrintTab::Pactiveonglettypesourceimpression()
{
    try {
        document::TdtpDocument* label = labelDocument ? labelDocument() : nullptr;
        const document::TdtpPage* page = label ? label->CurrentPage() : nullptr;
        auto uses = [&](std::int32_t type) { return page && hooks.pageUsesSource && hooks.pageUsesSource(*page, type); };
        const bool fields = uses(2);
        const bool special = !fields && uses(3);
        // Show before hiding so the active tab only moves when its own tab goes.
        for (sheet::PrintTab tab : {sheet::PrintTab::Pages, sheet::PrintTab::Labels, sheet::PrintTab::Database}) {
            const bool shown = tab == sheet::PrintTab::Database ? fields
                : tab == sheet::PrintTab::Labels             ? !fields
                                                             : !fields && !special;
            if (shown)
                modes_->setTabVisible(tabIndex(tab), true);
        }
        if (fields) {
            setActiveTab(sheet::PrintTab::Database);
            modes_->setTabVisible(tabIndex(sheet::PrintTab::Pages), false);
            modes_->setTabVisible(tabIndex(sheet::PrintTab::Labels), false);
            std::int64_t count = 0;
            if (data::ArticleList* list = articleList ? articleList() : nullptr) {
                // Counting walks the list; its current row is put back.
                ArticleListCursor records(*list);
                const int position = records.Position();
                count = print::DatabaseLabelCount(records);
                records.Restore(position);
            }
            labelCount_->setText(text_(231) + QLatin1Char(' ') + QString::number(count));
        } else {
            if (activeTab() == sheet::PrintTab::Database || (special && activeTab() == sheet::PrintTab::Pages))
                setActiveTab(sheet::PrintTab::Labels);
            modes_->setTabVisible(tabIndex(sheet::PrintTab::Database), false);
            if (special)
                modes_->setTabVisible(tabIndex(sheet::PrintTab::Pages), false);
        }
    } catch (const std::exception&) {
        showWarning(QStringLiteral("Erreur "), QStringLiteral("Erreur dans Pactiveonglettypesourceimpression"));
    }
}

} // namespace tessaly::app
