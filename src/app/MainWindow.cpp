#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/InterfaceFont.h"
#include "app/InterfaceTexts.h"
#include "app/KeyGeneratorTab.h"

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
    : QMainWindow(parent), programFolder_(programFolder)
{
    // Window creation. Floating-point exceptions are masked by default on this platform, so
    // divisions by zero in the geometry give infinities as the code expects.
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tessaly"));
    buildInterface();
    about_ = new Tfapropos(this);
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
        QWidget* page = name == "TabParapage" ? buildPrintTab()
            : name == "tabutilitaires"        ? buildUtilitiesTab()
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
             ready_ = true;
             panelReady_ = true;
             firstActivation_ = false;
         }},
        {"language", [this] { texts_.load(programFolder_); }},
        {"caption", [this] { setWindowTitle(QStringLiteral("Tessaly")); }},
        {"interface font", [this] { ApplyInterfaceFont(texts_.fontName(), texts_.charset(), {this, about_}); }},
        {"printer list", [this] { fillPrinterList(); }},
        // special-value type lists: with the value sources
        {"parameter file", [this] { ReadParameterFile(); }},
        {"interface texts", [this] { ApplyInterfaceTexts(this, texts_); }},
        {"lists", [this] { fillPrinterList(); }},
        {"stored printer", [this] { selectStoredPrinter(); }},
        // predefined label sizes; article table, list query and import settings;
        // the DataMatrix command; the default label: with their modules
        {"design lock", [this] { applyDesignMarker(); }},
        // automation files: with the CSV import and the print run
    };
}

std::vector<TForm1::Step> TForm1::shutdownSteps()
{
    return {
        {"parameter file", [this] { WriteParameterFile(); }},
        // import settings, queries, table close and pack: with the article table
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
    // Column states and widths belong to the article grid, which gathers them into the record
    // when it exists; the record keeps the values read at start-up otherwise.
    const QByteArray printer = printerList_->currentText().toLatin1();
    parameters_.setPrinterName(std::string(printer.constData(), static_cast<std::size_t>(printer.size())));
    if (!tessaly::app::WriteParameterFile((programFolder_ + QStringLiteral("TESSALY.PAR")).toStdString(), parameters_)) {
        QApplication::beep();
        showWarning(QStringLiteral("Fichier non sauvegardé !!"), QStringLiteral("Il y a eu un problème"));
    }
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
    // The label document becomes read-only here once the design surface exists.
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
