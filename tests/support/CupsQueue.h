// A temporary print queue on the machine's real printing system whose jobs come out as PDF
// files in a private folder, so tests can print through QPrinter and look at the result.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>

class QProcess;

namespace tessaly::testsupport {

class CupsQueue {
public:
    // Adds the queue, starting the print scheduler first when none runs (and then stopping it
    // again on destruction). Returns nullptr when printing cannot be set up here (not root,
    // programs missing, ...); `whyNot` then says why, for GTEST_SKIP(). Queue names are
    // letters, digits, '_' and '-'. Queues are used one at a time across processes: Start
    // waits up to a minute for another test's queue to go away.
    static std::unique_ptr<CupsQueue> Start(const std::string& queueName,
                                            std::string* whyNot = nullptr);
    ~CupsQueue();

    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    const std::string& queueName() const { return m_name; }
    const std::filesystem::path& outputFolder() const { return m_outputFolder; }

    // The next PDF that arrives in the output folder, once complete (the queue has no pending
    // job and the file size has settled); nullopt when none is complete within `timeout`.
    std::optional<std::filesystem::path> WaitForPdf(std::chrono::milliseconds timeout =
                                                        std::chrono::seconds(20));

    // Queue state, pending jobs and the end of the PDF writer's log: for failure messages.
    std::string Diagnostics() const;

private:
    explicit CupsQueue(std::string queueName);

    bool Lock(std::string& whyNot);
    bool EnsureScheduler(std::string& whyNot);
    bool ConfigureOutput(std::string& whyNot);
    bool AddQueue(std::string& whyNot);
    bool HasPendingJobs() const;
    std::optional<std::filesystem::path> NextUnseenPdf() const;
    void StopScheduler();

    std::string m_name;
    std::filesystem::path m_outputFolder;
    std::filesystem::path m_configFile;         // the PDF writer's settings for this queue
    std::optional<std::string> m_savedConfig;   // what the settings file held before us
    bool m_wroteConfig = false;
    bool m_addedQueue = false;
    std::unique_ptr<QProcess> m_scheduler;      // set only when we started the scheduler
    int m_lockFd = -1;
    std::set<std::filesystem::path> m_seen;
};

} // namespace tessaly::testsupport
