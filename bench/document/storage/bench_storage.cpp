// Our XML printer against pugixml's own printing on a large page tree, the float format, and
// packing an archive.
#include "document/storage/TdtpStorage.h"
#include "document/storage/XmlValues.h"
#include "document/storage/XmlWriter.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace tessaly::document;

namespace {

// A page of `shapes` shapes with about twenty values each, like a large label page.
void BuildPage(pugi::xml_document& document, int shapes)
{
    pugi::xml_node page = document.append_child("Page");
    SetIndexAttribute(page, 1);
    for (int i = 0; i < shapes; ++i) {
        pugi::xml_node shape = AddElement(page, "Shape");
        SetIndexAttribute(shape, i + 1);
        WriteString(shape, "ClassName", QStringLiteral("TdtpTextShape"));
        pugi::xml_node anchors = AddElement(shape, "Anchors");
        WriteBool(anchors, "default", false);
        WriteBool(anchors, "LeftLock", true);
        WriteFloat(shape, "DocLeft", 10.25 + i * 0.37);
        WriteFloat(shape, "DocTop", 5.5 + i * 0.11);
        WriteFloat(shape, "DocWidth", 40.123456);
        WriteFloat(shape, "DocHeight", 12.5);
        WriteFloat(shape, "DocAngle", i % 360);
        WriteHex(shape, "MasterAlpha", 128, 2);
        WriteString(shape, "Name", QStringLiteral("Shape & text <%1>").arg(i));
        WriteString(shape, "Text", QStringLiteral("Line one\r\nLine two of label %1").arg(i));
        WriteFloat(shape, "FontHeight", 3.175);
        pugi::xml_node font = AddElement(shape, "Font");
        WriteString(font, "Name", QStringLiteral("Arial"));
        WriteColour(font, "Color", 0x00203040);
        WriteBool(font, "Bold", true);
        WriteFloat(shape, "LineHeight", 1.2);
        WriteInteger(shape, "Alignment", 2);
    }
}

void WriterOwn(benchmark::State& state, XmlForm form)
{
    pugi::xml_document document;
    BuildPage(document, static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray text = WriteXml(document, form);
        bytes = static_cast<size_t>(text.size());
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_XmlWriterCompact(benchmark::State& state) { WriterOwn(state, XmlForm::Compact); }
void BM_XmlWriterReadable(benchmark::State& state) { WriterOwn(state, XmlForm::Readable); }

// pugixml's own printing of the same page: the floor our printer is compared with.
void PugixmlPrint(benchmark::State& state, const char* indent, unsigned int format)
{
    pugi::xml_document document;
    BuildPage(document, static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        document.save(out, indent, format);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_PugixmlPrintRaw(benchmark::State& state) { PugixmlPrint(state, "", pugi::format_raw); }
void BM_PugixmlPrintIndented(benchmark::State& state) { PugixmlPrint(state, "  ", pugi::format_indent); }

void BM_FormatFloat(benchmark::State& state)
{
    double value = 0.001;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatFloat(value));
        value = value * 1.7 + 0.013;
        if (value > 1e6)
            value = 0.001;
    }
}

void BM_PackArchive(benchmark::State& state)
{
    TdtpStorage storage;
    for (int i = 0; i < 100; ++i)
        storage.WriteStream(QStringLiteral("Page%1.xml").arg(i + 1, 4, 10, QLatin1Char('0')),
                            QByteArray(static_cast<qsizetype>(state.range(0)), 'p'));
    for (auto _ : state)
        benchmark::DoNotOptimize(storage.SaveToBytes().size());
    state.SetBytesProcessed(state.iterations() * state.range(0) * 100);
}

} // namespace

BENCHMARK(BM_XmlWriterCompact)->Arg(2000);
BENCHMARK(BM_XmlWriterReadable)->Arg(2000);
BENCHMARK(BM_PugixmlPrintRaw)->Arg(2000);
BENCHMARK(BM_PugixmlPrintIndented)->Arg(2000);
BENCHMARK(BM_FormatFloat);
BENCHMARK(BM_PackArchive)->Arg(20000);
BENCHMARK_MAIN();
