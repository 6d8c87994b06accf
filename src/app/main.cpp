// Program entry of Tessaly.
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tessaly"));
    tessaly::app::TForm1 window;
    window.show();
    return application.exec();
}
