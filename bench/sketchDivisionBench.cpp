// The sketch division engine's loop algorithms against the number of lines N: the chain in
// boundary order of a closed loop stored in shuffled order and directions, and the split of a
// zigzag loop by one cut through every tooth. The chain looks curves up by point through grids
// of their ends and the split visits each curve a fixed number of times and sorts the
// crossings, so both grow about as N. The closing table shows each doubling of N as a ratio of
// times (2^k for growth exponent k); the chain's 16-fold input may take at most 25 times as long.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "bench/comparisonTable.h"
#include "sketchdiv/IRILostObjectsCollector.h"
#include "sketchdiv/RIBaseObjectChain.h"
#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchGeoLoop.h"

namespace {

constexpr int sizes[] = {250, 500, 1000, 2000, 4000};

// A regular polygon of n sides, its sides stored in shuffled order, every other one reversed.
RISketchGeoLoop shuffledPolygon(int n) {
  std::vector<int> order(n);
  for (int i = 0; i < n; ++i) order[i] = i;
  std::mt19937 random(12345);
  std::shuffle(order.begin(), order.end(), random);
  auto corner = [n](int i) {
    const double angle = 6.283185307179586 * i / n;
    return vectorC2d<double>(1000.0 * std::cos(angle), 1000.0 * std::sin(angle));
  };
  RISketchGeoLoop loop;
  for (int k = 0; k < n; ++k) {
    const int i = order[k];
    if (random() % 2) loop.addLine(corner(i + 1), corner(i), i);
    else loop.addLine(corner(i), corner(i + 1), i);
  }
  return loop;
}

// n lines: n - 3 teeth between y = 1 and y = 2, closed by the right side, the bottom and the
// left side.
RISketchGeoLoop zigzag(int n) {
  const int teeth = n - 3;
  RISketchGeoLoop loop;
  auto tooth = [](int i) { return vectorC2d<double>(i, i % 2 ? 2.0 : 1.0); };
  for (int i = 0; i < teeth; ++i) loop.addLine(tooth(i), tooth(i + 1), i);
  loop.addLine(tooth(teeth), vectorC2d<double>(teeth, 0.0), teeth);
  loop.addLine(vectorC2d<double>(teeth, 0.0), vectorC2d<double>(0.0, 0.0), teeth + 1);
  loop.addLine(vectorC2d<double>(0.0, 0.0), tooth(0), teeth + 2);
  return loop;
}

class collectorC : public IRILostObjectsCollector {
 public:
  RILostObjectOrphanage* getOrphanage() override { return &orphanage; }
  RILostObjectOrphanage orphanage;
};

void sketchBuildChain(benchmark::State& state) {
  const int n = int(state.range(0));
  RISketchGeoLoop loop = shuffledPolygon(n);
  for (auto _ : state) {
    RIBaseObjectChain* head = nullptr;
    loop.buildChain(head);
    benchmark::DoNotOptimize(head);
    delete head;
  }
  RIBaseObjectChain* head = nullptr;
  loop.buildChain(head);
  int nodes = 0;
  for (RIBaseObjectChain* node = head; node; node = node->getNext()) nodes += node->getObject() != nullptr;
  delete head;
  if (nodes != n) state.SkipWithError("the chain does not hold every side once");
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

void sketchSplitZigzag(benchmark::State& state) {
  const int n = int(state.range(0));
  const RISketchGeoLoop loop = zigzag(n);
  const RISketchGeoLine cut(vectorC2d<double>(-10.0, 1.5), vectorC2d<double>(n + 10.0, 1.5));
  collectorC collector;
  sketchListT<RISketchGeoLoop> out;
  for (auto _ : state) {
    out.clear();
    loop.splitByCut(cut, out, true, 0, &collector);
    benchmark::DoNotOptimize(out.count());
  }
  // Every tooth is cut: its two halves go to the two sides, and the crossings pair up.
  if (out.count() != 2 || out[0].lineCount() + out[1].lineCount() < uint32_t(2 * n) ||
      collector.orphanage.lineCount() != 0)
    state.SkipWithError("the split lost or doubled lines");
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

bool registerSketchRows() {
  struct {
    const char* name;
    const char* title;
    double mostGrowth;  // of the whole range of sizes; none when 0
  } families[] = {{"sketchBuildChain", "sketch chain, shuffled", 25}, {"sketchSplitZigzag", "sketch split, zigzag", 0}};
  const size_t last = std::size(sizes) - 1;
  int order = 90;
  auto name = [](const char* family, int n) { return std::string(family) + "/" + std::to_string(n); };
  for (const auto& family : families) {
    for (size_t i = 1; i <= last; ++i) {
      const std::string title = (i == 1 ? std::string(family.title) + " " : std::string("  ")) +
                                std::to_string(sizes[i]) + "/" + std::to_string(sizes[i - 1]) + " lines (2^k)";
      registerComparison(
          {order++, title, name(family.name, sizes[i]), name(family.name, sizes[i - 1]), ratioKindE::slowdown, 0});
    }
    registerComparison({order++,
                        "  " + std::to_string(sizes[last]) + "/" + std::to_string(sizes[0]) + " lines (" +
                            std::to_string(sizes[last] / sizes[0]) + "^k)",
                        name(family.name, sizes[last]), name(family.name, sizes[0]), ratioKindE::slowdown,
                        family.mostGrowth});
  }
  return true;
}

void everySize(benchmark::internal::Benchmark* benchmark) {
  for (int n : sizes) benchmark->Arg(n);
}

BENCHMARK(sketchBuildChain)->Apply(everySize)->Unit(benchmark::kMillisecond);
BENCHMARK(sketchSplitZigzag)->Apply(everySize)->Unit(benchmark::kMicrosecond);

}  // namespace

static const bool sketchRows = registerSketchRows();
