#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace tessaly::app {

QString ProgramFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace tessaly::app
