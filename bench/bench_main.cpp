// The one main of the benchmark programs: a Qt core application first, for the benchmarks that
// need its event loop (the runner's stop, the rebuild against razoz-server) or its paths, then
// the benchmark library's own run.
#include <QCoreApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
