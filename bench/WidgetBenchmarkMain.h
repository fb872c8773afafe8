#pragma once

// The main of a benchmark program that needs widgets: benchmark_main's has no
// application object. The application lives on main's stack, not in a static:
// a static one is destroyed by the exit handlers after Qt's own globals (the
// list of input devices) that its destructor still uses, and the program
// crashed at exit.
#include <QApplication>

#include <benchmark/benchmark.h>

#define ROTAMIND_WIDGET_BENCHMARK_MAIN()                                                           \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&                                              \
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                    \
            return 1;                                                                              \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
