// The criteria dialog Tfcriterebase: edits the list of selection criteria of the article list.
#pragma once

#include "data/Statements.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QTableWidget;

namespace tessaly::app {

// Controls: buttons sAjout, smodif, ssupprime, boutok; grid grillecritere (columns 1 to 4:
// field, operator, value, connector; column 0 hidden); edit group gcritere with CoChamp,
// CoOperateur, Evaleur, CoAndor and spvalide. Use: setCriteria(tabcritere), exec(), then
// tabcritere = criteria() (the rows are always written back on closing) and refresh the list
// when result() is "OK".
class Tfcriterebase : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxCriteria = 50;

    explicit Tfcriterebase(std::function<QString(int)> text, QWidget* parent = nullptr);

    void setCriteria(const std::vector<data::Criterion>& criteria);
    // The rows whose field cell is not empty, in grid order (at most kMaxCriteria).
    std::vector<data::Criterion> criteria() const { return criteria_; }
    // "OK" when a criterion was validated or deleted during the last showing, otherwise empty.
    QString result() const { return result_; }

    // The actions of the buttons, callable without clicks.
    void add();
    void modify();
    void validate();
    void remove();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    enum class Mode { None, Add, Modify };
    void fillGrid();
    void writeBack();
    void setRow(int row, const data::Criterion& c);
    void paintRows();

    std::function<QString(int)> text_;
    std::vector<data::Criterion> criteria_;
    QString result_;
    Mode mode_ = Mode::None;
    int editedRow_ = -1;
    QTableWidget* grid_ = nullptr;
    QGroupBox* editGroup_ = nullptr;
    QComboBox* field_ = nullptr;
    QComboBox* op_ = nullptr;
    QLineEdit* value_ = nullptr;
    QComboBox* connector_ = nullptr;
};

} // namespace tessaly::app
