// Loading a project for a headless print run.
#include "batch/PrintJobInput.h"

#include "batch/BatchError.h"
#include "labelshapes/ResolvePage.h"
#include "project/ProjectFile.h"

#include <QString>
#include <QTemporaryDir>

#include <exception>
#include <system_error>

namespace tessaly::batch {

namespace {

[[noreturn]] void Damaged(const std::filesystem::path& projectFile, const std::string& why)
{
    throw BatchError(ExitCode::Project, "cannot open project " + projectFile.string() + ": " + why);
}

std::unique_ptr<document::TdtpDocument> LoadLabel(const std::filesystem::path& projectFile,
                                                  const std::filesystem::path& documentFile)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(documentFile, ec))
        Damaged(projectFile, "it holds no label document");
    auto label = std::make_unique<document::TdtpDocument>();
    QString shapeError;
    label->OnLoadError = [&shapeError](document::TdtpDocument*, document::TdtpShape*, const QString& error) {
        if (shapeError.isEmpty())
            shapeError = error;
    };
    try {
        label->LoadFromFile(QString::fromStdString(documentFile.string()));
    } catch (const std::exception& error) {
        Damaged(projectFile, std::string("the label document is damaged (") + error.what() + ")");
    }
    if (!shapeError.isEmpty())
        Damaged(projectFile, "a shape of the label cannot be read (" + shapeError.toStdString() + ")");
    if (label->PageCount() < 1)
        Damaged(projectFile, "the label document has no page");
    if (!label->CurrentPage())
        label->SetCurrentPageIndex(0);
    return label;
}

} // namespace

PrintJobInput LoadPrintJob(const std::filesystem::path& projectFile)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(projectFile, ec))
        throw BatchError(ExitCode::Project, "project file not found: " + projectFile.string());

    QTemporaryDir scratch;
    if (!scratch.isValid())
        throw BatchError(ExitCode::Output, "cannot create a temporary folder: " + scratch.errorString().toStdString());
    const std::filesystem::path scratchRoot = scratch.path().toStdString();

    std::string archiveError;
    project::TBackupFile archive;
    archive.OnError = [&archiveError](int, const std::string& text) {
        if (archiveError.empty())
            archiveError = text;
    };
    std::optional<project::ProjectFiles> files;
    try {
        files = project::RestoreProject(projectFile, scratchRoot, archive);
    } catch (const std::exception& error) {
        Damaged(projectFile, error.what());
    }
    if (!files)
        Damaged(projectFile, "it is not a project archive");
    if (!archiveError.empty())
        Damaged(projectFile, archiveError);

    PrintJobInput input;
    input.label = LoadLabel(projectFile, files->document);
    const auto record = project::ReadLayoutRecord(files->layout);
    if (!record)
        Damaged(projectFile, "it holds no sheet layout");
    input.layout = project::ToSheetLayout(*record, sheet::Unit::Millimetre);
    input.fineBarcodeQuality = record->fineBarcodeQuality == 1;
    input.usesRecordFields = labelshapes::PageUsesSource(*input.label->CurrentPage(), 2);
    return input;
}

} // namespace tessaly::batch
