// TBackupFile: the archive container of project files (".tly") and article backups
// (".tyb"): several files, each in zlib blocks, restored into a folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::project {

enum class TCompressionLevel { clFastest, clNone, clDefault, clMax };

// Per entry, whether the file is written.
enum class TRestoreMode {
    rmAll,            // always
    rmNoOverwrite,    // the target does not exist
    rmNewer,          // the target does not exist or is older than the archived date
    rmExisting,       // the target exists
    rmExistingNewer,  // the target exists and is older than the archived date
};

// Error codes of the component; BackupErrorText gives the user-facing texts.
enum BackupErrorCode : int {
    NoBackupError = 0,
    CannotReadFile = 1,          // "Cannot read file"
    OverwritingFailed = 2,       // "Overwriting file failed"
    CannotReadArchive = 3,       // "Cannot read archive"
    CannotWriteArchive = 4,      // "Cannot write to archive"
    InvalidArchiveType = 5,      // "Invalid archive type"
    CompressionError = 6,        // "Compression error"
    CannotCreateTempFile = 7,    // "Cannot create temporary file to save the file IDs"
};

std::string BackupErrorText(int code);

// Raised to the caller of Restore: an unreadable header or archive ("Cannot read archive")
// and a wrong data marker of an entry that is skipped ("Invalid archive type").
class BackupError : public std::runtime_error {
public:
    explicit BackupError(int code) : std::runtime_error(BackupErrorText(code)), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

// "Please insert disk 2 and click OK to continue."
std::string NeedDiskText(int disk);

class TBackupFile {
public:
    static constexpr std::string_view Version = "5.00";
    // Archive path that means the component's in-memory stream (see Stream()).
    static constexpr std::string_view StreamPath = ":STREAM";

    std::string BackupTitle;                       // written into the header, never read back
    TCompressionLevel CompressionLevel = TCompressionLevel::clFastest;
    TRestoreMode RestoreMode = TRestoreMode::rmAll;
    bool RestoreFullPath = false;

    // Percentage done after every block (restore: bytes written x 100 / header total).
    std::function<void(int percent)> OnProgress;
    // The archive continues in volume `disk`: return true for OK, false for Cancel. Asked
    // again while that volume's file does not exist. Unassigned counts as Cancel; the
    // window shows NeedDiskText(disk) with OK and Cancel.
    std::function<bool(int disk)> OnNeedDisk;
    // An entry failed (code 1 or 6) or a backup failed; the window shows the text in an
    // error message box.
    std::function<void(int code, const std::string& text)> OnError;

    // Writes the files into the archive: name = the file's full path, its date, its content
    // in blocks. The archive is written beside the target and renamed into place, so a
    // failed backup leaves an existing archive as it was. False after reporting an error.
    bool Backup(const std::vector<std::filesystem::path>& files, const std::filesystem::path& archive);

    // Extracts every entry into `destination` under the file-name part of its stored name.
    // False when the archive does not exist, an entry failed (reported through OnError) or
    // the user cancelled a disk prompt; throws BackupError for the failures raised to the caller.
    bool Restore(const std::filesystem::path& archive, const std::filesystem::path& destination);

    // The in-memory archive read by Restore(":STREAM", ...) and written by Backup(..., ":STREAM").
    std::vector<std::uint8_t>& Stream() { return stream_; }
    const std::vector<std::uint8_t>& Stream() const { return stream_; }

    // The code of the last Backup or Restore (0 when it succeeded).
    int LastError() const { return lastError_; }

    // Records `code` as the last error and hands it with its text to OnError.
    void ReportError(int code);

private:

    std::vector<std::uint8_t> stream_;
    int lastError_ = NoBackupError;
};

} // namespace tessaly::project
