// Shows the design tab with a label of texts at a zoom, for looking at it under xvfb:
//   view_demo [zoom percent] [seconds]
#include "app/DesignTab.h"

#include "document/shapes/TextShape.h"

#include <QApplication>
#include <QTimer>

using namespace tessaly;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const float zoom = argc > 1 ? QString::fromLatin1(argv[1]).toFloat() : 100;
    const int seconds = argc > 2 ? QString::fromLatin1(argv[2]).toInt() : 5;
    app::DesignTab tab([](int n) { return QStringLiteral("UI text %1").arg(n); });
    auto& doc = tab.Fdocument()->Document();
    doc.SetColor(0xA0A0A0);
    doc.SetPageWidth(63.5f);
    doc.SetPageHeight(72);
    const char* texts[] = {"Tessaly", "Label 63.5 x 72 mm", "Prix: 12,50 EUR", "Ref. 0042-A"};
    float top = 5;
    for (const char* text : texts) {
        auto shape = std::make_unique<document::TdtpTextShape>();
        shape->SetBounds(5, top, 0, 0);
        shape->SetFontHeight(top < 6 ? 8 : 4);
        auto* raw = shape.get();
        doc.AddShape(std::move(shape));
        raw->SetText(QString::fromUtf8(text));
        top += raw->DocHeight() + 3;
    }
    auto memo = std::make_unique<document::TdtpMemoShape>();
    memo->SetBounds(5, 50, 50, 10);
    auto* rawMemo = memo.get();
    doc.AddShape(std::move(memo));
    rawMemo->SetFontHeight(3);
    rawMemo->SetAlignment(document::taCenter);
    rawMemo->SetText(QStringLiteral("Multi-line memo\r\ncentred"));
    tab.resize(1000, 720);
    tab.show();
    tab.Fdocument()->SetZoomPercent(zoom);
    tab.Fdocument()->SetHelperMethod(document::TdtpHelperMethodType::hmGrid);
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
