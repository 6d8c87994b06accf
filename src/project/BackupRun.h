// One run of TBackupFile::Backup: the archive written into a byte stream.
#pragma once

#include "project/BackupFile.h"

#include <optional>
#include <ostream>

namespace tessaly::project {

class BackupRun {
public:
    BackupRun(TBackupFile& owner, const std::vector<std::filesystem::path>& files);

    // Writes the whole archive to `out`; on failure the error code (the stream's content is
    // then incomplete and must be thrown away).
    std::optional<int> WriteTo(std::ostream& out);

private:
    std::optional<int> WriteEntry(std::ostream& out, const std::filesystem::path& file);
    void ReportProgress();

    TBackupFile& owner_;
    const std::vector<std::filesystem::path>& files_;
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
};

} // namespace tessaly::project
