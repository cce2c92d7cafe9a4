#pragma once
// The window benchmarks' main: an application offscreen (unless a platform is named), then
// the benchmarks the command line asks for.

#include <QApplication>
#include <benchmark/benchmark.h>

// The exit code: 1 when the command line holds what no benchmark option is.
inline int RunOffscreenBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
