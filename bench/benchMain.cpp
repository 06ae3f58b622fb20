// Runs every benchmark in one process, then prints the comparison table. Benchmark flags
// (--benchmark_filter, --benchmark_repetitions, ...) work as usual.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <iostream>

#include "bench/allocatorPeers.h"
#include "bench/comparisonTable.h"

int main(int argc, char** argv) {
#ifndef NDEBUG
  std::cerr << "warning: the library was built without optimisation; build with -DCMAKE_BUILD_TYPE=Release\n";
#endif
  // Every figure would be glibc's no more.
  if (const char* problem = processAllocatorProblem()) {
    std::cerr << "rudezaze_bench: " << problem << '\n';
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  comparisonReporterC reporter(isatty(STDOUT_FILENO) != 0);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  int misses = reporter.printTable(std::cout);
  std::cout << (misses ? std::to_string(misses) + " target(s) missed\n" : std::string("every target met\n"));
  benchmark::Shutdown();
  return 0;
}
