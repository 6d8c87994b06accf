#include "app/MainWindow.h"

namespace tessaly::app {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Tessaly"));
}

} // namespace tessaly::app
