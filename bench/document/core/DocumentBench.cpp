// Copying a label page (what the print run does for every label) and saving plus loading a
// 25-page document with 2,000 shapes, against pugixml alone parsing and printing the same XML.
#include "document/core/Document.h"
#include "document/core/EffectShape.h"
#include "document/storage/TdtpStorage.h"

#include <QBuffer>

#include <benchmark/benchmark.h>

#include <pugixml.hpp>

#include <sstream>

namespace tessaly::document {
namespace {

std::unique_ptr<TdtpShape> SampleShape(int i)
{
    auto shape = std::make_unique<TdtpEffectShape>();
    shape->SetBounds(1.5f + i % 50, 2.25f + i % 37, 20.125f, 7.5f);
    if (i % 3 == 0)
        shape->SetDocAngle(float(i % 360));
    shape->SetName(QStringLiteral("Shape %1").arg(i));
    return shape;
}

void FillDocument(TdtpDocument& doc, int pages, int shapes)
{
    doc.SetStoreThumbnails(false);
    doc.SetPageCount(pages);
    for (int i = 0; i < shapes; ++i) {
        doc.SetCurrentPageIndex(i % pages);
        doc.AddShape(SampleShape(i));
    }
}

void BM_CopyLabelPage(benchmark::State& state)
{
    TdtpPage page;
    for (int i = 0; i < state.range(0); ++i)
        page.AddChild(SampleShape(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(page.CloneShape());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CopyLabelPage)->Arg(20)->Arg(2000)->Unit(benchmark::kMicrosecond);

void BM_SaveAndLoad25Pages(benchmark::State& state)
{
    TdtpDocument doc;
    FillDocument(doc, 25, 2000);
    for (auto _ : state) {
        for (int i = 0; i < doc.PageCount(); ++i)
            doc.Pages(i)->SetModified(true);  // every page serialised again
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        doc.SaveToStream(buffer);
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        TdtpDocument copy;
        copy.LoadFromStream(buffer);
        for (int i = 0; i < copy.PageCount(); ++i)
            copy.Pages(i)->EnsureLoaded();
        benchmark::DoNotOptimize(copy.PageCount());
    }
}
BENCHMARK(BM_SaveAndLoad25Pages)->Unit(benchmark::kMillisecond);

void BM_PugixmlParseAndPrintSameXml(benchmark::State& state)
{
    TdtpDocument doc;
    FillDocument(doc, 25, 2000);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    doc.SaveToStream(buffer);
    TdtpStorage storage;
    storage.LoadFromBytes(buffer.data());
    std::vector<QByteArray> texts;
    for (const QString& name : storage.StreamNames())
        if (name.endsWith(QLatin1String(".xml")))
            texts.push_back(storage.ReadStream(name));
    for (auto _ : state) {
        for (const QByteArray& text : texts) {
            pugi::xml_document xml;
            xml.load_buffer(text.constData(), size_t(text.size()));
            std::ostringstream out;
            xml.save(out, "", pugi::format_raw);
            benchmark::DoNotOptimize(out.str().size());
        }
    }
}
BENCHMARK(BM_PugixmlParseAndPrintSameXml)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tessaly::document
