#pragma once
// The one entry point of every benchmark program: Qt's offscreen platform
// (unless a platform is set), an application object, then Google Benchmark.

#include "framework/Application.h"

#include <benchmark/benchmark.h>
#include <functional>

inline int RunBenchmarks(int argc, char** argv, const std::function<void()>& setup = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    if (setup)
        setup();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
