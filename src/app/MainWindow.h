// The main window TForm1: tabs, command buttons, start-up and shutdown sequences.
#pragma once

#include "app/InterfaceTexts.h"
#include "app/ParameterFile.h"

#include "data/csv/ImportSettings.h"

#include <QMainWindow>
#include <QStyle>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QTabWidget;
class QToolButton;

namespace tessaly::data {
class ArticleBase;
}
namespace tessaly::document {
class TdtpDocument;
}

namespace tessaly::app {

class DatabasePage;
class DesignTab;
class PrintTab;
class ProjectCommands;
class SheetFields;
class Tfapropos;
class Tfimportcsv;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `programFolder` ends with '/'; the application passes the executable's folder.
    explicit TForm1(const QString& programFolder, QWidget* parent = nullptr);
    ~TForm1() override;

    const QString& programFolder() const { return programFolder_; }
    ParameterRecord& parameters() { return parameters_; }

    // Runs the first-activation sequence once; later calls do nothing.
    void RunStartup();
    // The shutdown sequence; runs once, from closeEvent.
    void RunShutdown();

    void SetDesignEnabled(bool enabled);
    bool designEnabled() const { return designEnabled_; }

    // Reads "TESSALY.PAR" into the record (false when it is missing).
    bool ReadParameterFile();
    // Gathers the grid state and printer name and rewrites "TESSALY.PAR"; never throws.
    void WriteParameterFile();

    QString UIText(int n) const;

    data::ArticleBase& articleBase() { return *base_; }
    DatabasePage* databasePage() const { return databasePage_; }
    DesignTab* designTab() const { return designTab_; }
    SheetFields* sheetFields() const { return sheet_; }
    PrintTab* printTab() const { return printTab_; }
    ProjectCommands& projects() { return *projects_; }
    // The label document shown on the design tab.
    document::TdtpDocument& Fdocument();
    Tfimportcsv* importDialog() const { return importDialog_; }
    const data::ImportSettings& importSettings() const { return importSettings_; }

    // Shows a message box; tests replace it to read the message instead.
    std::function<void(const QString& caption, const QString& text)> showWarning;
    const InterfaceTexts& texts() const { return texts_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void spaideClick();
    void sbinfosClick();
    void SquitterClick();

private:
    struct Step {
        const char* name;
        std::function<void()> run;
    };
    std::vector<Step> startupSteps();
    std::vector<Step> shutdownSteps();
    void runSteps(const std::vector<Step>& steps);

    void buildInterface();
    QWidget* buildCommandBar();
    QWidget* buildPrintTab();
    QWidget* buildUtilitiesTab();
    QWidget* buildDatabaseTab();
    QWidget* buildDesignTab();
    QWidget* buildParametersTab();
    void connectProjectCommands();
    void connectPrintTab();
    QToolButton* commandButton(const char* objectName, const QString& text, const char* icon,
                               QStyle::StandardPixmap fallback);

    void fillPrinterList();
    void selectStoredPrinter();
    void applyDesignMarker();
    void applyStoredColumns();
    void gatherColumns();
    void openArticleTable();
    void runAutomation();
    void bimportClick();

    QString programFolder_;
    ParameterRecord parameters_;
    InterfaceTexts texts_;
    bool firstActivation_ = true;
    bool shutDown_ = false;
    bool busy_ = false;
    bool designEnabled_ = true;

    QTabWidget* tabs_ = nullptr;
    QComboBox* printerList_ = nullptr;
    Tfapropos* about_ = nullptr;
    std::unique_ptr<data::ArticleBase> base_;
    data::ImportSettings importSettings_;
    DatabasePage* databasePage_ = nullptr;
    Tfimportcsv* importDialog_ = nullptr;
    SheetFields* sheet_ = nullptr;
    DesignTab* designTab_ = nullptr;
    PrintTab* printTab_ = nullptr;
    std::unique_ptr<ProjectCommands> projects_;
};

} // namespace tessaly::app
