// Bounded program runs through QProcess, which works without an event loop via its waitFor calls.
#include "support/Command.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <unistd.h>

namespace tessaly::testsupport {

CommandResult RunCommand(const std::string& program, const std::vector<std::string>& arguments,
                         std::chrono::milliseconds timeout)
{
    QStringList args;
    for (const std::string& argument : arguments)
        args << QString::fromStdString(argument);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // Messages are matched as text, so ask for them untranslated.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(program), args);
    CommandResult result;
    if (!process.waitForStarted(static_cast<int>(timeout.count()))) {
        result.output = process.errorString().toStdString();
        return result;
    }
    if (!process.waitForFinished(static_cast<int>(timeout.count()))) {
        process.kill();
        process.waitForFinished(1000);
        result.output = process.readAll().toStdString() + "\n(killed after the time limit)";
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = process.readAll().toStdString();
    return result;
}

bool IsExecutable(const std::string& program)
{
    return ::access(program.c_str(), X_OK) == 0;
}

} // namespace tessaly::testsupport
