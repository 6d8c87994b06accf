// The cached render path: a rotated shape's 300 DPI cache drawn into a 300 DPI target, 2 × 2
// oversampled, against QPainter::drawImage of the same cache under the same transform (smooth).
#include "document/core/EffectShape.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace tessaly::document {
namespace {

class Block : public TdtpEffectShape {
public:
    bool PaintsWithCanvas() const override { return true; }
    void PaintCanvas(QPainter& canvas, const TDeviceContext&) override
    {
        canvas.fillRect(QRectF(0, 0, DocWidth(), DocHeight()), QColor(20, 40, 200));
        canvas.setPen(QPen(Qt::black, 0.3));
        for (double x = 2; x < DocWidth(); x += 1.5)
            canvas.drawLine(QPointF(x, 1), QPointF(x, DocHeight() - 1));
    }
};

struct Scene {
    Scene() : target(int(100 * kDpm300), int(60 * kDpm300), QImage::Format_ARGB32_Premultiplied)
    {
        root.SetBounds(0, 0, 100, 60);
        auto block = std::make_unique<Block>();
        block->SetBounds(20, 30, 60, 25);
        block->SetDocAngle(30);
        shape = static_cast<Block*>(root.GetChild(root.AddChild(std::move(block))));
        dc.Device = TDeviceType::dtPrinter;
        dc.DeviceDpm = kDpm300;
        dc.RenderDpm = kDpm300;
        target.fill(0xFFFFFFFF);
        RenderShape(root, target, Area(), true, dc);  // builds the cache
    }
    QRectF Area() const { return QRectF(0, 0, 100, 60); }
    // cache pixel -> target pixel, as the pipeline maps it
    QTransform CacheToTarget() const
    {
        const double dpm = kDpm300;
        const QTransform toLocal(1 / dpm, 0, 0, 1 / dpm, -shape->CacheOrigin().x() / dpm,
                                 -shape->CacheOrigin().y() / dpm);
        const QTransform toParent(shape->AngleCos(), -shape->AngleSin(), shape->AngleSin(), shape->AngleCos(),
                                  shape->DocLeft(), shape->DocTop());
        const double sx = target.width() / Area().width(), sy = target.height() / Area().height();
        return toLocal * toParent * QTransform(sx, 0, 0, sy, 0, 0);
    }
    TdtpShape root;
    Block* shape = nullptr;
    QImage target;
    TDeviceContext dc;
};

void BM_CachedPath4Samples(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        RenderShape(*scene.shape, scene.target, scene.Area(), false, scene.dc);
        benchmark::DoNotOptimize(scene.target.constBits());
    }
    state.counters["cache_px"] = double(scene.shape->Cache().width()) * scene.shape->Cache().height();
}
BENCHMARK(BM_CachedPath4Samples)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_QtDrawImageSmooth(benchmark::State& state)
{
    Scene scene;
    const QImage cache = scene.shape->Cache();
    const QTransform transform = scene.CacheToTarget();
    for (auto _ : state) {
        QPainter painter(&scene.target);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(transform);
        painter.drawImage(0, 0, cache);
        painter.end();
        benchmark::DoNotOptimize(scene.target.constBits());
    }
}
BENCHMARK(BM_QtDrawImageSmooth)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
}  // namespace tessaly::document
