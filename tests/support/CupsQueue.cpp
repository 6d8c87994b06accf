// Sets up and tears down a PDF-writing print queue; every step is bounded in time and undone
// in reverse by the destructor, also after a half-finished Start.
#include "support/CupsQueue.h"

#include "support/Command.h"

#include <QProcess>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace tessaly::testsupport {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kScheduler = "/usr/sbin/cupsd";
const std::string kAdmin = "/usr/sbin/lpadmin";
const std::string kStatus = "/usr/bin/lpstat";
const std::string kCancel = "/usr/bin/cancel";
const std::string kPdfBackend = "/usr/lib/cups/backend/cups-pdf";
const std::string kPdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd";
const char* const kLockFile = "/tmp/tessaly-cups.lock";
// First line of the settings we write; a file that starts with it was left by a crashed test.
const std::string kOurSettingsMark = "# temporary test print queue\n";
constexpr auto kPollInterval = 50ms;
constexpr auto kSchedulerStartLimit = 5s;
constexpr auto kLockWaitLimit = 60s;

bool ValidQueueName(const std::string& name)
{
    return !name.empty() && name.size() <= 100
        && std::all_of(name.begin(), name.end(), [](unsigned char c) {
               return std::isalnum(c) || c == '_' || c == '-';
           });
}

std::string MissingProgram()
{
    for (const std::string& program : {kScheduler, kAdmin, kStatus, kCancel, kPdfBackend})
        if (!IsExecutable(program))
            return program;
    return fs::exists(kPdfDriver) ? std::string() : kPdfDriver;
}

// Under an enforcing AppArmor profile the PDF backend may read only its main settings file,
// so a per-queue output folder would be ignored.
bool PdfBackendConfined()
{
    std::ifstream profiles("/sys/kernel/security/apparmor/profiles");
    std::string line;
    while (std::getline(profiles, line))
        if (line.rfind(kPdfBackend + " (enforce)", 0) == 0)
            return true;
    return false;
}

bool SchedulerRunning()
{
    const CommandResult status = RunCommand(kStatus, {"-r"}, 3s);
    return status.finished && status.output.find("scheduler is running") != std::string::npos;
}

std::optional<std::string> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool WriteFile(const fs::path& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out.flush());
}

std::string Tail(const fs::path& path, std::size_t bytes = 1500)
{
    const std::string content = ReadFile(path).value_or("(none)");
    return content.size() > bytes ? "..." + content.substr(content.size() - bytes) : content;
}

} // namespace

CupsQueue::CupsQueue(std::string queueName) : m_name(std::move(queueName)) {}

std::unique_ptr<CupsQueue> CupsQueue::Start(const std::string& queueName, std::string* whyNot)
{
    std::string reason;
    if (!ValidQueueName(queueName))
        reason = "unusable print queue name \"" + queueName + "\"";
    else if (::geteuid() != 0)
        reason = "printing tests add a print queue and need root";
    else if (const std::string missing = MissingProgram(); !missing.empty())
        reason = missing + " is missing (install cups and printer-driver-cups-pdf)";
    else if (PdfBackendConfined())
        reason = "AppArmor confines the PDF print backend to its default output folder";
    if (!reason.empty()) {
        if (whyNot)
            *whyNot = reason;
        return nullptr;
    }
    std::unique_ptr<CupsQueue> queue(new CupsQueue(queueName));
    if (queue->Lock(reason) && queue->EnsureScheduler(reason) && queue->ConfigureOutput(reason)
        && queue->AddQueue(reason))
        return queue;
    if (whyNot)
        *whyNot = reason;
    return nullptr;  // the destructor undoes the steps already taken
}

bool CupsQueue::Lock(std::string& whyNot)
{
    m_lockFd = ::open(kLockFile, O_CREAT | O_RDWR | O_CLOEXEC, 0644);
    if (m_lockFd < 0) {
        whyNot = std::string("cannot open ") + kLockFile;
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockWaitLimit;
    while (::flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            whyNot = "another test kept its print queue for over a minute";
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

bool CupsQueue::EnsureScheduler(std::string& whyNot)
{
    if (SchedulerRunning())
        return true;  // the machine's own scheduler: use it, leave it running
    std::error_code ignored;
    fs::create_directories("/run/cups", ignored);
    fs::create_directories("/var/log/cups", ignored);
    m_scheduler = std::make_unique<QProcess>();
    m_scheduler->setStandardOutputFile(QProcess::nullDevice());
    m_scheduler->setStandardErrorFile(QProcess::nullDevice());
    // Should the test process die, the scheduler goes with it.
    m_scheduler->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_scheduler->start(QString::fromStdString(kScheduler), {QStringLiteral("-f")});
    if (!m_scheduler->waitForStarted(2000)) {
        whyNot = "cannot run " + kScheduler + ": " + m_scheduler->errorString().toStdString();
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kSchedulerStartLimit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (m_scheduler->state() == QProcess::NotRunning || m_scheduler->waitForFinished(0)) {
            whyNot = "the print scheduler exited at once; its log says: "
                + Tail("/var/log/cups/error_log");
            return false;
        }
        if (SchedulerRunning())
            return true;
        std::this_thread::sleep_for(kPollInterval);
    }
    whyNot = "the print scheduler did not answer within 5 s";
    return false;
}

bool CupsQueue::ConfigureOutput(std::string& whyNot)
{
    std::string folder = (fs::temp_directory_path() / "tessaly-cups-XXXXXX").string();
    if (!::mkdtemp(folder.data())) {
        whyNot = "cannot create a folder for the printed PDF files";
        return false;
    }
    m_outputFolder = folder;
    // The backend reads cups-pdf-<instance>.conf for a device URI cups-pdf:/<instance>.
    m_configFile = "/etc/cups/cups-pdf-" + m_name + ".conf";
    m_savedConfig = ReadFile(m_configFile);
    if (m_savedConfig && m_savedConfig->rfind(kOurSettingsMark, 0) == 0)
        m_savedConfig.reset();
    m_wroteConfig = true;
    // Label 1 puts the job number in every file name, so a repeated title never overwrites.
    const std::string settings =
        kOurSettingsMark + "Out " + folder + "\nAnonDirName " + folder + "\nLabel 1\n";
    if (!WriteFile(m_configFile, settings)) {
        whyNot = "cannot write " + m_configFile.string();
        return false;
    }
    return true;
}

bool CupsQueue::AddQueue(std::string& whyNot)
{
    m_addedQueue = true;
    const CommandResult added = RunCommand(
        kAdmin, {"-p", m_name, "-v", "cups-pdf:/" + m_name, "-E", "-P", kPdfDriver, "-o",
                 "printer-is-shared=false"});
    if (added.finished && added.exitCode == 0)
        return true;
    whyNot = "lpadmin could not add the queue: " + added.output;
    return false;
}

CupsQueue::~CupsQueue()
{
    std::error_code ignored;
    if (m_addedQueue) {
        RunCommand(kCancel, {"-a", m_name}, 5s);
        RunCommand(kAdmin, {"-x", m_name}, 5s);
    }
    if (m_wroteConfig) {
        if (m_savedConfig)
            WriteFile(m_configFile, *m_savedConfig);
        else
            fs::remove(m_configFile, ignored);
    }
    if (!m_outputFolder.empty())
        fs::remove_all(m_outputFolder, ignored);
    StopScheduler();
    if (m_lockFd >= 0)
        ::close(m_lockFd);  // releases the lock
}

void CupsQueue::StopScheduler()
{
    if (!m_scheduler || m_scheduler->state() == QProcess::NotRunning)
        return;
    m_scheduler->terminate();  // SIGTERM to our scheduler's process id
    if (!m_scheduler->waitForFinished(5000)) {
        m_scheduler->kill();
        m_scheduler->waitForFinished(2000);
    }
}

bool CupsQueue::HasPendingJobs() const
{
    const CommandResult jobs = RunCommand(kStatus, {"-o", m_name}, 3s);
    if (!jobs.finished)
        return true;
    return jobs.output.find_first_not_of(" \t\r\n") != std::string::npos;
}

std::optional<fs::path> CupsQueue::NextUnseenPdf() const
{
    std::optional<fs::path> earliest;
    fs::file_time_type earliestTime;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_outputFolder, error)) {
        if (!entry.is_regular_file(error) || entry.path().extension() != ".pdf"
            || m_seen.count(entry.path()))
            continue;
        const fs::file_time_type time = entry.last_write_time(error);
        if (!earliest || time < earliestTime) {
            earliest = entry.path();
            earliestTime = time;
        }
    }
    return earliest;
}

std::optional<fs::path> CupsQueue::WaitForPdf(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::optional<fs::path> candidate;
    std::uintmax_t lastSize = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::optional<fs::path> pdf = NextUnseenPdf();
        if (pdf) {
            std::error_code error;
            const std::uintmax_t size = fs::file_size(*pdf, error);
            const bool settled = !error && size > 0 && pdf == candidate && size == lastSize;
            if (settled && !HasPendingJobs()) {
                m_seen.insert(*pdf);
                return pdf;
            }
            candidate = pdf;
            lastSize = error ? 0 : size;
        }
        std::this_thread::sleep_for(kPollInterval * 2);
    }
    return std::nullopt;
}

std::string CupsQueue::Diagnostics() const
{
    std::ostringstream text;
    text << "queue: " << RunCommand(kStatus, {"-l", "-p", m_name}, 3s).output
         << "pending jobs: " << RunCommand(kStatus, {"-o", m_name}, 3s).output
         << "\nPDF writer log: " << Tail("/var/log/cups/cups-pdf-" + m_name + "_log")
         << "\nscheduler log: " << Tail("/var/log/cups/error_log");
    return text.str();
}

} // namespace tessaly::testsupport
