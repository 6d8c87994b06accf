// New, Open and Save of label projects through the scratch folder "tempsv".
#include "app/ProjectCommands.h"

#include "app/SheetFields.h"
#include "document/core/Document.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

namespace tessaly::app {
namespace {

const QString kFilter = QStringLiteral("Tessaly (*.tly)");

std::filesystem::path toPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString fromPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString runFileDialog(QWidget* parent, const QString& title, const QString& folder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, folder, kFilter);
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("tly"));
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setOption(QFileDialog::DontConfirmOverwrite);   // the command asks with its own text
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// Whether "sv1.tp" loads whole, tried on a document of its own so that a damaged file cannot
// leave the label half replaced.
bool documentLoads(const QString& file)
{
    try {
        document::TdtpDocument probe;
        probe.LoadFromFile(file);
        return probe.PageCount() > 0;
    } catch (const std::exception&) {
        return false;
    }
}

void setDefaultMarginsToZero(document::TdtpDocument& document)
{
    document.SetDefaultMarginBottom(0);
    document.SetDefaultMarginTop(0);
    document.SetDefaultMarginLeft(0);
    document.SetDefaultMarginRight(0);
}

} // namespace

ProjectCommands::ProjectCommands(QString programFolder, SheetFields& fields, std::function<QString(int)> text)
    : programFolder_(std::move(programFolder)), fields_(fields), text_(std::move(text))
{
    chooseOpenFile = [this](const QString& title, const QString& folder) {
        return runFileDialog(dialogParent, title, folder, QFileDialog::AcceptOpen);
    };
    chooseSaveFile = [this](const QString& title, const QString& folder) {
        return runFileDialog(dialogParent, title, folder, QFileDialog::AcceptSave);
    };
    askYesNo = [this](const QString& caption, const QString& message) {
        return QMessageBox::question(dialogParent, caption, message, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    showError = [this](const QString& message) { QMessageBox::critical(dialogParent, QString(), message); };
}

QString ProjectCommands::scratchFolder() const { return fromPath(project::ScratchProjectFiles(toPath(programFolder_)).folder); }
QString ProjectCommands::documentFolder() const { return programFolder_ + QStringLiteral("doc"); }

void ProjectCommands::NewProject()
{
    if (!askYesNo(text_(126), text_(125)))
        return;
    ResetLabelDocument();
    currentProjectFile_.clear();
}

void ProjectCommands::ResetLabelDocument()
{
    if (document::TdtpDocument* document = fields_.labelDocument()) {
        try {
            document->ResetDocument();
            document->NewDocument();
            setDefaultMarginsToZero(*document);
            fields_.ApplyLabelSize();
        } catch (const std::exception&) {
            // A reset that fails half way leaves what it did; the user can try New again.
        }
    }
    try {
        if (clearPreview)
            clearPreview();
    } catch (const std::exception&) {
    }
}

void ProjectCommands::OpenProjectDialog()
{
    const QString file = chooseOpenFile(text_(1), documentFolder());
    if (!file.isEmpty() && OpenProject(file))
        currentProjectFile_ = file;
    if (updatePrintModeTabs)
        updatePrintModeTabs();
    if (fields_.zoomToPage)
        fields_.zoomToPage();
}

bool ProjectCommands::OpenProject(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    WaitCursor wait;
    project::TBackupFile archive;
    bool errorShown = false;
    archive.OnError = [&](int, const std::string& message) {
        errorShown = true;
        showError(QString::fromStdString(message));
    };
    const std::optional<project::ProjectFiles> files =
        project::RestoreProject(toPath(path), toPath(programFolder_), archive);
    if (!files) {
        showError(QString::fromStdString(project::BackupErrorText(project::CannotReadArchive)));
        return false;
    }
    return applyProjectFiles(*files, errorShown);
}

bool ProjectCommands::applyProjectFiles(const project::ProjectFiles& files, bool errorShown)
{
    document::TdtpDocument* document = fields_.labelDocument();
    const QString documentFile = fromPath(files.document);
    if (!document || !documentLoads(documentFile)) {
        if (!errorShown)
            showError(QString::fromStdString(project::BackupErrorText(project::CannotReadFile)));
        return false;
    }
    ResetLabelDocument();
    try {
        document->LoadFromFile(documentFile);
        setDefaultMarginsToZero(*document);
        // The page keeps the size stored in "sv1.tp": the label fields are not applied to it.
        if (const auto record = project::ReadLayoutRecord(files.layout))
            applyLayoutRecord(*record);
    } catch (const std::exception&) {
        // What was applied so far stays.
    }
    return true;
}

void ProjectCommands::applyLayoutRecord(const project::LayoutRecord& record)
{
    // The stored lengths are already in the stored unit: selecting it must not convert them.
    fields_.setReady(false);
    if (const std::optional<sheet::Unit> unit = project::RecordUnit(record))
        fields_.ShowUnit(*unit);
    fields_.setReady(true);
    fields_.setSizeListIndex(record.sizeListIndex);
    fields_.ShowLayout(project::ToSheetLayout(record, fields_.displayUnit()));
    if (setFineBarcodeQuality)
        setFineBarcodeQuality(record.fineBarcodeQuality == 1);
}

void ProjectCommands::SaveProject()
{
    QString target = chooseSaveFile(text_(2), documentFolder());
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".tly");
    if (QFileInfo::exists(target) && !askYesNo(text_(126), text_(248)))
        return;
    SaveProjectTo(target);
}

bool ProjectCommands::SaveProjectTo(const QString& path)
{
    document::TdtpDocument* document = fields_.labelDocument();
    if (!document)
        return false;
    WaitCursor wait;
    project::TBackupFile archive;
    archive.OnError = [this](int, const std::string& message) { showError(QString::fromStdString(message)); };
    const project::LayoutRecord record = project::MakeLayoutRecord(
        fields_.layout(), fields_.sizeListIndex(), fineBarcodeQuality && fineBarcodeQuality());
    bool saved = false;
    try {
        saved = project::SaveProject(
            toPath(programFolder_), toPath(path),
            [document](const std::filesystem::path& file) { document->SaveToFile(fromPath(file)); }, record, archive);
    } catch (const std::exception& error) {
        // The archive is only written once both scratch files exist: the target is untouched.
        showError(QString::fromStdString(project::BackupErrorText(project::CannotWriteArchive)) + QLatin1Char('\n')
                  + QString::fromUtf8(error.what()));
        return false;
    }
    if (saved)
        currentProjectFile_ = path;
    return saved;
}

bool OpenDefaultLabel(ProjectCommands& commands)
{
    const QString& programFolder = commands.programFolder();
    try {
        const QString locked = programFolder + QStringLiteral("deflabb.tly");
        if (QFileInfo(locked).isFile())
            return commands.OpenProject(locked);
        const QString editable = programFolder + QStringLiteral("deflab.tly");
        if (QFileInfo(editable).isFile())
            commands.OpenProject(editable);
    } catch (...) {
        // Start-up goes on without a default label.
    }
    return false;
}

} // namespace tessaly::app
