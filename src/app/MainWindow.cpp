#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/DatabasePage.h"
#include "app/DesignTab.h"
#include "app/PrintTab.h"
#include "app/Tfapercupage.h"
#include "app/ProjectCommands.h"
#include "app/SheetFields.h"
#include "document/core/Document.h"
#include "document/shapes/TextFonts.h"
#include "app/Tfimportcsv.h"
#include "data/ArticleBase.h"
#include "data/csv/CsvImport.h"
#include "app/InterfaceFont.h"
#include "app/InterfaceTexts.h"
#include "app/KeyGeneratorTab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tessaly::app {

TForm1::TForm1(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), programFolder_(programFolder),
      base_(std::make_unique<data::ArticleBase>(programFolder.toStdString()))
{
    // Window creation. Floating-point exceptions are masked by default on this platform, so
    // divisions by zero in the geometry give infinities as the code expects.
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tessaly"));
    sheet_ = new SheetFields([this](int n) { return UIText(n); }, this);
    buildInterface();
    connectProjectCommands();
    connectPrintTab();
    about_ = new Tfapropos(this);
    importDialog_ = new Tfimportcsv(*base_, importSettings_, [this](int n) { return UIText(n); }, this);
    showWarning = [this](const QString& caption, const QString& text) { QMessageBox::warning(this, caption, text); };
    resize(1280, 800);
}

TForm1::~TForm1() = default;

// ---------------------------------------------------------------------------------------------
// Interface

void TForm1::buildInterface()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildCommandBar());

    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("pcprincipal"));
    struct TabInfo { const char* name; const char* caption; };
    static constexpr TabInfo tabInfos[] = {
        {"Tabparaetiquette", "Définition Etiquettes"},
        {"TabParapage", "Definition Page et Impression"},
        {"Tabparametres", "Parametres"},
        {"tabbasedonnees", "Base de données"},
        {"Tabexportation", "Exportation"},
        {"tabutilitaires", "Utilitaires"},
    };
    for (const TabInfo& info : tabInfos) {
        const std::string_view name(info.name);
        QWidget* page = name == "Tabparaetiquette" ? buildDesignTab()
            : name == "TabParapage"           ? buildPrintTab()
            : name == "Tabparametres"         ? buildParametersTab()
            : name == "tabutilitaires"        ? buildUtilitiesTab()
            : name == "tabbasedonnees"        ? buildDatabaseTab()
                                              : new QWidget;
        page->setObjectName(QString::fromLatin1(info.name));
        tabs_->addTab(page, QString::fromUtf8(info.caption));
    }
    layout->addWidget(tabs_, 1);
    setCentralWidget(central);
}

QToolButton* TForm1::commandButton(const char* objectName, const QString& text, const char* icon,
                                   QStyle::StandardPixmap fallback)
{
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(text);
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(icon), style()->standardIcon(fallback)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

QWidget* TForm1::buildCommandBar()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("panelcommandes"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    // Open, save and new are drawn by their icons; their meaning is in the hint.
    auto* open = commandButton("spcharge", QStringLiteral("Ouvrir"), "document-open", QStyle::SP_DialogOpenButton);
    auto* save = commandButton("spsauve", QStringLiteral("Enregistrer"), "document-save", QStyle::SP_DialogSaveButton);
    auto* create = commandButton("spbuttonnouveau", QStringLiteral("Nouveau"), "document-new", QStyle::SP_FileIcon);
    auto* info = commandButton("sbinfos", QStringLiteral("Infos"), "help-about", QStyle::SP_MessageBoxInformation);
    auto* help = commandButton("spaide", QStringLiteral("Aide"), "help-contents", QStyle::SP_DialogHelpButton);
    auto* quit = commandButton("Squitter", QStringLiteral("Quitter"), "application-exit", QStyle::SP_DialogCloseButton);
    open->setShortcut(QKeySequence::Open);
    save->setShortcut(QKeySequence::Save);
    create->setShortcut(QKeySequence::New);
    help->setShortcut(QKeySequence::HelpContents);
    quit->setShortcut(QKeySequence::Quit);
    for (QToolButton* button : {create, open, save})
        row->addWidget(button);
    row->addStretch(1);
    for (QToolButton* button : {info, help, quit})
        row->addWidget(button);
    connect(info, &QToolButton::clicked, this, &TForm1::sbinfosClick);
    connect(help, &QToolButton::clicked, this, &TForm1::spaideClick);
    connect(quit, &QToolButton::clicked, this, &TForm1::SquitterClick);
    return bar;
}

QWidget* TForm1::buildPrintTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* printerGroup = new QGroupBox(QStringLiteral("Imprimante"), page);
    printerGroup->setObjectName(QStringLiteral("Gimprimante"));
    auto* printerRow = new QHBoxLayout(printerGroup);
    printerList_ = new QComboBox(printerGroup);
    printerList_->setObjectName(QStringLiteral("CombImprimante"));
    printerList_->setMinimumContentsLength(30);
    printerRow->addWidget(printerList_, 1);
    layout->addWidget(printerGroup);
    layout->addWidget(sheet_->pageGroup());
    printTab_ = new PrintTab([this](int n) { return UIText(n); }, page);
    layout->addWidget(printTab_);
    layout->addStretch(1);
    return page;
}

QWidget* TForm1::buildUtilitiesTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* utilities = new QTabWidget(page);
    utilities->setObjectName(QStringLiteral("pcutilitaires"));
    auto* keys = new KeyGeneratorTab([this](int n) { return UIText(n); }, utilities);
    keys->setObjectName(QStringLiteral("tabgenerateurcle"));
    utilities->addTab(keys, QStringLiteral("Generateur clé"));
    layout->addWidget(utilities);
    return page;
}

QWidget* TForm1::buildDesignTab()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    designTab_ = new DesignTab([this](int n) { return UIText(n); }, page);
    auto* side = new QVBoxLayout;
    side->addWidget(sheet_->formatGroup());
    side->addStretch(1);
    layout->addLayout(side);
    layout->addWidget(designTab_, 1);
    return page;
}

QWidget* TForm1::buildParametersTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(sheet_->unitGroup());
    layout->addWidget(printTab_->barcodeQualityGroup());
    layout->addStretch(1);
    return page;
}

document::TdtpDocument& TForm1::Fdocument()
{
    return designTab_->Fdocument()->Document();
}

void TForm1::connectProjectCommands()
{
    sheet_->setLabelDocument(&Fdocument());
    sheet_->zoomToPage = [this] { designTab_->Fdocument()->ZoomToPage(); };
    sheet_->setLabelRulerUnits = [this](sheet::Unit unit) {
        designTab_->Fdocument()->SetRulerUnits(unit == sheet::Unit::Inch ? view::TRulerUnit::ruInch : view::TRulerUnit::ruMilli);
    };
    projects_ = std::make_unique<ProjectCommands>(programFolder_, *sheet_, [this](int n) { return UIText(n); });
    projects_->dialogParent = this;
    auto connectButton = [this](const char* name, void (ProjectCommands::*command)()) {
        if (auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name)))
            connect(button, &QAbstractButton::clicked, this, [this, command] { ((*projects_).*command)(); });
    };
    connectButton("spbuttonnouveau", &ProjectCommands::NewProject);
    connectButton("spcharge", &ProjectCommands::OpenProjectDialog);
    connectButton("spsauve", &ProjectCommands::SaveProject);
}

void TForm1::connectPrintTab()
{
    printTab_->labelDocument = [this] { return &Fdocument(); };
    printTab_->sheetLayout = [this] { return sheet_->layout(); };
    printTab_->labelsPerPage = [this] { return sheet_->LabelsPerPage(); };
    printTab_->articleList = [this] { return &base_->list(); };
    printTab_->printerName = [this] { return printerList_->currentText(); };
    printTab_->showWarning = [this](const QString& caption, const QString& text) { showWarning(caption, text); };
    projects_->updatePrintModeTabs = [this] { printTab_->Pactiveonglettypesourceimpression(); };
    projects_->clearPreview = [this] { printTab_->previewWindow()->RemoveCopies(); };
    projects_->fineBarcodeQuality = [this] { return !printTab_->normalBarcodeQuality(); };
    projects_->setFineBarcodeQuality = [this](bool fine) { printTab_->setNormalBarcodeQuality(!fine); };
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (tabs_->widget(index)->objectName() == QLatin1String("TabParapage"))
            printTab_->Pactiveonglettypesourceimpression();
    });
}

QWidget* TForm1::buildDatabaseTab()
{
    databasePage_ = new DatabasePage(*base_, [this](int n) { return UIText(n); });
    if (auto* import = databasePage_->findChild<QAbstractButton*>(QStringLiteral("bimport")))
        connect(import, &QAbstractButton::clicked, this, &TForm1::bimportClick);
    // Backups, emptying the table and record editing are not built yet: their buttons stay
    // out of sight rather than doing nothing.
    for (const char* name : {"Spchargebase", "spsauvebase", "gvidebase", "sAjout", "smodif", "ssupprime"}) {
        if (auto* control = databasePage_->findChild<QWidget*>(QString::fromLatin1(name)))
            control->hide();
    }
    return databasePage_;
}

// ---------------------------------------------------------------------------------------------
// Start-up and shutdown

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (firstActivation_)
        QTimer::singleShot(0, this, &TForm1::RunStartup);
}

void TForm1::runSteps(const std::vector<Step>& steps)
{
    // Each step's failure is swallowed so that the remaining steps still run.
    for (const Step& step : steps) {
        try {
            step.run();
        } catch (const std::exception& error) {
            qWarning("Tessaly: step \"%s\" failed: %s", step.name, error.what());
        } catch (...) {
            qWarning("Tessaly: step \"%s\" failed", step.name);
        }
    }
}

std::vector<TForm1::Step> TForm1::startupSteps()
{
    // The first-activation sequence, in its fixed order. Steps of modules not built yet
    // are named where they belong.
    return {
        {"flags", [this] {
             busy_ = false;
             sheet_->setReady(true);
             sheet_->setPanelFlag(true);
             firstActivation_ = false;
         }},
        {"language", [this] { texts_.load(programFolder_); }},
        {"program fonts", [this] { document::RegisterFolderFonts(programFolder_); }},
        {"caption", [this] { setWindowTitle(QStringLiteral("Tessaly")); }},
        {"interface font", [this] { ApplyInterfaceFont(texts_.fontName(), texts_.charset(), {this, about_}); }},
        {"printer list", [this] { fillPrinterList(); }},
        // special-value type lists: with the value sources
        {"parameter file", [this] {
             if (ReadParameterFile())
                 applyStoredColumns();
         }},
        {"interface texts", [this] { ApplyInterfaceTexts(this, texts_); }},
        {"lists", [this] { fillPrinterList(); }},
        {"stored printer", [this] { selectStoredPrinter(); }},
        {"predefined label sizes", [this] { sheet_->BuildSizeList(); }},
        {"article table", [this] { openArticleTable(); }},
        // the DataMatrix command: with the design tab's tools
        {"label document", [this] {
             Fdocument().NewDocument();
             projects_->ResetLabelDocument();
         }},
        {"default label", [this] {
             if (OpenDefaultLabel(*projects_))
                 SetDesignEnabled(false);
         }},
        {"design lock", [this] { applyDesignMarker(); }},
        {"automation", [this] { runAutomation(); }},
    };
}

std::vector<TForm1::Step> TForm1::shutdownSteps()
{
    return {
        {"parameter file", [this] { WriteParameterFile(); }},
        {"import settings", [this] { data::WriteImportSettings(programFolder_.toStdString(), importSettings_); }},
        {"close table", [this] { base_->pfermebase(); }},
        {"pack table", [this] { base_->pcompactebase(); }},
    };
}

void TForm1::RunStartup()
{
    if (!firstActivation_)
        return;
    runSteps(startupSteps());
}

void TForm1::RunShutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    runSteps(shutdownSteps());
}

void TForm1::closeEvent(QCloseEvent* event)
{
    RunShutdown();
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Parameter file

bool TForm1::ReadParameterFile()
{
    const bool existed = tessaly::app::ReadParameterFile((programFolder_ + QStringLiteral("TESSALY.PAR")).toStdString(), parameters_);
    texts_.setLanguage(parameters_.language());
    return existed;
}

void TForm1::WriteParameterFile()
{
    try {
        gatherColumns();
    } catch (...) {
        showWarning(QStringLiteral("Erreur"), QStringLiteral("Erreur dans pmetdansparamgenevalgrille"));
    }
    const QByteArray printer = printerList_->currentText().toLatin1();
    parameters_.setPrinterName(std::string(printer.constData(), static_cast<std::size_t>(printer.size())));
    if (!tessaly::app::WriteParameterFile((programFolder_ + QStringLiteral("TESSALY.PAR")).toStdString(), parameters_)) {
        QApplication::beep();
        showWarning(QStringLiteral("Fichier non sauvegardé !!"), QStringLiteral("Il y a eu un problème"));
    }
}

void TForm1::applyStoredColumns()
{
    for (int n = 1; n <= ParameterRecord::ShownCount; ++n)
        databasePage_->setColumnShown(n, parameters_.columnShown(n));
    for (int n = 1; n <= ParameterRecord::ColumnCount; ++n) {
        if (parameters_.columnWidth(n) > 0)
            databasePage_->setColumnWidth(n, parameters_.columnWidth(n));
    }
    databasePage_->applyColumnVisibility();
}

void TForm1::gatherColumns()
{
    for (int n = 1; n <= ParameterRecord::ShownCount; ++n)
        parameters_.setColumnShown(n, databasePage_->columnShown(n));
    for (int n = 1; n <= ParameterRecord::ColumnCount; ++n)
        parameters_.setColumnWidth(n, databasePage_->columnWidth(n));
}

// ---------------------------------------------------------------------------------------------
// Article table and automation

void TForm1::openArticleTable()
{
    base_->pouvrebase();
    databasePage_->prequetebase();
    databasePage_->applyColumnVisibility();
    importSettings_ = data::ReadImportSettings(programFolder_.toStdString());
}

void TForm1::runAutomation()
{
    const auto automation = data::FindAutomationFile(programFolder_.toStdString());
    if (!automation)
        return;
    // The table is replaced by the file's records; the file itself stays in place.
    data::DeleteArticleTable(*base_, programFolder_.toStdString());
    base_->pouvrebase();
    importDialog_->runAutomatic(QString::fromStdString(automation->path));
    databasePage_->prequetebase();
    // Modes 2 and 3 print with the print-mode tab active now (the database tab after start-up);
    // mode 3 then closes the window, which runs the shutdown sequence.
    if (automation->mode >= 2)
        printTab_->PrintCommand();
    if (automation->mode == 3)
        QTimer::singleShot(0, this, &QWidget::close);
}

void TForm1::bimportClick()
{
    importDialog_->exec();
    databasePage_->prequetebase();
}

// ---------------------------------------------------------------------------------------------
// Printers, design lock

void TForm1::fillPrinterList()
{
    const QString current = printerList_->currentText();
    printerList_->clear();
    printerList_->addItems(QPrinterInfo::availablePrinterNames());
    printerList_->setCurrentIndex(printerList_->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TForm1::selectStoredPrinter()
{
    const QString name = QString::fromLatin1(parameters_.printerName());
    const int index = name.isEmpty() ? -1 : printerList_->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    printerList_->setCurrentIndex(index);
}

void TForm1::applyDesignMarker()
{
    if (QFile::exists(programFolder_ + QStringLiteral("tessalypb.syp")))
        SetDesignEnabled(false);
}

void TForm1::SetDesignEnabled(bool enabled)
{
    designEnabled_ = enabled;
    static constexpr const char* commands[] = {"spsauve", "spTexte", "SpLigne", "SpCadre", "Spimageetendu", "spcodebarre"};
    for (const char* name : commands) {
        if (auto* control = findChild<QWidget*>(QString::fromLatin1(name)))
            control->setEnabled(enabled);
    }
    auto* datamatrix = findChild<QWidget*>(QStringLiteral("spdatamatrix"));
    if (datamatrix && (datamatrix->isVisibleTo(this) || enabled))
        datamatrix->setEnabled(enabled);
    Fdocument().SetReadOnly(!enabled);
}

QString TForm1::UIText(int n) const
{
    return texts_.text(n);
}

// ---------------------------------------------------------------------------------------------
// Commands

void TForm1::spaideClick()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(programFolder_ + QStringLiteral("tessaly.chm")));
}

void TForm1::sbinfosClick()
{
    about_->exec();
}

void TForm1::SquitterClick()
{
    close();
}

} // namespace tessaly::app
