#include "app/Tfimportcsv.h"

#include "data/ArticleBase.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessaly::app {
namespace {

QString FieldListName(int n)
{
    if (n == 1)
        return "combcb";
    if (n <= 3)
        return "combcb" + QString::number(n);
    return "combt" + QString::number(n - 3);
}

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// A stored index the list cannot take selects its first entry.
void SelectIndex(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : 0);
}

} // namespace

Tfimportcsv::Tfimportcsv(data::ArticleBase& base, data::ImportSettings& settings, std::function<QString(int)> text,
    QWidget* parent)
    : QDialog(parent), base_(base), settings_(settings), text_(std::move(text))
{
    setObjectName("Tfimportcsv");
    showMessage = [this](const QString& caption, const QString& message) {
        QMessageBox::warning(this, caption, message, QMessageBox::Ok);
    };
    pages_ = new QStackedWidget(this);

    // Page 1: the file and how it is cut.
    auto* page1 = new QWidget(pages_);
    auto* gparametre = new QGroupBox(text_(91), page1);
    gparametre->setObjectName("gparametre");
    separator_ = new QComboBox(gparametre);
    separator_->setObjectName("combSepa");
    separator_->addItems({",", ";", "|"});
    headerLines_ = new QComboBox(gparametre);
    headerLines_->setObjectName("CombnbLentete");
    for (int n = 0; n <= 6; ++n)
        headerLines_->addItem(QString::number(n));
    auto* labinfo = new QLabel(text_(94), gparametre);
    labinfo->setObjectName("labinfo");
    path_ = new QLineEdit(gparametre);
    path_->setObjectName("LabchemFic");
    path_->setReadOnly(true);
    auto* souvrir = Button("Souvrir", text_(96), gparametre);
    connect(souvrir, &QPushButton::clicked, this, &Tfimportcsv::chooseFile);
    auto* g1 = new QGridLayout(gparametre);
    g1->addWidget(new QLabel(text_(92), gparametre), 0, 0);
    g1->addWidget(separator_, 0, 1);
    g1->addWidget(new QLabel(text_(93), gparametre), 1, 0);
    g1->addWidget(headerLines_, 1, 1);
    g1->addWidget(labinfo, 2, 0, 1, 3);
    g1->addWidget(new QLabel(text_(95), gparametre), 3, 0);
    g1->addWidget(path_, 3, 1);
    g1->addWidget(souvrir, 3, 2);
    (new QVBoxLayout(page1))->addWidget(gparametre);

    // Page 2: the preview and the mapping.
    auto* page2 = new QWidget(pages_);
    preview_ = new QTableWidget(page2);
    preview_->setObjectName("sgrille1");
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* gparchamp = new QGroupBox(text_(100), page2);
    gparchamp->setObjectName("gparchamp");
    auto* g2 = new QGridLayout(gparchamp);
    for (int n = 1; n <= 15; ++n) {
        auto* list = new QComboBox(gparchamp);
        list->setObjectName(FieldListName(n));
        fields_[static_cast<std::size_t>(n - 1)] = list;
        g2->addWidget(new QLabel(text_(132) + " " + QString::number(n), gparchamp), (n - 1) / 4 * 2, (n - 1) % 4);
        g2->addWidget(list, (n - 1) / 4 * 2 + 1, (n - 1) % 4);
    }
    quantity_ = new QComboBox(gparchamp);
    quantity_->setObjectName("combQuantite");
    g2->addWidget(new QLabel(text_(122), gparchamp), 6, 3);
    g2->addWidget(quantity_, 7, 3);
    auto* v2 = new QVBoxLayout(page2);
    v2->addWidget(preview_, 1);
    v2->addWidget(gparchamp);

    pages_->addWidget(page1);
    pages_->addWidget(page2);

    previous_ = Button("bprecedent", text_(97), this);
    next_ = Button("bsuivant", text_(98), this);
    import_ = Button("bimport", text_(99), this);
    auto* sretour = Button("sretour", "OK", this);
    connect(previous_, &QPushButton::clicked, this, &Tfimportcsv::previous);
    connect(next_, &QPushButton::clicked, this, &Tfimportcsv::next);
    connect(import_, &QPushButton::clicked, this, [this] { importNow(); });
    connect(sretour, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addWidget(import_);
    buttons->addStretch();
    buttons->addWidget(sretour);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);
    resize(760, 560);
}

void Tfimportcsv::setPath(const QString& path) { path_->setText(path); }
QString Tfimportcsv::path() const { return path_->text(); }

void Tfimportcsv::showEvent(QShowEvent* event)
{
    setWindowTitle(text_(111));
    fillLists();
    loadSettings();
    preview_->clear();
    preview_->setColumnCount(16);
    preview_->setRowCount(1);
    QStringList titles{QString()};
    for (int c = 1; c <= 15; ++c)
        titles << text_(112) + QString::number(c);
    preview_->setHorizontalHeaderLabels(titles);
    showPage(0);
    QDialog::showEvent(event);
}

void Tfimportcsv::done(int r)
{
    automatic_ = false;
    QDialog::done(r);
}

void Tfimportcsv::fillLists()
{
    for (int n = 1; n <= 15; ++n) {
        QComboBox* list = fields_[static_cast<std::size_t>(n - 1)];
        list->clear();
        for (int c = 1; c <= 15; ++c)
            list->addItem(text_(113) + QString::number(c));
        if (n > 1)
            list->addItem(text_(114));
    }
    quantity_->clear();
    for (int c = 1; c <= 15; ++c)
        quantity_->addItem(text_(113) + QString::number(c));
    quantity_->addItems({text_(114), "1", "0"});
}

void Tfimportcsv::loadSettings()
{
    const data::ImportSettings shown = settings_.valid ? settings_ : data::ImportSettings{};
    SelectIndex(headerLines_, shown.headerLines);
    SelectIndex(separator_, shown.separatorIndex);
    for (std::size_t i = 0; i < 15; ++i)
        fields_[i]->setCurrentIndex(shown.fieldColumn[i] >= 0 && shown.fieldColumn[i] < fields_[i]->count()
                ? shown.fieldColumn[i]
                : -1);
    quantity_->setCurrentIndex(
        shown.quantitySource >= 0 && shown.quantitySource < quantity_->count() ? shown.quantitySource : -1);
    if (!automatic_)
        path_->setText(QString::fromStdString(shown.path));
}

void Tfimportcsv::storeSettings()
{
    settings_.valid = true;
    for (std::size_t i = 0; i < 15; ++i)
        settings_.fieldColumn[i] = fields_[i]->currentIndex() < 0 ? data::kNoColumn : fields_[i]->currentIndex();
    settings_.quantitySource = quantity_->currentIndex() < 0 ? data::kNoColumn : quantity_->currentIndex();
    settings_.separatorIndex = separator_->currentIndex();
    settings_.headerLines = headerLines_->currentIndex();
    settings_.path = path_->text().left(static_cast<int>(data::kImportPathMax)).toStdString();
}

void Tfimportcsv::showPage(int page)
{
    pages_->setCurrentIndex(page);
    previous_->setEnabled(page == 1);
    next_->setEnabled(page == 0);
    import_->setVisible(page == 1);
}

void Tfimportcsv::chooseFile()
{
    const QString file = QFileDialog::getOpenFileName(
        this, text_(229), path_->text(), "csv (*.csv);;txt (*.txt)", nullptr, QFileDialog::ReadOnly);
    if (!file.isEmpty())
        path_->setText(file);
}

bool Tfimportcsv::next()
{
    if (pages_->currentIndex() != 0)
        return false;
    if (path_->text().isEmpty()) {
        showMessage(text_(219), text_(101));
        return false;
    }
    if (QFileInfo::exists(path_->text()))
        buildPreview();
    showPage(1);
    return true;
}

void Tfimportcsv::previous()
{
    if (pages_->currentIndex() == 1)
        showPage(0);
}

void Tfimportcsv::buildPreview()
{
    const QString sep = separator_->currentText();
    const data::CsvPreview preview = data::PreviewCsv(path_->text().toStdString(), sep.isEmpty() ? ',' : sep[0].toLatin1(),
        headerLines_->currentIndex() < 0 ? 0 : headerLines_->currentIndex());
    preview_->setRowCount(1 + static_cast<int>(preview.rows.size()));
    for (std::size_t r = 0; r < preview.rows.size(); ++r) {
        preview_->setItem(static_cast<int>(r) + 1, 0, new QTableWidgetItem(QString::number(r + 1)));
        for (std::size_t c = 0; c < 15; ++c)
            preview_->setItem(static_cast<int>(r) + 1, static_cast<int>(c) + 1,
                new QTableWidgetItem(QString::fromStdString(preview.rows[r][c])));
    }
}

data::ImportResult Tfimportcsv::importNow()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    storeSettings();
    data::ImportSettings run = settings_;
    run.path = path_->text().toStdString(); // the full path, even beyond what is stored
    result_ = data::ImportCsv(base_, run.path, run);
    QApplication::restoreOverrideCursor();
    if (!result_.ok() && !automatic_)
        showMessage(text_(219), QString::fromStdString(result_.error));
    done(QDialog::Accepted);
    return result_;
}

data::ImportResult Tfimportcsv::runAutomatic(const QString& file)
{
    setAutomaticRun(true);
    show();
    setPath(file);
    next();
    return importNow(); // closes the dialog, which clears the flag
}

} // namespace tessaly::app
