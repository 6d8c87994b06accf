// The project commands of the main window: New, Open and Save of ".tly" label projects, and the
// default label opened at start-up.
#pragma once

#include "project/LayoutRecord.h"
#include "project/ProjectFile.h"

#include <QString>

#include <functional>

class QWidget;

namespace tessaly::app {

class SheetFields;

class ProjectCommands {
public:
    // `programFolder` ends with '/'. The label document is the one given to `fields`
    // (setLabelDocument); `text` returns interface text n.
    ProjectCommands(QString programFolder, SheetFields& fields, std::function<QString(int)> text);

    // Handlers of the buttons spbuttonnouveau, spcharge and spsauve.
    void NewProject();
    void OpenProjectDialog();
    void SaveProject();

    // Opens a project without a dialog: true when the archive could be read and applied. A file
    // that is missing gives false silently; an unreadable archive, or one whose "sv1.tp" does
    // not load, gives a message and keeps the current label and layout.
    bool OpenProject(const QString& path);
    // Saves to `path` without asking: true when the project file was written. A failure leaves
    // an existing file as it was and shows a message.
    bool SaveProjectTo(const QString& path);
    // One empty default page of the label size, default margins 0, preview page emptied.
    void ResetLabelDocument();

    const QString& programFolder() const { return programFolder_; }
    const QString& currentProjectFile() const { return currentProjectFile_; }
    QString scratchFolder() const;   // program folder + "tempsv"
    QString documentFolder() const;  // program folder + "doc", where the dialogs start

    // Dialogs and messages, replaceable by tests. The file choosers return an empty text when
    // cancelled; by default they are file dialogs over "Tessaly (*.tly)".
    std::function<QString(const QString& title, const QString& folder)> chooseOpenFile;
    std::function<QString(const QString& title, const QString& folder)> chooseSaveFile;
    std::function<bool(const QString& caption, const QString& text)> askYesNo;
    std::function<void(const QString& text)> showError;
    QWidget* dialogParent = nullptr;

    // Hooks into the rest of the window (unset hooks do nothing): empty the preview document's
    // current page; show the print-mode tabs the label needs (Pactiveonglettypesourceimpression);
    // read and set the barcode quality buttons (racbfin checked = fine).
    std::function<void()> clearPreview;
    std::function<void()> updatePrintModeTabs;
    std::function<bool()> fineBarcodeQuality;
    std::function<void(bool fine)> setFineBarcodeQuality;

private:
    bool applyProjectFiles(const project::ProjectFiles& files, bool errorShown);
    void applyLayoutRecord(const project::LayoutRecord& record);

    QString programFolder_;
    SheetFields& fields_;
    std::function<QString(int)> text_;
    QString currentProjectFile_;
};

// The start-up step "default label": opens "deflabb.tly" when present, else "deflab.tly" when
// present. True when "deflabb.tly" was opened successfully: the window then locks the design.
// Never throws.
bool OpenDefaultLabel(ProjectCommands& commands);

} // namespace tessaly::app
