// The criteria dialog and the CSV import dialog driven through their controls.
#include "TempFolder.h"

#include "app/DatabasePage.h"
#include "app/Tfcriterebase.h"
#include "app/Tfimportcsv.h"
#include "data/ArticleBase.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

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

QString Column(DatabasePage& page, int column)
{
    QStringList values;
    auto* model = page.model();
    for (int row = 0; row < model->rowCount(); ++row)
        values << model->data(model->index(row, column), Qt::DisplayRole).toString();
    return values.join(",");
}

TEST(DatabasePage, ListFollowsTheControls)
{
    TempFolder dir;
    data::ArticleBase base(dir.folder());
    std::vector<data::ArticleRecord> records;
    for (const auto& [num, f1, topp] : std::vector<std::tuple<int, const char*, const char*>>{
             {1, "pear", "O"}, {2, "apple", "N"}, {3, "apricot", "O"}, {4, "fig", "Z"}}) {
        data::ArticleRecord r;
        r.num = num;
        r.f[0] = f1;
        r.topp = topp;
        r.quantite = num;
        records.push_back(r);
    }
    base.appendArticles(records);
    DatabasePage page(base, Text);
    QStringList messages;
    page.showMessage = [&](const QString&, const QString& text) { messages << text; };

    ASSERT_TRUE(page.prequetebase());
    EXPECT_EQ(Child<QLabel>(page, "labnbenreg")->text(), "T230 : 4");
    EXPECT_EQ(Column(page, 0), "1,2,3,4");
    EXPECT_EQ(Column(page, 17), "X, ,X,Z") << "flags shown as X, blank, or as stored";
    EXPECT_TRUE(page.grid()->isColumnHidden(0));
    EXPECT_FALSE(page.grid()->isColumnHidden(3));
    EXPECT_TRUE(page.grid()->isColumnHidden(4));
    EXPECT_EQ(page.columnWidth(14), 60);

    Child<QRadioButton>(page, "Ratop")->click();
    EXPECT_EQ(Column(page, 0), "1,3");
    Child<QRadioButton>(page, "Ratoutes")->click();

    page.grid()->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(Column(page, 1), "apple,apricot,fig,pear");
    page.grid()->horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(Column(page, 1), "pear,fig,apricot,apple");

    Child<QTabWidget>(page, "pagecontroltyperecherche")->setCurrentIndex(1);
    Child<QLineEdit>(page, "ezonevalrecherche")->setText("ap");
    Child<QPushButton>(page, "sprecherche")->click();
    EXPECT_EQ(Column(page, 1), "apricot,apple");
    EXPECT_EQ(page.derniererecherche(), 2);
    EXPECT_EQ(Child<QLabel>(page, "labnbenreg")->text(), "T230 : 2");

    // The quantity is edited in place and reaches the table; a value the field cannot hold
    // is refused with the engine's message.
    EXPECT_TRUE(page.model()->setData(page.model()->index(0, 16), "9", Qt::EditRole));
    EXPECT_EQ(base.findArticle(3)->quantite, 9);
    EXPECT_FALSE(page.model()->setData(page.model()->index(0, 16), "1000", Qt::EditRole));
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(base.findArticle(3)->quantite, 9);
    EXPECT_FALSE(page.model()->flags(page.model()->index(0, 1)) & Qt::ItemIsEditable);

    Child<QTabWidget>(page, "pagecontroltyperecherche")->setCurrentIndex(0);
    page.tabcritere() = {{"99", "=", "x", "AND"}};
    EXPECT_FALSE(page.prequetebase());
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(page.model()->rowCount(), 2) << "a rejected restriction keeps the list";

    Child<QCheckBox>(page, "chf4")->click();
    EXPECT_FALSE(page.grid()->isColumnHidden(4));
}

} // namespace
} // namespace tessaly::app
