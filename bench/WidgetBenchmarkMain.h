#pragma once
// The main of a benchmark program whose code needs the widgets: the string component
// registered in the program's own registry file, an application on the offscreen
// platform (unless another one is asked for), then every benchmark given. The program's
// commands and session are joined to its windows as at start (TestWindows.h).
#include "OwnRegistration.h"

#include <benchmark/benchmark.h>

#include <QApplication>

inline int runWidgetBenchmarks(int argc, char** argv)
{
    const OwnRegistration registration;
    // The windows are never shown; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
