// TBackupFile entry points: error texts, the archive written beside its target, restore.
#include "project/BackupFile.h"

#include "project/ArchiveInput.h"
#include "project/BackupRun.h"
#include "project/RestoreRun.h"

#include <fstream>
#include <random>
#include <sstream>

namespace tessaly::project {
namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& target)
{
    std::random_device random;
    const auto name = "." + target.filename().string() + "." + std::to_string(random()) + ".tmp";
    return target.parent_path() / name;
}

} // namespace

std::string BackupErrorText(int code)
{
    switch (code) {
    case CannotReadFile:
        return "Cannot read file";
    case OverwritingFailed:
        return "Overwriting file failed";
    case CannotReadArchive:
        return "Cannot read archive";
    case CannotWriteArchive:
        return "Cannot write to archive";
    case InvalidArchiveType:
        return "Invalid archive type";
    case CompressionError:
        return "Compression error";
    case CannotCreateTempFile:
        return "Cannot create temporary file to save the file IDs";
    }
    return {};
}

std::string NeedDiskText(int disk)
{
    return "Please insert disk " + std::to_string(disk) + " and click OK to continue.";
}

void TBackupFile::ReportError(int code)
{
    lastError_ = code;
    if (code != NoBackupError && OnError)
        OnError(code, BackupErrorText(code));
}

bool TBackupFile::Backup(const std::vector<std::filesystem::path>& files, const std::filesystem::path& archive)
{
    lastError_ = NoBackupError;
    BackupRun run(*this, files);
    if (archive == StreamPath) {
        std::ostringstream out(std::ios::binary);
        if (const auto failure = run.WriteTo(out)) {
            ReportError(*failure);
            return false;
        }
        const std::string bytes = out.str();
        stream_.assign(bytes.begin(), bytes.end());
        return true;
    }
    const auto temporary = TemporaryBeside(archive);
    std::optional<int> failure;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        failure = out ? run.WriteTo(out) : std::optional<int>(CannotWriteArchive);
        out.close();
        if (!failure && !out)
            failure = CannotWriteArchive;
    }
    std::error_code error;
    if (!failure) {
        std::filesystem::rename(temporary, archive, error);
        if (error)
            failure = CannotWriteArchive;
    }
    if (failure) {
        std::filesystem::remove(temporary, error);
        ReportError(*failure);
        return false;
    }
    return true;
}

bool TBackupFile::Restore(const std::filesystem::path& archive, const std::filesystem::path& destination)
{
    lastError_ = NoBackupError;
    std::unique_ptr<ArchiveInput> input;
    std::filesystem::path volume;   // empty for the in-memory stream: it has no further volumes
    if (archive == StreamPath) {
        input = ArchiveInput::FromBytes(stream_);
    } else {
        std::error_code error;
        if (!std::filesystem::is_regular_file(archive, error))
            return false;
        input = ArchiveInput::OpenFile(archive);
        volume = archive;
    }
    try {
        if (!input)
            throw BackupError(CannotReadArchive);
        RestoreRun run(*this, std::move(input), volume, destination);
        return run.Run();
    } catch (const BackupError& raised) {
        lastError_ = raised.Code();
        throw;
    }
}

} // namespace tessaly::project
