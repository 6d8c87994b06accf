#include "app/DatabasePage.h"

#include "app/Tfcriterebase.h"
#include "data/ArticleBase.h"
#include "data/dbf/DbfError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace tessaly::app {
namespace {

constexpr int kQuantityColumn = 16;
constexpr int kFlagColumn = 17;

// Background of the columns 1 to 17.
constexpr std::array<QRgb, 18> kColumnColours = {0, 0xFDE8A8, 0xF9D99D, 0xF5DA7A, 0xF5EA96, 0xEBD8BA, 0xF8EDB1,
    0xEBDF9E, 0xE6D286, 0xF8CF98, 0xF9DBBF, 0xF9E0BF, 0xF5E4A9, 0xFCDDBE, 0xF1C696, 0xFBE3B3, 0xF4E2A6, 0xEBE389};

QFont PixelFont(const QString& family)
{
    QFont font(family);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QRadioButton* Radio(const QString& name, const QString& caption, QWidget* parent)
{
    auto* r = new QRadioButton(caption, parent);
    r->setObjectName(name);
    return r;
}

// Enter in the search box runs the search.
class EnterFilter : public QObject {
public:
    EnterFilter(std::function<void()> action, QObject* parent) : QObject(parent), action_(std::move(action)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

} // namespace

QString FlagDisplayText(const QString& stored)
{
    if (stored == "O")
        return "X";
    if (stored == "N")
        return " ";
    return stored;
}

ArticleTableModel::ArticleTableModel(data::ArticleBase& base, QObject* parent) : QAbstractTableModel(parent), base_(base)
{
}

int ArticleTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(base_.list().rowCount());
}

int ArticleTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(base_.list().rows().columns().size());
}

QVariant ArticleTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const data::RowSet& rows = base_.list().rows();
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: {
        if (row >= rows.rowCount() || column >= rows.columns().size())
            return {};
        const std::string_view value = rows.value(row, column);
        const QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
        return index.column() == kFlagColumn && role == Qt::DisplayRole ? FlagDisplayText(text) : text;
    }
    case Qt::BackgroundRole:
        if (index.column() >= 1 && index.column() < static_cast<int>(kColumnColours.size()))
            return QColor(kColumnColours[static_cast<std::size_t>(index.column())]);
        return {};
    case Qt::FontRole:
        return PixelFont("Times New Roman");
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant ArticleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::FontRole)
        return PixelFont("MS Sans Serif");
    if (role != Qt::DisplayRole)
        return {};
    if (section >= 1 && section <= 15)
        return QString::number(section);
    const auto& columns = base_.list().rows().columns();
    return section >= 0 && section < static_cast<int>(columns.size())
        ? QString::fromStdString(columns[static_cast<std::size_t>(section)])
        : QVariant();
}

Qt::ItemFlags ArticleTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == kQuantityColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ArticleTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != kQuantityColumn)
        return false;
    bool whole = false;
    const qlonglong quantity = value.toString().trimmed().toLongLong(&whole);
    if (!whole)
        return false;
    try {
        base_.postQuantity(static_cast<std::size_t>(index.row()), quantity);
    } catch (const std::exception& e) {
        if (onError)
            onError(QString::fromUtf8(e.what()));
        return false;
    }
    emit dataChanged(index, index);
    return true;
}

DatabasePage::DatabasePage(data::ArticleBase& base, std::function<QString(int)> text, QWidget* parent)
    : QWidget(parent), base_(base), text_(std::move(text))
{
    setObjectName("DatabasePage");
    showMessage = [this](const QString& caption, const QString& message) {
        QMessageBox::warning(this, caption, message);
    };
    build();
}

void DatabasePage::build()
{
    auto* gsauve = new QGroupBox(this);
    gsauve->setObjectName("gsauvechargebase");
    auto* gsauveLayout = new QHBoxLayout(gsauve);
    for (auto* b : {Button("Spchargebase", QString(), gsauve), Button("spsauvebase", QString(), gsauve),
             Button("bimport", text_(209), gsauve)})
        gsauveLayout->addWidget(b);

    auto* gbcritere = new QGroupBox(text_(203), this);
    gbcritere->setObjectName("gbcritere");
    searchTabs_ = new QTabWidget(gbcritere);
    searchTabs_->setObjectName("pagecontroltyperecherche");
    auto* criteriaTab = new QWidget(searchTabs_);
    auto* spCritere = Button("SpCritere", text_(203), criteriaTab);
    (new QHBoxLayout(criteriaTab))->addWidget(spCritere);
    auto* simpleTab = new QWidget(searchTabs_);
    searchField_ = new QComboBox(simpleTab);
    searchField_->setObjectName("cbnumerochamprecherche");
    for (int n = 1; n <= 15; ++n)
        searchField_->addItem(QString::number(n));
    searchValue_ = new QLineEdit(simpleTab);
    searchValue_->setObjectName("ezonevalrecherche");
    auto* sprecherche = Button("sprecherche", QString(), simpleTab);
    sprecherche->setToolTip(QString::fromUtf8("Réafficher la liste des fiches par rapport au critere"));
    auto* simpleLayout = new QHBoxLayout(simpleTab);
    simpleLayout->addWidget(searchField_);
    simpleLayout->addWidget(searchValue_, 1);
    simpleLayout->addWidget(sprecherche);
    searchTabs_->addTab(criteriaTab, text_(264));
    searchTabs_->addTab(simpleTab, text_(263));
    searchTabs_->setCurrentIndex(0);
    auto* gpcrittop = new QGroupBox(gbcritere);
    gpcrittop->setObjectName("Gpcrittop");
    flagged_ = Radio("Ratop", text_(115), gpcrittop);
    notFlagged_ = Radio("ranontop", text_(116), gpcrittop);
    all_ = Radio("Ratoutes", text_(117), gpcrittop);
    all_->setChecked(true);
    auto* flagLayout = new QVBoxLayout(gpcrittop);
    for (QRadioButton* r : {flagged_, notFlagged_, all_}) {
        flagLayout->addWidget(r);
        connect(r, &QRadioButton::clicked, this, [this] { prequetebase(); });
    }
    auto* critLayout = new QHBoxLayout(gbcritere);
    critLayout->addWidget(searchTabs_, 1);
    critLayout->addWidget(gpcrittop);

    auto* gvidebase = new QGroupBox(this);
    gvidebase->setObjectName("gvidebase");
    auto* spvidebase = Button("spvidebase", QString(), gvidebase);
    spvidebase->setToolTip(text_(214));
    (new QHBoxLayout(gvidebase))->addWidget(spvidebase);

    model_ = new ArticleTableModel(base_, this);
    model_->onError = [this](const QString& message) { showMessage(text_(219), message); };
    grid_ = new QTableView(this);
    grid_->setObjectName("s");
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    grid_->setShowGrid(true);
    grid_->horizontalHeader()->setSectionsClickable(true);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this, &DatabasePage::clickTitle);

    count_ = new QLabel(this);
    count_->setObjectName("labnbenreg");
    count_->setStyleSheet("QLabel { color: red; font-weight: bold; }");

    auto* gcolonnes = new QGroupBox(text_(164), this);
    gcolonnes->setObjectName("gcolonnes");
    auto* boxes = new QHBoxLayout(gcolonnes);
    for (int n = 1; n <= 15; ++n) {
        auto* box = new QCheckBox(QString::number(n), gcolonnes);
        box->setObjectName("chf" + QString::number(n));
        box->setChecked(n <= 3);
        connect(box, &QCheckBox::clicked, this, &DatabasePage::applyColumnVisibility);
        boxes->addWidget(box);
        columnBoxes_.push_back(box);
    }

    auto* recordButtons = new QHBoxLayout;
    recordButtons->addWidget(Button("sAjout", text_(204), this));
    recordButtons->addWidget(Button("smodif", text_(205), this));
    recordButtons->addWidget(Button("ssupprime", text_(206), this));

    auto* top = new QHBoxLayout;
    top->addWidget(gsauve);
    top->addWidget(gbcritere, 1);
    top->addWidget(gvidebase);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_);
    bottom->addWidget(gcolonnes, 1);
    bottom->addLayout(recordButtons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    criteriaDialog_ = new Tfcriterebase(text_, this);
    connect(spCritere, &QPushButton::clicked, this, &DatabasePage::openCriteria);
    connect(sprecherche, &QPushButton::clicked, this, &DatabasePage::search);
    searchValue_->installEventFilter(new EnterFilter([this] { search(); }, this));
}

std::string DatabasePage::fconstruitcritere() const
{
    data::RestrictionInputs in;
    in.tab = searchTabs_->currentIndex() == 1 ? data::SearchTab::Simple : data::SearchTab::Criteria;
    in.criteria = criteria_;
    in.searchField = searchField_->currentIndex() + 1;
    in.searchValue = searchValue_->text().toStdString();
    in.flags = flagged_->isChecked() ? data::FlagFilter::Flagged
        : notFlagged_->isChecked()   ? data::FlagFilter::NotFlagged
                                     : data::FlagFilter::All;
    return data::fconstruitcritere(in);
}

bool DatabasePage::prequetebase()
{
    grid_->setUpdatesEnabled(false);
    bool ok = true;
    try {
        const std::string w = fconstruitcritere();
        for (int n = 1; n <= 17 && n < model_->columnCount(); ++n)
            if (!grid_->isColumnHidden(n))
                widths_[static_cast<std::size_t>(n)] = grid_->columnWidth(n);
        model_->beginRefresh();
        try {
            base_.prequetebase(w, fconstruittri());
        } catch (...) {
            model_->endRefresh();
            throw;
        }
        model_->endRefresh();
    } catch (const std::exception& e) {
        ok = false;
        showMessage(text_(219), QString::fromUtf8(e.what()));
    }
    count_->setText(text_(230) + " : " + QString::number(base_.storedRowCount()));
    for (int n = 1; n <= 17 && n < model_->columnCount(); ++n)
        if (widths_[static_cast<std::size_t>(n)] > 0)
            grid_->setColumnWidth(n, widths_[static_cast<std::size_t>(n)]);
    applyColumnVisibility();
    if (model_->rowCount() > 0)
        grid_->setCurrentIndex(model_->index(0, 1));
    grid_->setUpdatesEnabled(true);
    return ok;
}

void DatabasePage::search()
{
    prequetebase();
    lastSearch_ = 2;
}

void DatabasePage::openCriteria()
{
    criteriaDialog_->setCriteria(criteria_);
    criteriaDialog_->exec();
    criteria_ = criteriaDialog_->criteria();
    if (criteriaDialog_->result() == "OK" || lastSearch_ == 2) {
        prequetebase();
        lastSearch_ = 1;
    }
}

void DatabasePage::clickTitle(int column)
{
    const auto& columns = base_.list().rows().columns();
    if (column < 0 || column >= static_cast<int>(columns.size()))
        return;
    sort_.clickTitle(columns[static_cast<std::size_t>(column)]);
    prequetebase();
}

bool DatabasePage::columnShown(int n) const
{
    return n >= 1 && n <= 15 && columnBoxes_[static_cast<std::size_t>(n - 1)]->isChecked();
}

void DatabasePage::setColumnShown(int n, bool shown)
{
    if (n >= 1 && n <= 15)
        columnBoxes_[static_cast<std::size_t>(n - 1)]->setChecked(shown);
}

void DatabasePage::applyColumnVisibility()
{
    grid_->setColumnHidden(0, true);
    for (int n = 1; n <= 15; ++n) {
        const bool hide = !columnShown(n);
        if (hide == grid_->isColumnHidden(n))
            continue;
        if (hide)
            widths_[static_cast<std::size_t>(n)] = grid_->columnWidth(n);
        grid_->setColumnHidden(n, hide);
        if (!hide && widths_[static_cast<std::size_t>(n)] > 0)
            grid_->setColumnWidth(n, widths_[static_cast<std::size_t>(n)]);
    }
}

int DatabasePage::columnWidth(int n) const
{
    if (n < 1 || n > 17)
        return 0;
    const bool live = n < model_->columnCount() && !grid_->isColumnHidden(n);
    return live ? grid_->columnWidth(n) : widths_[static_cast<std::size_t>(n)];
}

void DatabasePage::setColumnWidth(int n, int width)
{
    if (n < 1 || n > 17 || width <= 0)
        return;
    widths_[static_cast<std::size_t>(n)] = width;
    if (n < model_->columnCount())
        grid_->setColumnWidth(n, width);
}

} // namespace tessaly::app
