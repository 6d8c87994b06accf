// The program folder: where every file of the program lives.
#pragma once

#include <QString>

namespace tessaly::app {

// The folder of the running executable, ending with the path separator.
QString ProgramFolder();

} // namespace tessaly::app
