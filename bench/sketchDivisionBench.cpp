// The sketch division engine's loop algorithms against the number of lines N: the chain in
// boundary order of a closed loop stored in shuffled order and directions, and the split of a
// zigzag loop by one cut through every tooth. The chain looks curves up by point through grids
// of their ends and the split visits each curve a fixed number of times and sorts the
// crossings, so both grow about as N. The closing table shows each doubling of N as a ratio of
// times (2^k for growth exponent k); the chain's 16-fold input may take at most 25 times as long.
//
// The whole division against the number of islands N: "DivideSketch" of the divider's script
// object on a part whose sketch is the rectangle (0,0)-(2N+1,4) with the N islands
// (2k+1,1)-(2k+2,3), limit 15, and the desk alone on that sketch (intake, division, conversion
// of the pieces). Each island becomes a piece of its own. The neighbourhood order tests only the
// pieces a sweep along the row finds near each other, which grows about as N. Placing the
// island cuts asks only the curves near each cut, the rebuild by chains walks each chain among
// the curves near it, and a cut beside the rest of the row leaves it untouched, so these grow
// about as N; what still grows as N^2, with a small factor, is the slicing of the row's upper
// half one island at a time: each cut moves the islands not yet cut off to the new last piece.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy3d/prxm3dObjectFactoryC.h"
#include "proxy3d/prxm3dPartC.h"
#include "proxy3d/prxm3dSketchDividerC.h"
#include "sketchdiv/RISketchGeoDesk.h"
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

constexpr int islandCounts[] = {16, 32, 64, 128, 256, 512, 1024};

std::string lineText(double x1, double y1, double x2, double y2) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "LINE{POINT{%g,%g},POINT{%g,%g}}", x1, y1, x2, y2);
  return buffer;
}

std::string rectangleText(double x1, double y1, double x2, double y2) {
  std::string text("LOOP{");
  text.append(lineText(x1, y1, x2, y1)).append(",").append(lineText(x2, y1, x2, y2)).append(",");
  text.append(lineText(x2, y2, x1, y2)).append(",").append(lineText(x1, y2, x1, y1)).append("}");
  return text;
}

// The sketch of n islands in a row inside one rectangle.
std::string islandsSketch(int n) {
  std::string text(R"(SKETCH{NAME{"S"},)");
  text.append(rectangleText(0, 0, 2 * n + 1, 4));
  for (int k = 0; k < n; ++k) text.append(",").append(rectangleText(2 * k + 1, 1, 2 * k + 2, 3));
  return text.append("}");
}

void sketchDivideIslands(benchmark::State& state) {
  const int n = int(state.range(0));
  const metaObjectC part(metaObjectC::readFromString(
      ("PART{ITEMS{" + islandsSketch(n) + R"(,BASE{NAME{"F"},TYP{EXTRUDE},USED{"S"},PARAM{5,0,0}}}})").c_str(), 1));
  mzSmartPtr<mzIDispatch> divider(new prxm3dSketchDividerC(1), false);
  uint32_t pieces = 0;
  for (auto _ : state) {
    state.PauseTiming();
    mzSmartPtr<mzIDispatch> copy(new prxm3dPartC(metaObjectC(metaTreeC::deepCopyNode(part.getNode()), 1)));
    mzVariantS argument(static_cast<mzIUnknown*>(copy.get()));
    mzVariantS result;
    state.ResumeTiming();
    if (divider->Invoke("DivideSketch", mzInvokeMethod, 1, &argument, &result, nullptr) != 0 ||
        result.type != mzVariantS::typeInt || result.intValue != 0)
      state.SkipWithError("DivideSketch failed");
    state.PauseTiming();
    // The numbered sketches and their feature copies.
    const metaTreeC* items = static_cast<prxm3dPartC*>(copy.get())->getMetaObjectNode()->firstChild;
    pieces = 0;
    for (const metaTreeC* item = items->firstChild; item; item = item->next) pieces += item->hasKeyword("SKETCH");
    argument.clear();
    copy.release();
    state.ResumeTiming();
  }
  state.counters["pieces"] = pieces;
}

void sketchDeskIslands(benchmark::State& state) {
  const int n = int(state.range(0));
  const metaObjectC tree(metaObjectC::readFromString(islandsSketch(n).c_str(), 1));
  m3dSketchC sketch(tree.getNode(), 0);
  RISketchGeoDesk desk;
  uint32_t pieces = 0;
  for (auto _ : state) {
    desk.clear();
    sketchListT<m3dSketchC> results;
    if (!desk.addSketch(sketch) || desk.divide() != 0 || !desk.getResults(results))
      state.SkipWithError("the desk did not divide the sketch whole");
    pieces = results.count();
  }
  state.counters["pieces"] = pieces;
}

void everyIslandCount(benchmark::internal::Benchmark* benchmark) {
  for (int n : islandCounts) benchmark->Arg(n);
}

BENCHMARK(sketchDivideIslands)->Apply(everyIslandCount)->Unit(benchmark::kMillisecond)->MinTime(0.2);
BENCHMARK(sketchDeskIslands)->Apply(everyIslandCount)->Unit(benchmark::kMillisecond)->MinTime(0.2);

// Rows 200-210: each doubling of N for DivideSketch, the last doubling of the desk alone, the
// share of the desk in DivideSketch, the pieces at the smallest and largest N, and the growth
// over sixteen times the islands.
bool registerDivisionRows() {
  auto name = [](const char* family, int n) { return std::string(family) + "/" + std::to_string(n) + "/min_time:0.200"; };
  const size_t last = std::size(islandCounts) - 1;
  int order = 200;
  for (size_t i = 1; i <= last; ++i) {
    const std::string title = (i == 1 ? std::string("DivideSketch ") : std::string("  ")) +
                              std::to_string(islandCounts[i]) + "/" + std::to_string(islandCounts[i - 1]) +
                              " islands (2^k)";
    registerComparison({order++, title, name("sketchDivideIslands", islandCounts[i]),
                        name("sketchDivideIslands", islandCounts[i - 1]), ratioKindE::slowdown, 0});
  }
  registerComparison({order++, "desk alone 1024/512 islands (2^k)", name("sketchDeskIslands", islandCounts[last]),
                      name("sketchDeskIslands", islandCounts[last - 1]), ratioKindE::slowdown, 0});
  registerComparison({order++, "DivideSketch / desk alone, 1024 islands", name("sketchDivideIslands", islandCounts[last]),
                      name("sketchDeskIslands", islandCounts[last]), ratioKindE::slowdown, 0});
  registerFigure({order++, "pieces of DivideSketch, 16 islands", name("sketchDivideIslands", islandCounts[0]), "pieces",
                  "pieces", 16});
  registerFigure({order++, "pieces of DivideSketch, 1024 islands", name("sketchDivideIslands", islandCounts[last]),
                  "pieces", "pieces", 1024});
  // Sixteen times the islands in at most 25 times the time.
  registerComparison({order++, "DivideSketch 1024/64 islands (16^k)", name("sketchDivideIslands", islandCounts[last]),
                      name("sketchDivideIslands", islandCounts[2]), ratioKindE::slowdown, 25});
  return true;
}

}  // namespace

static const bool sketchRows = registerSketchRows();
static const bool divisionRows = registerDivisionRows();
