// For the pairs whose ratio swings from one run to the next (the machine's load, where the
// heaps' pages fall): each side runs medianRuns times and the comparison table takes its
// median, so that one run of the benchmark binary decides the row. Use it on both sides of a
// pair: BENCHMARK(ours)->Apply(medianOfRuns).
#pragma once

#include <benchmark/benchmark.h>

constexpr int medianRuns = 5;

// Only the aggregates are reported; the table reads the median of them.
inline void medianOfRuns(benchmark::internal::Benchmark* benchmark) {
  benchmark->Repetitions(medianRuns)->ReportAggregatesOnly(true);
}
