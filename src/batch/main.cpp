// tessaly-batch: prints a saved project without a window (see --help).
#include "batch/BatchRun.h"

#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <unistd.h>

int main(int argc, char* argv[])
{
    // Without a display the offscreen platform still gives fonts and painting.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const std::string folder = QCoreApplication::applicationDirPath().toStdString();
    return tessaly::batch::RunBatchCommand(arguments, folder, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
