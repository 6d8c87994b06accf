// Restoring an archive from memory. The first byte picks the restore mode (low 3 bits) and
// full-path restoring (bit 3); the rest is the archive. Files go to a scratch folder two
// levels below a base folder that is emptied before every input; afterwards the levels
// above it must hold nothing else, or an entry escaped its destination.
#include "project/BackupFile.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path& Base()
{
    static const fs::path folder = fs::temp_directory_path() / ("tessaly-fuzz-project-" + std::to_string(getpid()));
    return folder;
}

// True when `folder` holds exactly the one entry `only`.
bool HoldsOnly(const fs::path& folder, const fs::path& only)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (++count > 1 || entry.path().filename() != only)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessaly::project;
    if (size < 1)
        return 0;
    fs::remove_all(Base());
    const fs::path destination = Base() / "a" / "b";
    fs::create_directories(destination);

    TBackupFile archive;
    archive.RestoreMode = static_cast<TRestoreMode>((data[0] & 7) % 5);
    archive.RestoreFullPath = (data[0] & 8) != 0;
    archive.OnProgress = [](int percent) {
        if (percent < 0 || percent > 100)
            __builtin_trap();
    };
    archive.Stream().assign(data + 1, data + size);
    try {
        archive.Restore(std::string(TBackupFile::StreamPath), destination);
    } catch (const BackupError&) {
    }
    if (!HoldsOnly(Base(), "a") || !HoldsOnly(Base() / "a", "b"))
        __builtin_trap();
    return 0;
}
