// The criteria dialog and the CSV import dialog driven through their controls.
#include "TempFolder.h"

#include "app/Tfcriterebase.h"
#include "app/Tfimportcsv.h"
#include "data/ArticleBase.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessaly::app {
namespace {

using data::test::TempFolder;
using data::test::WriteFile;

QString Text(int n) { return "T" + QString::number(n); }

template <typename T>
T* Child(QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Shows the dialog modally, runs `steps` inside, then closes it with boutok.
void RunModal(QDialog& dialog, const std::function<void()>& steps)
{
    QTimer::singleShot(0, [&] {
        steps();
        dialog.findChild<QPushButton*>("boutok")->click();
    });
    dialog.exec();
}

TEST(Tfcriterebase, AddModifyDeleteAndWriteBack)
{
    Tfcriterebase dialog(Text);
    dialog.setCriteria({});
    RunModal(dialog, [&] {
        EXPECT_EQ(Child<QTableWidget>(dialog, "grillecritere")->rowCount(), 1);
        dialog.findChild<QPushButton*>("sAjout")->click();
        Child<QComboBox>(dialog, "CoChamp")->setCurrentText("2");
        Child<QComboBox>(dialog, "CoOperateur")->setCurrentText(">=");
        Child<QLineEdit>(dialog, "Evaleur")->setText("abc");
        Child<QComboBox>(dialog, "CoAndor")->setCurrentText("OR");
        dialog.findChild<QPushButton*>("spvalide")->click();
        dialog.add();
        Child<QLineEdit>(dialog, "Evaleur")->setText("second");
        dialog.validate();
    });
    EXPECT_EQ(dialog.result(), "OK");
    ASSERT_EQ(dialog.criteria().size(), 2u);
    EXPECT_EQ(dialog.criteria()[0].field, "2");
    EXPECT_EQ(dialog.criteria()[0].op, ">=");
    EXPECT_EQ(dialog.criteria()[0].value, "abc");
    EXPECT_EQ(dialog.criteria()[0].connector, "OR");
    EXPECT_EQ(dialog.criteria()[1].value, "second");

    RunModal(dialog, [&] {
        auto* grid = Child<QTableWidget>(dialog, "grillecritere");
        grid->setCurrentCell(1, 1);
        dialog.modify();
        EXPECT_EQ(Child<QLineEdit>(dialog, "Evaleur")->text(), "second");
        Child<QLineEdit>(dialog, "Evaleur")->setText("changed");
        dialog.validate();
        grid->setCurrentCell(0, 1);
        dialog.remove();
    });
    ASSERT_EQ(dialog.criteria().size(), 1u);
    EXPECT_EQ(dialog.criteria()[0].value, "changed");

    RunModal(dialog, [&] { dialog.remove(); });
    EXPECT_TRUE(dialog.criteria().empty()) << "deleting the only criterion leaves 0 criteria";
    EXPECT_EQ(Child<QTableWidget>(dialog, "grillecritere")->rowCount(), 1);

    RunModal(dialog, [] {});
    EXPECT_EQ(dialog.result(), "") << "closing without validating or deleting";
}

TEST(Tfimportcsv, NextNeedsAPathThenImportStoresTheSettings)
{
    TempFolder dir;
    data::ArticleBase base(dir.folder());
    data::ImportSettings settings; // not valid: the dialog's defaults
    Tfimportcsv dialog(base, settings, Text);
    QStringList messages;
    dialog.showMessage = [&](const QString& caption, const QString& text) { messages << caption + "/" + text; };
    WriteFile(dir.file("in.csv"), "title\na;1\nb;2\n");

    dialog.show();
    EXPECT_FALSE(dialog.next());
    EXPECT_EQ(messages, QStringList{"T219/T101"});
    EXPECT_FALSE(Child<QPushButton>(dialog, "bimport")->isVisibleTo(&dialog));
    EXPECT_EQ(Child<QComboBox>(dialog, "combcb2")->count(), 16);
    EXPECT_EQ(Child<QComboBox>(dialog, "combcb")->count(), 15);
    EXPECT_EQ(Child<QComboBox>(dialog, "combQuantite")->count(), 18);
    EXPECT_EQ(Child<QComboBox>(dialog, "combt1")->currentIndex(), 1) << "field 4 from column 2 by default";

    dialog.setPath(QString::fromStdString(dir.file("in.csv")));
    Child<QComboBox>(dialog, "combSepa")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "CombnbLentete")->setCurrentIndex(1);
    ASSERT_TRUE(dialog.next());
    EXPECT_EQ(Child<QTableWidget>(dialog, "sgrille1")->rowCount(), 3);
    EXPECT_EQ(Child<QTableWidget>(dialog, "sgrille1")->item(1, 2)->text(), "1");
    Child<QComboBox>(dialog, "combQuantite")->setCurrentIndex(1);
    const data::ImportResult result = dialog.importNow();
    EXPECT_EQ(result.imported, 2u);
    EXPECT_TRUE(settings.valid);
    EXPECT_EQ(settings.separatorIndex, 1);
    EXPECT_EQ(settings.headerLines, 1);
    EXPECT_EQ(settings.quantitySource, 1);
    EXPECT_EQ(settings.path, dir.file("in.csv"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(base.findArticle(2)->quantite, 2);
}

TEST(Tfimportcsv, AutomaticRunKeepsTheGivenPathAndShowsNoError)
{
    TempFolder dir;
    data::ArticleBase base(dir.folder());
    data::ImportSettings settings;
    settings.valid = true;
    settings.path = "/stored/elsewhere.csv";
    Tfimportcsv dialog(base, settings, Text);
    QStringList messages;
    dialog.showMessage = [&](const QString&, const QString& text) { messages << text; };
    WriteFile(dir.file("impdataauto.csv"), "x\ny\n");
    EXPECT_EQ(dialog.runAutomatic(QString::fromStdString(dir.file("impdataauto.csv"))).imported, 2u);
    EXPECT_FALSE(dialog.automaticRun());
    EXPECT_EQ(settings.path, dir.file("impdataauto.csv"));

    dialog.runAutomatic(QString::fromStdString(dir.file("missing.csv")));
    EXPECT_FALSE(dialog.lastResult().ok());
    EXPECT_TRUE(messages.isEmpty()) << "the automatic import shows no error";
}

} // namespace
} // namespace tessaly::app
