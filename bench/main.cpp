#include "BenchFixtures.h"
#include "ImportQueueChild.h"
#include "base/MemoryTuning.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char** argv) {
    TuneMemoryForPictures();
    if (argc == 5 && std::strcmp(argv[1], kImportChildFlag) == 0) {
        QCoreApplication app(argc, argv);
        return RunImportQueueChild(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]),
                                   std::atoi(argv[4]));
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ReleaseBenchFixtures();
    benchmark::Shutdown();
    return 0;
}
