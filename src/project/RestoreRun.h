// One run of TBackupFile::Restore: header, entries, volumes, one target file at a time.
#pragma once

#include "project/ArchiveInput.h"
#include "project/BackupFile.h"

#include <fstream>
#include <memory>

namespace tessaly::project {

class RestoreRun {
public:
    RestoreRun(TBackupFile& owner, std::unique_ptr<ArchiveInput> input, std::filesystem::path archive,
               std::filesystem::path destination);

    // True when every entry was restored; throws BackupError for failures raised to the caller.
    bool Run();

private:
    // The file the current entry's data goes to; a continued volume appends to it.
    struct Target {
        std::ofstream file;
        std::filesystem::path path;
        std::uint32_t date = 0;
        bool writing = false;
    };

    void ReadHeader();
    bool ReadEntries();
    bool StartEntry(const std::string& name, std::uint32_t date);
    bool ShouldWrite(const std::filesystem::path& target, std::uint32_t date) const;
    bool ChangeVolume(const std::string& name);
    bool ReadData();
    bool WriteBlocks();
    void SkipBlocks();
    bool AppendToTarget(const std::uint8_t* bytes, std::size_t n);
    bool CopyStoredBlock(std::uint64_t length);
    void CloseTarget();
    void ReportProgress();
    bool Fail(int code);

    TBackupFile& owner_;
    std::unique_ptr<ArchiveInput> in_;
    std::filesystem::path archive_;
    std::filesystem::path destination_;
    Target target_;
    std::int64_t total_ = 0;
    std::int64_t written_ = 0;
    int error_ = NoBackupError;
};

} // namespace tessaly::project
