// The page preview window.
#include "app/Tfapercupage.h"

#include "document/core/Document.h"
#include "view/DocumentView.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaly::app {

Tfapercupage::Tfapercupage(std::function<QString(int)> text, QWidget* parent)
    : QDialog(parent), text_(std::move(text))
{
    setObjectName(QStringLiteral("Tfapercupage"));
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    view_ = new view::TdtpDocumentView(this);
    view_->setObjectName(QStringLiteral("dtpPrintPreview"));
    view_->Document().NewDocument();
    view_->Document().SetReadOnly(true);

    struct ZoomButton {
        const char* name;
        const char* symbol;
        int hint;
        void (view::TdtpDocumentView::*command)();
    };
    static constexpr ZoomButton zoomButtons[] = {
        {"spzoomplus", "+", 41, &view::TdtpDocumentView::ZoomIn},
        {"spzoommoins", "-", 44, &view::TdtpDocumentView::ZoomOut},
        {"spzoompage", "[ ]", 45, &view::TdtpDocumentView::ZoomToPage},
    };
    for (const ZoomButton& zoom : zoomButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(zoom.name));
        button->setText(QString::fromLatin1(zoom.symbol));
        button->setToolTip(text_(zoom.hint));
        connect(button, &QToolButton::clicked, view_, zoom.command);
        bar->addWidget(button);
    }
    bar->addStretch(1);
    auto* back = new QToolButton(this);
    back->setObjectName(QStringLiteral("sretour"));
    back->setText(QStringLiteral("Fermer"));
    connect(back, &QToolButton::clicked, this, &QDialog::reject);
    bar->addWidget(back);

    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    resize(900, 700);
}

document::TdtpDocument& Tfapercupage::dtpPrintPreview()
{
    return view_->Document();
}

void Tfapercupage::RemoveCopies()
{
    document::TdtpDocument& preview = dtpPrintPreview();
    for (int i = preview.ShapeCount() - 1; i >= 0; --i)
        preview.DeleteShape(i);
}

void Tfapercupage::done(int result)
{
    RemoveCopies();
    QDialog::done(result);
}

void Tfapercupage::showEvent(QShowEvent* event)
{
    setWindowTitle(text_(53));
    QDialog::showEvent(event);
    view_->ZoomToPage();
}

} // namespace tessaly::app
