// Saving and restoring the two scratch files of a project.
#include "project/ProjectFile.h"

namespace tessaly::project {

ProjectFiles ScratchProjectFiles(const std::filesystem::path& programFolder)
{
    ProjectFiles files;
    files.folder = programFolder / ScratchFolderName;
    files.document = files.folder / DocumentFileName;
    files.layout = files.folder / LayoutFileName;
    return files;
}

ProjectFiles PrepareScratchFolder(const std::filesystem::path& programFolder)
{
    ProjectFiles files = ScratchProjectFiles(programFolder);
    std::filesystem::create_directories(files.folder);
    std::filesystem::remove(files.document);
    std::filesystem::remove(files.layout);
    return files;
}

bool SaveProject(const ProjectFiles& files, const std::filesystem::path& target, TBackupFile& archive)
{
    return archive.Backup({files.document, files.layout}, target);
}

bool SaveProject(const std::filesystem::path& programFolder, const std::filesystem::path& target,
                 const std::function<void(const std::filesystem::path& documentFile)>& saveDocument,
                 const LayoutRecord& layout, TBackupFile& archive)
{
    const ProjectFiles files = PrepareScratchFolder(programFolder);
    saveDocument(files.document);
    if (!WriteLayoutRecord(files.layout, layout)) {
        archive.ReportError(CannotReadFile);
        return false;
    }
    return SaveProject(files, target, archive);
}

std::optional<ProjectFiles> RestoreProject(const std::filesystem::path& projectFile,
                                           const std::filesystem::path& programFolder, TBackupFile& archive)
{
    std::error_code error;
    if (!std::filesystem::exists(projectFile, error))
        return std::nullopt;
    try {
        const ProjectFiles files = PrepareScratchFolder(programFolder);
        archive.RestoreMode = TRestoreMode::rmAll;
        archive.Restore(projectFile, files.folder);
        return files;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace tessaly::project
