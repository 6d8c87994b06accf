// The exit statuses of tessaly-batch and the error that carries one with its message.
#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::batch {

enum class ExitCode : int {
    Success = 0,
    Usage = 2,        // wrong command line
    Project = 3,      // project missing or damaged
    Table = 4,        // article table empty or unreadable, import failed
    StartLabel = 5,   // start label outside the sheet
    Printer = 6,      // no installed printer of that name
    Output = 7,       // the run or the output file failed
};

class BatchError : public std::runtime_error {
public:
    BatchError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
    ExitCode Code() const { return code_; }

private:
    ExitCode code_;
};

} // namespace tessaly::batch
