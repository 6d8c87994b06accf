// Repainting the design surface and painting whole pages: a 63.5 × 72 mm label with 20 texts at
// 400 % zoom, and an A4 sheet through PaintToCanvas at 300 DPI.
#include "view/DocumentView.h"

#include "document/shapes/TextShape.h"

#include <QApplication>
#include <QPainter>

#include "common/OffscreenMain.h"

#include <benchmark/benchmark.h>

using namespace tessaly;
using namespace tessaly::document;

namespace {

void AddTexts(TdtpDocument& document, int count, float pageWidth, float pageHeight)
{
    for (int i = 0; i < count; ++i) {
        auto shape = std::make_unique<TdtpTextShape>();
        shape->SetBounds(2 + (i % 2) * pageWidth / 2, 2 + (i / 2) * (pageHeight - 4) / ((count + 1) / 2), 0, 0);
        shape->SetFontHeight(2.5f);
        auto* raw = shape.get();
        document.AddShape(std::move(shape));
        raw->SetText(QStringLiteral("Text %1 ABC").arg(i + 1));
    }
}

// A 63.5 x 72 mm label with 20 texts shown at 400 %.
void ShowLabelAt400Percent(view::TdtpDocumentView& view)
{
    view.resize(1000, 700);
    view.show();
    TdtpDocument& document = view.Document();
    document.SetRenderDPI(300);
    document.SetPageWidth(63.5f);
    document.SetPageHeight(72);
    AddTexts(document, 20, 63.5f, 72);
    view.ResetZoom();
    view.SetZoomPercent(400);
}

void BM_RepaintLabelAt400Percent(benchmark::State& state)
{
    view::TdtpDocumentView view;
    ShowLabelAt400Percent(view);
    const QRect client = view.viewport()->rect();
    for (auto _ : state) {
        QImage image = view.RenderViewport(client);
        benchmark::DoNotOptimize(image.bits());
    }
    state.counters["pixels"] = double(client.width()) * client.height();
}
BENCHMARK(BM_RepaintLabelAt400Percent)->Unit(benchmark::kMillisecond);

void BM_RepaintLabelAt400PercentColdCaches(benchmark::State& state)
{
    view::TdtpDocumentView view;
    ShowLabelAt400Percent(view);
    TdtpDocument& document = view.Document();
    const QRect client = view.viewport()->rect();
    for (auto _ : state) {
        document.CurrentPage()->FreeCaches();
        QImage image = view.RenderViewport(client);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_RepaintLabelAt400PercentColdCaches)->Unit(benchmark::kMillisecond);

void BM_PaintToCanvasA4At300Dpi(benchmark::State& state)
{
    TdtpDocument document;  // A4
    AddTexts(document, 20, 210, 297);
    QImage canvas(2480, 3508, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&canvas);
        PaintToCanvas(document, 0, painter, canvas.rect());
    }
}
BENCHMARK(BM_PaintToCanvasA4At300Dpi)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks<QApplication>(argc, argv); }
