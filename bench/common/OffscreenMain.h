// The main of benchmarks that paint or lay out text: a Qt application on the offscreen platform
// (unless another is asked for), then the benchmarks.
#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>

template <class Application>
int RunOffscreenBenchmarks(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
