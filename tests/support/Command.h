// Runs a program with a time limit and captures what it prints: the test fixtures' only way
// of talking to the printing system, so no call can hang a test.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace tessaly::testsupport {

struct CommandResult {
    bool finished = false;  // false: could not start, or killed at the time limit
    int exitCode = -1;
    std::string output;     // standard output and standard error, merged
};

CommandResult RunCommand(const std::string& program, const std::vector<std::string>& arguments,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10));

// True when `program` exists and may be executed by this process.
bool IsExecutable(const std::string& program);

} // namespace tessaly::testsupport
