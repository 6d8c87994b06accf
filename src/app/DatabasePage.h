// The page "Base de données": the article grid over the list query, the criteria, simple
// search and flag filter, the column check boxes and the count label.
#pragma once

#include "data/Statements.h"

#include <QAbstractTableModel>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;
class QTableView;

namespace tessaly::data {
class ArticleBase;
}

namespace tessaly::app {

class Tfcriterebase;

// The grid's model over the list (xQuery1): 18 columns num, f1..f15, quantite, topp; the flag
// shows "X" for "O" and a blank for "N"; only quantite is editable, and an edit is written
// into the table (pmajquantite) when the row's num is not 0.
class ArticleTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ArticleTableModel(data::ArticleBase& base, QObject* parent = nullptr);

    // Around every change of the list's rows.
    void beginRefresh() { beginResetModel(); }
    void endRefresh() { endResetModel(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Reports a quantity the table refused (the message of the engine).
    std::function<void(const QString& message)> onError;

private:
    data::ArticleBase& base_;
};

// The text shown in the flag column for a stored flag.
QString FlagDisplayText(const QString& stored);

// Controls (objectName): gsauvechargebase (Spchargebase, spsauvebase, bimport), gbcritere with
// pagecontroltyperecherche (tabs Criteres: SpCritere; Simple: cbnumerochamprecherche,
// ezonevalrecherche, sprecherche), Gpcrittop (Ratop, ranontop, Ratoutes), gvidebase
// (spvidebase), the grid s, labnbenreg, gcolonnes (chf1..chf15), sAjout, smodif, ssupprime.
// The buttons of other features (backups, import, emptying, record editing) are only created
// here; the main window connects them.
class DatabasePage : public QWidget {
    Q_OBJECT
public:
    DatabasePage(data::ArticleBase& base, std::function<QString(int)> text, QWidget* parent = nullptr);

    // The restriction W and the order O from the controls as they are now.
    std::string fconstruitcritere() const;
    std::string fconstruittri() const { return sort_.order(); }
    // Rebuilds the list; a statement the engine rejects is reported in a message box and the
    // list keeps its rows. Returns false then.
    bool prequetebase();
    // Shows the criteria dialog and refreshes the list when it asks for it.
    void openCriteria();
    // The simple search: refresh with the search restriction.
    void search();

    std::vector<data::Criterion>& tabcritere() { return criteria_; }
    int derniererecherche() const { return lastSearch_; }
    data::SortState& sortState() { return sort_; }

    // Column states kept in the parameter file: n = 1..15 for the check boxes, 1..17 widths.
    bool columnShown(int n) const;
    void setColumnShown(int n, bool shown);
    void applyColumnVisibility();
    int columnWidth(int n) const;
    // A width of 0 or less leaves the column as it is.
    void setColumnWidth(int n, int width);

    QTableView* grid() const { return grid_; }
    ArticleTableModel* model() const { return model_; }

    // How messages are shown (caption, text); a message box by default.
    std::function<void(const QString& caption, const QString& text)> showMessage;

private:
    void build();
    void clickTitle(int column);

    data::ArticleBase& base_;
    std::function<QString(int)> text_;
    std::vector<data::Criterion> criteria_;
    data::SortState sort_;
    int lastSearch_ = 0;
    ArticleTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* count_ = nullptr;
    QTabWidget* searchTabs_ = nullptr;
    QComboBox* searchField_ = nullptr;
    QLineEdit* searchValue_ = nullptr;
    QRadioButton* flagged_ = nullptr;
    QRadioButton* notFlagged_ = nullptr;
    QRadioButton* all_ = nullptr;
    std::vector<QCheckBox*> columnBoxes_;
    // Widths of the columns 1 to 17 (index 0 unused), put back after every refresh; 0 keeps
    // the view's default.
    std::array<int, 18> widths_{0, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 90, 60, 50, 0, 0};
    Tfcriterebase* criteriaDialog_ = nullptr;
};

} // namespace tessaly::app
