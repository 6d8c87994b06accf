// The about box Tfapropos: the program's name and version.
#pragma once

#include <QDialog>

namespace tessaly::app {

class Tfapropos : public QDialog {
    Q_OBJECT
public:
    explicit Tfapropos(QWidget* parent = nullptr);
};

} // namespace tessaly::app
