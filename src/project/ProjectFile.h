// Project files (".tly"): the archive of "sv1.tp" (the label document) and "sv2.tp" (the
// layout record), packed from and unpacked into the scratch folder "tempsv".
#pragma once

#include "project/BackupFile.h"
#include "project/LayoutRecord.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

namespace tessaly::project {

inline constexpr std::string_view ScratchFolderName = "tempsv";
inline constexpr std::string_view DocumentFileName = "sv1.tp";
inline constexpr std::string_view LayoutFileName = "sv2.tp";

struct ProjectFiles {
    std::filesystem::path folder;     // program folder + "tempsv"
    std::filesystem::path document;   // folder + "sv1.tp"
    std::filesystem::path layout;     // folder + "sv2.tp"
};

// The scratch paths, nothing touched.
ProjectFiles ScratchProjectFiles(const std::filesystem::path& programFolder);

// Creates "tempsv" when missing and deletes the two files in it, so nothing of an earlier
// project can be taken for the next one. Throws std::filesystem::filesystem_error.
ProjectFiles PrepareScratchFolder(const std::filesystem::path& programFolder);

// Packs the two scratch files into `target` (replacing it only once the new archive is
// complete). False after `archive` reported the error.
bool SaveProject(const ProjectFiles& files, const std::filesystem::path& target, TBackupFile& archive);

// The whole save: prepares the scratch folder, lets `saveDocument` write the label document
// to the given "sv1.tp" path, writes `layout` to "sv2.tp" and packs both into `target`.
// Exceptions of `saveDocument` and of the folder preparation pass through.
bool SaveProject(const std::filesystem::path& programFolder, const std::filesystem::path& target,
                 const std::function<void(const std::filesystem::path& documentFile)>& saveDocument,
                 const LayoutRecord& layout, TBackupFile& archive);

// Opening: no value when `projectFile` does not exist or the archive could not be read at
// all (a failure raised by the archive is swallowed here). Otherwise "tempsv" has been
// emptied and the archive restored into it with rmAll, and the paths are returned whatever
// the restore achieved (an entry error has been reported through archive.OnError): the
// window then loads "sv1.tp" when present and applies ReadLayoutRecord(files.layout).
std::optional<ProjectFiles> RestoreProject(const std::filesystem::path& projectFile,
                                           const std::filesystem::path& programFolder, TBackupFile& archive);

} // namespace tessaly::project
