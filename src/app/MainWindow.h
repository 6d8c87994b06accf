// The main window TForm1: tabs, command buttons, start-up and shutdown.
#pragma once

#include <QMainWindow>

namespace tessaly::app {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace tessaly::app
