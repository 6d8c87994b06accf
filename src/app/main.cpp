// Program entry of Tessaly.
#include "app/MainWindow.h"
#include "app/ProgramFolder.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Tessaly"));
    application.setApplicationDisplayName(QStringLiteral("Tessaly"));
    tessaly::app::TForm1 window(tessaly::app::ProgramFolder());
    window.show();
    return application.exec();
}
