// DesignTab: rulers around the label document and the zoom buttons wired to it.
#include "app/DesignTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QToolButton>

namespace tessaly::app {
namespace {

constexpr int kZoomInText = 41;    // "Zoom en avant"
constexpr int kZoomOutText = 44;   // "Zoom en arriere"
constexpr int kWholePageText = 45;  // "Apercu plein ecran"

}  // namespace

DesignTab::DesignTab(std::function<QString(int)> uiText, QWidget* parent)
    : QWidget(parent),
      FUiText(std::move(uiText)),
      FView(new view::TdtpDocumentView(this)),
      FRulerTop(new view::TdtpRuler(Qt::Horizontal, this)),
      FRulerLeft(new view::TdtpRuler(Qt::Vertical, this)),
      FCorner(new view::TdtpRulerCorner(this)),
      FZoomBar(new QWidget(this))
{
    FView->setObjectName(QStringLiteral("Fdocument"));
    FRulerTop->setObjectName(QStringLiteral("RulerTop"));
    FRulerLeft->setObjectName(QStringLiteral("RulerLeft"));
    FCorner->setObjectName(QStringLiteral("RulerCorner"));
    FView->SetRulers(FRulerTop, FRulerLeft, FCorner);

    auto* bar = new QHBoxLayout(FZoomBar);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(2);
    bar->addWidget(AddZoomButton("spzoomplus", QStringLiteral("+"), &view::TdtpDocumentView::ZoomIn));
    bar->addWidget(AddZoomButton("spzoommoins", QStringLiteral("\u2212"), &view::TdtpDocumentView::ZoomOut));
    bar->addWidget(AddZoomButton("spzoompage", QStringLiteral("\u25A1"), &view::TdtpDocumentView::ZoomToPage));
    bar->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(FZoomBar, 0, 0, 1, 2);
    grid->addWidget(FCorner, 1, 0);
    grid->addWidget(FRulerTop, 1, 1);
    grid->addWidget(FRulerLeft, 2, 0);
    grid->addWidget(FView, 2, 1);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);
    RetranslateHints();
}

QToolButton* DesignTab::AddZoomButton(const char* objectName, const QString& symbol,
                                      void (view::TdtpDocumentView::*command)())
{
    auto* button = new QToolButton(FZoomBar);
    button->setObjectName(QLatin1String(objectName));
    button->setText(symbol);
    button->setAutoRaise(true);
    button->setFixedSize(24, 24);
    connect(button, &QToolButton::clicked, FView, command);
    return button;
}

void DesignTab::RetranslateHints()
{
    const auto hint = [this](const char* name, int text) {
        if (auto* button = FZoomBar->findChild<QToolButton*>(QLatin1String(name)))
            button->setToolTip(FUiText ? FUiText(text) : QString());
    };
    hint("spzoomplus", kZoomInText);
    hint("spzoommoins", kZoomOutText);
    hint("spzoompage", kWholePageText);
}

}  // namespace tessaly::app
