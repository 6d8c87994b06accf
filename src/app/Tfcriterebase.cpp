#include "app/Tfcriterebase.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessaly::app {
namespace {

constexpr int kColumns = 5; // 0 hidden, then field, operator, value, connector
const QColor kTitleColour(0xC7, 0xB9, 0xC8);
const QColor kEvenRowColour(0xE1, 0xFF, 0xF4);

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QComboBox* List(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    return c;
}

QString CellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void SelectItem(QComboBox* list, const QString& text)
{
    list->setCurrentIndex(list->findText(text));
}

} // namespace

Tfcriterebase::Tfcriterebase(std::function<QString(int)> text, QWidget* parent)
    : QDialog(parent), text_(std::move(text))
{
    setObjectName("Tfcriterebase");
    setWindowTitle(text_(203));

    grid_ = new QTableWidget(this);
    grid_->setObjectName("grillecritere");
    grid_->setColumnCount(kColumns);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->verticalHeader()->hide();
    grid_->setHorizontalHeaderLabels({QString(), text_(113), text_(207), text_(208), "AND/OR"});
    grid_->horizontalHeader()->setStyleSheet(
        QString("QHeaderView::section { background-color: %1; }").arg(kTitleColour.name()));
    const int widths[kColumns] = {0, 110, 60, 200, 50};
    for (int c = 0; c < kColumns; ++c)
        grid_->setColumnWidth(c, widths[c]);
    grid_->setColumnHidden(0, true);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { modify(); });

    editGroup_ = new QGroupBox(this);
    editGroup_->setObjectName("gcritere");
    QStringList fields;
    for (int n = 1; n <= 15; ++n)
        fields << QString::number(n);
    field_ = List("CoChamp", fields, editGroup_);
    op_ = List("CoOperateur", {"=", ">", ">=", "<", "<="}, editGroup_);
    value_ = new QLineEdit(editGroup_);
    value_->setObjectName("Evaleur");
    connector_ = List("CoAndor", {"AND", "OR"}, editGroup_);
    auto* spvalide = Button("spvalide", "OK", editGroup_);
    auto* editLayout = new QGridLayout(editGroup_);
    editLayout->addWidget(new QLabel(text_(113), editGroup_), 0, 0);
    editLayout->addWidget(new QLabel(text_(207), editGroup_), 0, 1);
    editLayout->addWidget(new QLabel(text_(208), editGroup_), 0, 2);
    editLayout->addWidget(field_, 1, 0);
    editLayout->addWidget(op_, 1, 1);
    editLayout->addWidget(value_, 1, 2);
    editLayout->addWidget(connector_, 1, 3);
    editLayout->addWidget(spvalide, 1, 4);

    auto* sAjout = Button("sAjout", text_(204), this);
    auto* smodif = Button("smodif", text_(205), this);
    auto* ssupprime = Button("ssupprime", text_(206), this);
    auto* boutok = Button("boutok", "OK", this);
    connect(sAjout, &QPushButton::clicked, this, &Tfcriterebase::add);
    connect(smodif, &QPushButton::clicked, this, &Tfcriterebase::modify);
    connect(ssupprime, &QPushButton::clicked, this, &Tfcriterebase::remove);
    connect(spvalide, &QPushButton::clicked, this, &Tfcriterebase::validate);
    connect(boutok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {sAjout, smodif, ssupprime})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(boutok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(grid_);
    layout->addWidget(editGroup_);
    resize(480, 360);
}

void Tfcriterebase::setCriteria(const std::vector<data::Criterion>& criteria)
{
    criteria_ = criteria;
    if (criteria_.size() > kMaxCriteria)
        criteria_.resize(kMaxCriteria);
}

void Tfcriterebase::showEvent(QShowEvent* event)
{
    result_.clear();
    mode_ = Mode::None;
    fillGrid();
    editGroup_->hide();
    QDialog::showEvent(event);
}

void Tfcriterebase::done(int r)
{
    writeBack(); // every close keeps what the grid shows
    QDialog::done(r);
}

void Tfcriterebase::fillGrid()
{
    grid_->setRowCount(std::max<int>(1, static_cast<int>(criteria_.size())));
    for (int row = 0; row < grid_->rowCount(); ++row)
        setRow(row, row < static_cast<int>(criteria_.size()) ? criteria_[static_cast<std::size_t>(row)] : data::Criterion{});
    if (grid_->rowCount() > 0)
        grid_->setCurrentCell(0, 1);
}

void Tfcriterebase::setRow(int row, const data::Criterion& c)
{
    const QString texts[kColumns] = {QString(), QString::fromStdString(c.field), QString::fromStdString(c.op),
        QString::fromStdString(c.value), QString::fromStdString(c.connector)};
    for (int column = 0; column < kColumns; ++column)
        grid_->setItem(row, column, new QTableWidgetItem(texts[column]));
    paintRows();
}

void Tfcriterebase::paintRows()
{
    // Data rows alternate, counted from 1: odd rows white, even rows light green.
    for (int row = 0; row < grid_->rowCount(); ++row)
        for (int column = 0; column < kColumns; ++column)
            if (QTableWidgetItem* item = grid_->item(row, column))
                item->setBackground(row % 2 == 0 ? QColor(Qt::white) : kEvenRowColour);
}

void Tfcriterebase::writeBack()
{
    criteria_.clear();
    for (int row = 0; row < grid_->rowCount() && criteria_.size() < kMaxCriteria; ++row) {
        if (CellText(grid_, row, 1).isEmpty())
            continue;
        criteria_.push_back({CellText(grid_, row, 1).toStdString(), CellText(grid_, row, 2).toStdString(),
            CellText(grid_, row, 3).toStdString(), CellText(grid_, row, 4).toStdString()});
    }
}

void Tfcriterebase::add()
{
    mode_ = Mode::Add;
    field_->setCurrentIndex(0);
    op_->setCurrentIndex(0);
    value_->clear();
    connector_->setCurrentIndex(0);
    editGroup_->show();
}

void Tfcriterebase::modify()
{
    mode_ = Mode::Modify;
    editedRow_ = grid_->currentRow();
    if (editedRow_ < 0 || CellText(grid_, editedRow_, 1).isEmpty())
        return;
    SelectItem(field_, CellText(grid_, editedRow_, 1));
    SelectItem(op_, CellText(grid_, editedRow_, 2));
    value_->setText(CellText(grid_, editedRow_, 3));
    SelectItem(connector_, CellText(grid_, editedRow_, 4));
    editGroup_->show();
}

void Tfcriterebase::validate()
{
    const data::Criterion c{field_->currentText().toStdString(), op_->currentText().toStdString(),
        value_->text().toStdString(), connector_->currentText().toStdString()};
    int row = editedRow_;
    if (mode_ != Mode::Modify || row < 0 || row >= grid_->rowCount()) {
        row = grid_->rowCount() - 1;
        if (row < 0 || !CellText(grid_, row, 1).isEmpty()) {
            row = grid_->rowCount();
            grid_->setRowCount(row + 1);
        }
    }
    setRow(row, c);
    editGroup_->hide();
    result_ = "OK";
}

void Tfcriterebase::remove()
{
    mode_ = Mode::None;
    const int row = grid_->currentRow();
    if (row >= 0) {
        if (grid_->rowCount() == 1)
            setRow(0, {});
        else
            grid_->removeRow(row);
        paintRows();
    }
    result_ = "OK";
    editGroup_->hide();
}

} // namespace tessaly::app
