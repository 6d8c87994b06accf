// The page preview window: the preview document `dtpPrintPreview` showing one sheet, with its
// zoom buttons and a close button.
#pragma once

#include <QDialog>

#include <functional>

namespace tessaly::document { class TdtpDocument; }
namespace tessaly::view { class TdtpDocumentView; }

namespace tessaly::app {

class Tfapercupage : public QDialog {
    Q_OBJECT
public:
    // `text` gives interface text n: the caption (53) and the zoom hints (41, 44, 45).
    explicit Tfapercupage(std::function<QString(int)> text, QWidget* parent = nullptr);

    document::TdtpDocument& dtpPrintPreview();
    view::TdtpDocumentView* view() const { return view_; }

    // Removes every label copy from the preview page.
    void RemoveCopies();

    // Closing the window in any way removes the copies.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<QString(int)> text_;
    view::TdtpDocumentView* view_ = nullptr;
};

} // namespace tessaly::app
