// The CSV import dialog Tfimportcsv: file and separator, preview and column mapping, import.
#pragma once

#include "data/csv/CsvImport.h"
#include "data/csv/ImportSettings.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace tessaly::data {
class ArticleBase;
}

namespace tessaly::app {

// Page 1: gparametre with combSepa, CombnbLentete, labinfo, LabchemFic and Souvrir. Page 2:
// the preview sgrille1 and gparchamp with the field lists combcb, combcb2, combcb3,
// combt1..combt12 and combQuantite. Buttons bprecedent, bsuivant, bimport, sretour.
// `settings` is the import settings record the main window loads at start and saves at close;
// only the Import action changes it.
class Tfimportcsv : public QDialog {
    Q_OBJECT
public:
    Tfimportcsv(data::ArticleBase& base, data::ImportSettings& settings, std::function<QString(int)> text,
        QWidget* parent = nullptr);

    // The automation flag: while set, showing the dialog keeps the path field and import errors
    // are not shown. Closing the dialog clears it.
    void setAutomaticRun(bool on) { automatic_ = on; }
    bool automaticRun() const { return automatic_; }
    void setPath(const QString& path);
    QString path() const;

    // Next: false (and a message) when the path is empty; otherwise the preview and page 2.
    bool next();
    void previous();
    // Import: stores the dialog's settings, imports, closes the dialog.
    data::ImportResult importNow();
    // The automatic import of a trigger file: flag, show, path, Next, Import, close.
    data::ImportResult runAutomatic(const QString& file);
    const data::ImportResult& lastResult() const { return result_; }

    // How messages are shown (caption, text); a message box by default. Tests replace it.
    std::function<void(const QString& caption, const QString& text)> showMessage;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    void fillLists();
    void loadSettings();
    void storeSettings();
    void showPage(int page);
    void buildPreview();
    void chooseFile();

    data::ArticleBase& base_;
    data::ImportSettings& settings_;
    std::function<QString(int)> text_;
    bool automatic_ = false;
    data::ImportResult result_;
    QStackedWidget* pages_ = nullptr;
    QComboBox* separator_ = nullptr;
    QComboBox* headerLines_ = nullptr;
    QLineEdit* path_ = nullptr;
    QTableWidget* preview_ = nullptr;
    std::array<QComboBox*, 15> fields_{};
    QComboBox* quantity_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* import_ = nullptr;
};

} // namespace tessaly::app
