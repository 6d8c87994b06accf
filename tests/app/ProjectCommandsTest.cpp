#include "app/ProjectCommands.h"
#include "app/TempFolder.h"
#include "LabelSheetFixture.h"

#include <QDir>
#include <QRadioButton>
#include <gtest/gtest.h>

using tessaly::app::ProjectCommands;
using tessaly::sheet::Unit;

namespace {

// The window's project commands in a temporary program folder, with dialogs answered by the test.
struct ProjectSession {
    ProjectSession() : commands(folder.path(), sheet.fields, [](int n) { return QString::fromStdString(tessaly::lang::UIText(n)); })
    {
        QDir(folder.path()).mkdir("doc");
        commands.chooseOpenFile = [this](const QString&, const QString& start) { dialogFolders << start; return fileToChoose; };
        commands.chooseSaveFile = commands.chooseOpenFile;
        commands.askYesNo = [this](const QString&, const QString& text) { questions << text; return answer; };
        commands.showError = [this](const QString& text) { errors << text; };
        commands.fineBarcodeQuality = [this] { return fine; };
        commands.setFineBarcodeQuality = [this](bool value) { fine = value; };
    }

    // A label of its own size with one shape, to tell labels apart.
    void drawLabel(float width, float height)
    {
        sheet.document.NewDocument();
        sheet.document.CurrentPage()->SetPageSize(width, height);
        auto shape = std::make_unique<tessaly::document::TdtpShape>();
        shape->SetBounds(1, 2, 3, 4);
        sheet.document.AddShape(std::move(shape));
    }

    TempFolder folder;
    LabelSheet sheet;
    ProjectCommands commands;
    QString fileToChoose;
    QStringList dialogFolders, questions, errors;
    bool answer = true;
    bool fine = false;
};

} // namespace

TEST(ProjectCommands, SaveThenOpenRestoresLabelAndLayout)
{
    ProjectSession session;
    session.sheet.choose(1);
    session.sheet.fields.setVerticalOrientation(true);
    session.drawLabel(63.5, 72);
    session.fine = true;
    const int sizeIndex = session.sheet.fields.sizeListIndex();
    session.fileToChoose = session.folder.file("doc/label");   // the extension is added
    session.commands.SaveProject();
    const QString saved = session.folder.file("doc/label.tly");
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(session.commands.currentProjectFile(), saved);
    EXPECT_EQ(session.dialogFolders, QStringList{session.folder.file("doc")});

    session.commands.NewProject();
    session.sheet.choose(0);
    session.sheet.fields.setVerticalOrientation(false);
    session.fine = false;
    EXPECT_TRUE(session.commands.currentProjectFile().isEmpty());
    EXPECT_EQ(session.sheet.document.ShapeCount(), 0);

    session.fileToChoose = saved;
    for (int time = 0; time < 2; ++time) {   // opening twice gives the same result
        session.commands.OpenProjectDialog();
        EXPECT_EQ(session.sheet.pageSize(), QSizeF(63.5, 72));
        EXPECT_EQ(session.sheet.document.ShapeCount(), 1);
        EXPECT_EQ(session.sheet.texts(), QStringList({"63.50", "72.00", "210.00", "297.00", "7.00", "4.50", "0.00", "0.00"}));
        EXPECT_EQ(session.sheet.fields.sizeListIndex(), sizeIndex);
        EXPECT_TRUE(session.sheet.fields.verticalOrientation());
        EXPECT_TRUE(session.fine);
        EXPECT_EQ(session.commands.currentProjectFile(), saved);
    }
    EXPECT_TRUE(session.errors.isEmpty());
    EXPECT_TRUE(QFile::exists(session.folder.file("tempsv/sv1.tp")));
}

TEST(ProjectCommands, InchProjectReopensUnconvertedWithItsStoredPage)
{
    ProjectSession session;
    session.sheet.fields.ChangeUnit(Unit::Inch);
    session.sheet.choose(1);
    session.drawLabel(100, 50);   // the page stored in "sv1.tp" differs from the fields
    const QString saved = session.folder.file("inch.tly");
    ASSERT_TRUE(session.commands.SaveProjectTo(saved));

    session.sheet.fields.unitGroup()->findChild<QRadioButton*>("raunitmm")->click();
    session.sheet.choose(0);
    Unit ruler = Unit::Millimetre;
    session.sheet.fields.setLabelRulerUnits = [&](Unit unit) { ruler = unit; };

    ASSERT_TRUE(session.commands.OpenProject(saved));
    EXPECT_TRUE(session.sheet.fields.unitGroup()->findChild<QRadioButton*>("raunitinch")->isChecked());
    EXPECT_EQ(ruler, Unit::Inch);
    EXPECT_EQ(session.sheet.texts(), QStringList({"2.50", "2.83", "8.27", "11.69", "0.28", "0.18", "0.00", "0.00"}));
    EXPECT_EQ(session.sheet.pageSize(), QSizeF(100, 50));
    EXPECT_TRUE(session.sheet.fields.ready());
}

TEST(ProjectCommands, DamagedProjectKeepsTheCurrentLabel)
{
    ProjectSession session;
    session.drawLabel(40, 30);
    ASSERT_TRUE(session.commands.SaveProjectTo(session.folder.file("good.tly")));
    const QByteArray good = session.folder.read("good.tly");
    session.folder.write("garbage.tly", "this is not a project archive");
    session.folder.write("cut.tly", good.left(good.size() / 2));

    session.sheet.choose(1);
    session.drawLabel(20, 10);
    for (const char* name : {"garbage.tly", "cut.tly"}) {
        session.errors.clear();
        session.commands.OpenProject(session.folder.file(name));
        EXPECT_EQ(session.errors.size(), 1) << name;
        EXPECT_EQ(session.sheet.pageSize(), QSizeF(20, 10)) << name;
        EXPECT_EQ(session.sheet.document.ShapeCount(), 1) << name;
        EXPECT_EQ(session.sheet.fields.lengthField(0)->text(), "63.50") << name;
    }
    EXPECT_FALSE(session.commands.OpenProject(session.folder.file("garbage.tly")));
    session.errors.clear();
    EXPECT_FALSE(session.commands.OpenProject(session.folder.file("missing.tly")));
    EXPECT_TRUE(session.errors.isEmpty());
}

TEST(ProjectCommands, SavingOverAnExistingFileAsksFirst)
{
    ProjectSession session;
    session.folder.write("doc/old.tly", "previous project");
    session.fileToChoose = session.folder.file("doc/old.tly");
    session.answer = false;
    session.commands.SaveProject();
    ASSERT_EQ(session.questions.size(), 1);
    EXPECT_EQ(session.folder.read("doc/old.tly"), "previous project");
    EXPECT_TRUE(session.commands.currentProjectFile().isEmpty());

    session.answer = true;
    session.commands.SaveProject();
    EXPECT_NE(session.folder.read("doc/old.tly"), "previous project");
    EXPECT_EQ(session.commands.currentProjectFile(), session.fileToChoose);
}

TEST(ProjectCommands, FailedSaveKeepsThePreviousProject)
{
    ProjectSession session;
    session.folder.write("old.tly", "previous project");
    session.folder.write("tempsv", "a file where the scratch folder should be");
    EXPECT_FALSE(session.commands.SaveProjectTo(session.folder.file("old.tly")));
    EXPECT_EQ(session.errors.size(), 1);
    EXPECT_EQ(session.folder.read("old.tly"), "previous project");
    EXPECT_TRUE(session.commands.currentProjectFile().isEmpty());
}

TEST(ProjectCommands, NewAsksAndKeepsTheLayout)
{
    ProjectSession session;
    session.sheet.choose(1);
    session.drawLabel(20, 10);
    session.answer = false;
    session.commands.NewProject();
    EXPECT_EQ(session.sheet.document.ShapeCount(), 1);
    session.answer = true;
    session.commands.NewProject();
    EXPECT_EQ(session.sheet.document.ShapeCount(), 0);
    EXPECT_EQ(session.sheet.pageSize(), QSizeF(63.5, 72));
    EXPECT_EQ(session.sheet.document.DefaultMarginLeft(), 0);
    EXPECT_EQ(session.sheet.fields.lengthField(0)->text(), "63.50");
}

TEST(ProjectCommands, DefaultLabelPriority)
{
    struct Case {
        bool editable;   // "deflab.tly" present
        bool locked;     // "deflabb.tly" present
        QSizeF opened;
        bool lock;
    };
    const Case cases[] = {
        {false, false, {210, 297}, false},
        {true, false, {30, 20}, false},
        {false, true, {40, 25}, true},
        {true, true, {40, 25}, true},
    };
    for (const Case& c : cases) {
        ProjectSession session;
        session.drawLabel(30, 20);
        if (c.editable) {
            ASSERT_TRUE(session.commands.SaveProjectTo(session.folder.file("deflab.tly")));
        }
        session.drawLabel(40, 25);
        if (c.locked) {
            ASSERT_TRUE(session.commands.SaveProjectTo(session.folder.file("deflabb.tly")));
        }
        session.commands.ResetLabelDocument();
        EXPECT_EQ(tessaly::app::OpenDefaultLabel(session.commands), c.lock);
        EXPECT_EQ(session.sheet.pageSize(), c.opened);
    }
}
