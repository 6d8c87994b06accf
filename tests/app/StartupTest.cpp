#include "app/MainWindow.h"
#include "app/ProjectCommands.h"
#include "document/core/Document.h"
#include "document/core/Page.h"
#include "data/ArticleBase.h"
#include "app/PrintTab.h"
#include "print/SheetSinks.h"
#include <QCoreApplication>
#include "app/TempFolder.h"

#include <QComboBox>
#include <QToolButton>
#include <gtest/gtest.h>

using tessaly::app::TForm1;

namespace {

// Runs the window through start-up and closing in the given program folder.
struct Session {
    explicit Session(const TempFolder& folder) : window(folder.path())
    {
        window.showWarning = [this](const QString& caption, const QString& text) { warnings << caption + ": " + text; };
        window.RunStartup();
    }
    TForm1 window;
    QStringList warnings;
};

} // namespace

TEST(Startup, WithoutFilesClosingWritesFrenchParameterFile)
{
    TempFolder folder;
    {
        Session session(folder);
        EXPECT_TRUE(session.window.designEnabled());
        EXPECT_EQ(session.window.windowTitle(), "Tessaly");
        session.window.close();
        EXPECT_TRUE(session.warnings.isEmpty());
    }
    const QByteArray bytes = folder.read("TESSALY.PAR");
    ASSERT_EQ(bytes.size(), 236);
    EXPECT_EQ(bytes.left(8), QByteArray("\x03TLY\x01\x00\x00\x00", 8));
}

TEST(Startup, LanguageIsWrittenBackUnchanged)
{
    TempFolder folder;
    QByteArray record(236, '\0');
    record[4] = 2;
    record[230] = 0x5A;
    folder.write("TESSALY.PAR", record);
    {
        Session session(folder);
        EXPECT_EQ(session.window.parameters().language(), 2);
        session.window.close();
    }
    const QByteArray bytes = folder.read("TESSALY.PAR");
    ASSERT_EQ(bytes.size(), 236);
    EXPECT_EQ(bytes[4], 2);
    EXPECT_EQ(bytes[230], 0x5A);
}

TEST(Startup, UnknownStoredPrinterLeavesNoSelection)
{
    TempFolder folder;
    QByteArray record(236, '\0');
    record[4] = 1;
    record[8] = 7;
    record.replace(9, 7, "nowhere");
    folder.write("TESSALY.PAR", record);
    Session session(folder);
    auto* printers = session.window.findChild<QComboBox*>("CombImprimante");
    ASSERT_NE(printers, nullptr);
    EXPECT_EQ(printers->currentIndex(), -1);
}

TEST(Startup, MarkerFileLocksTheDesign)
{
    TempFolder folder;
    folder.write("tessalypb.syp", QByteArray());
    Session session(folder);
    EXPECT_FALSE(session.window.designEnabled());
    EXPECT_FALSE(session.window.findChild<QToolButton*>("spsauve")->isEnabled());
}

TEST(Startup, GarbageFilesNeverStopStartUp)
{
    TempFolder folder;
    folder.write("TESSALY.PAR", QByteArray("\xff\xfe", 2));
    folder.write("tessaly.lg", QByteArray("\x00\x01;;\r\n\xff", 7));
    Session session(folder);
    EXPECT_EQ(session.window.windowTitle(), "Tessaly");
    EXPECT_FALSE(QFile::exists(folder.file("TESSALY.PAR")));
}

TEST(Startup, UnwritableFolderWarnsAndStillCloses)
{
    TForm1 window(QStringLiteral("/nonexistent-tessaly-folder/"));
    QStringList warnings;
    window.showWarning = [&](const QString& caption, const QString& text) { warnings << caption + ": " + text; };
    window.RunStartup();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(warnings, QStringList{"Fichier non sauvegardé !!: Il y a eu un problème"});
}

TEST(Startup, CommandButtonsCarryTheirNames)
{
    TempFolder folder;
    Session session(folder);
    for (const char* name : {"spcharge", "spsauve", "spbuttonnouveau", "sbinfos", "spaide", "Squitter"})
        EXPECT_NE(session.window.findChild<QToolButton*>(name), nullptr) << name;
    for (const char* name : {"Tabparaetiquette", "TabParapage", "Tabparametres", "tabbasedonnees", "Tabexportation", "tabutilitaires"})
        EXPECT_NE(session.window.findChild<QWidget*>(name), nullptr) << name;
}

TEST(Startup, LanguageFileTextsAndFontReachTheControls)
{
    TempFolder folder;
    QByteArray file = "x;Deutsch\r\nx;Liberation Serif\r\nx;0\r\n";
    for (int i = 4; i <= 10; ++i)
        file += "-\r\n";
    file += "Charger une sauvegarde;Laden\r\n";   // text 1: hint of spcharge
    for (int n = 2; n <= 3; ++n)
        file += "a;b\r\n";
    file += "Infos;Info\r\n";                      // text 4: caption of sbinfos
    folder.write("tessaly.lg", file);
    Session session(folder);
    auto* open = session.window.findChild<QToolButton*>("spcharge");
    EXPECT_EQ(open->toolTip(), "Laden");
    EXPECT_EQ(session.window.findChild<QToolButton*>("sbinfos")->text(), "Info");
    EXPECT_EQ(open->font().family(), "Liberation Serif");
}

TEST(Startup, EnglishColumnWithoutLanguageFile)
{
    TempFolder folder;
    QByteArray record(236, '\0');
    record[4] = 2;
    folder.write("TESSALY.PAR", record);
    Session session(folder);
    EXPECT_EQ(session.window.findChild<QToolButton*>("spaide")->text(), "Help");
    EXPECT_EQ(session.window.findChild<QToolButton*>("sbinfos")->text(), "Infos");
}

TEST(Startup, DefaultLabelOpensAndLocksOnlyFromTheLockedName)
{
    struct Case {
        const char* file;
        bool locked;
    };
    for (const Case& c : {Case{"deflab.tly", false}, Case{"deflabb.tly", true}}) {
        TempFolder folder;
        {
            Session maker(folder);
            maker.window.Fdocument().CurrentPage()->SetPageSize(42, 17);
            ASSERT_TRUE(maker.window.projects().SaveProjectTo(folder.file(c.file)));
        }
        QFile::remove(folder.file("TESSALY.PAR"));
        Session session(folder);
        EXPECT_EQ(session.window.designEnabled(), !c.locked) << c.file;
        EXPECT_EQ(session.window.Fdocument().ReadOnly(), c.locked) << c.file;
        EXPECT_FLOAT_EQ(session.window.Fdocument().PageWidth(), 42) << c.file;
    }
}

TEST(Startup, AutomationFileReplacesTheTableAndStays)
{
    TempFolder folder;
    folder.write("impdataauto.csv", "A1,B1,C1\r\nA2,B2,C2\r\n");
    folder.write("impdataautoprintquit.csv", "X,Y,Z\r\n");
    {
        Session first(folder);
        first.window.close();
    }
    Session session(folder);
    // The mode-1 file wins; the table holds exactly its records again after a second start.
    EXPECT_EQ(session.window.articleBase().list().rowCount(), 2u);
    EXPECT_TRUE(QFile::exists(folder.file("impdataauto.csv")));
}

namespace {

// Counts the sheets a run hands over instead of printing them.
struct CountingSink : tessaly::print::SheetSink {
    explicit CountingSink(int& sheets) : sheets(sheets) {}
    void PrintSheet(tessaly::document::TdtpDocument&, QSizeF) override { ++sheets; }
    int& sheets;
};

} // namespace

TEST(Startup, PrintQuitAutomationImportsPrintsAndCloses)
{
    TempFolder folder;
    folder.write("impdataautoprintquit.csv", "A1,B1\r\nA2,B2\r\nA3,B3\r\n");
    TForm1 window(folder.path());
    window.showWarning = [](const QString&, const QString&) {};
    int sheets = 0;
    QString printer = "unset";
    window.printTab()->showProgress = false;
    window.printTab()->makeSink = [&](const QString& name, bool, QSizeF) {
        printer = name;
        return std::make_unique<CountingSink>(sheets);
    };
    window.RunStartup();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.articleBase().list().rowCount(), 3u);
    EXPECT_EQ(sheets, 3) << "the default label fills a whole A4 sheet: one sheet per record copy";
    EXPECT_EQ(folder.read("TESSALY.PAR").size(), 236) << "closing wrote the parameter file";
    EXPECT_TRUE(QFile::exists(folder.file("impdataautoprintquit.csv")));
}
