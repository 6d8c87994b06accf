// Benchmark entry: a QGuiApplication first (fonts, painting), then Google Benchmark.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
