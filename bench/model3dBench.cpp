// The 3D model base against the number of planes N: scaleChildren over an "ITEMS" list of N
// offset planes, each scaled through dispatch by key word (its matrix and its distance). The
// closing table shows each doubling of N as a ratio of times (2^k for growth exponent k) and
// 64,000 over 1,000 (64^k); and the cost of one dispatched scale against a direct virtual call
// of the plane's own body. Then the sketch loop repair (fixSketchEpsilon) on a loop of N lines,
// every other one shorter than the epsilon, and the thread computation (computeThreads) over N
// walls, N = 1,000 to 32,000: time per N and 32,000 over 1,000 (32^k). Then the pattern split
// of M patterns of 4 instances each and of one pattern of N instances, and an assembly's unit
// change over N members with their parts, M, N = 100 to 32,000: time per size and 32,000 over
// 100 (320^k). For information.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <iterator>
#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "model3d/assemblies/m3dAsmC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/planes/m3dPlaneC.h"
#include "model3d/sketches/m3dSketchC.h"

namespace {

constexpr int sizes[] = {1000, 2000, 4000, 8000, 16000, 32000, 64000};

metaTreeC* offsetPlanes(int n) {
  std::string text = "ITEMS{";
  for (int i = 0; i < n; ++i)
    text += "PLANE{TYP{OFF_TO_PLANE},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1},PARAM{0,5,\"R\"}}";
  text += "}";
  metaObjectC items = metaObjectC::readFromString(text.c_str(), 0);
  return items.getNode();
}

// Alternating factors keep the numbers where they started.
void model3dScaleChildren(benchmark::State& state) {
  const int n = int(state.range(0));
  metaTreeC* items = offsetPlanes(n);
  m3dGeomOpBaseC list(items, 0);
  double factor = 2.0;
  for (auto _ : state) {
    list.scaleChildren(factor);
    factor = 1.0 / factor;
  }
  if (m3dPlaneC(items->firstChild, 0).getFrame().values[14] != (factor == 2.0 ? 5.0 : 10.0))
    state.SkipWithError("the planes were not scaled");
  metaTreeC::deleteTree(items);
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

metaTreeC* onePlane() { return offsetPlanes(1); }

void model3dDispatchedScale(benchmark::State& state) {
  metaTreeC* items = onePlane();
  m3dGeomOpBaseC plane(items->firstChild, 0);
  double factor = 2.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(plane.scale(factor));
    factor = 1.0 / factor;
  }
  metaTreeC::deleteTree(items);
}

void model3dDirectScale(benchmark::State& state) {
  metaTreeC* items = onePlane();
  m3dPlaneC concrete(items->firstChild, 0);
  m3dGeomOpBaseC& plane = concrete;
  benchmark::DoNotOptimize(&plane);
  double factor = 2.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(plane.scale(factor));
    factor = 1.0 / factor;
  }
  metaTreeC::deleteTree(items);
}

constexpr int sketchSizes[] = {1000, 2000, 4000, 8000, 16000, 32000};

// A closed zigzag of n lines (n even): long steps along x alternate with short ones up, so the
// repair removes every short one and joins the long ones around it.
std::string zigzagLoop(int n) {
  std::string text = "LOOP{";
  double x = 0.0, y = 0.0;
  for (int i = 0; i + 1 < n; ++i) {
    const double nx = i % 2 ? x : x + 10.0;
    const double ny = i % 2 ? y + 0.001 : y;
    text += "LINE{POINT{" + std::to_string(x) + "," + std::to_string(y) + "},POINT{" + std::to_string(nx) + "," +
            std::to_string(ny) + "}},";
    x = nx;
    y = ny;
  }
  text += "LINE{POINT{" + std::to_string(x) + "," + std::to_string(y) + "},POINT{0,0}}}";
  return text;
}

void model3dFixSketchEpsilon(benchmark::State& state) {
  const int n = int(state.range(0));
  metaObjectC source = metaObjectC::readFromString(("SKETCH{" + zigzagLoop(n) + "}").c_str(), 1);
  for (auto _ : state) {
    state.PauseTiming();
    metaObjectC sketch(source, 1);
    state.ResumeTiming();
    if (m3dSketchC(sketch.getNode(), 0).fixSketchEpsilon(0.01) != n / 2 - 1) state.SkipWithError("the loop was not repaired");
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

// A part whose sketch holds n walls along the axis, each at its own distance below it, and a
// cosmetic sketch with one line beside the first.
std::string threadPart(int n) {
  std::string text = "PART{ITEMS{SKETCH{NAME{\"S\"},LOOP{";
  for (int i = 0; i < n; ++i) {
    const std::string y = std::to_string(-5.0 - i);
    text += "LINE{POINT{0," + y + "},POINT{20," + y + "}},";
  }
  text += "}}},COSDRAW{COSSKETCH{NAME{\"S_COSMETIC\"},CENTER{POINT{0,0},POINT{1,0}},COSSHAPES{LINE{POINT{2,-4},POINT{12,-4}}}}}}";
  return text;
}

void model3dComputeThreads(benchmark::State& state) {
  const int n = int(state.range(0));
  metaObjectC part = metaObjectC::readFromString(threadPart(n).c_str(), 1);
  m3dCosSketchC cosmetic = m3dPartC(part.getNode(), 0).getCosmeticDraws().itemAt(0);
  for (auto _ : state) {
    const cosThreadListC threads = cosmetic.computeThreads();
    if (threads.elementCount != uint32_t(n)) state.SkipWithError("a wall gave no thread");
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

// A part whose feature F is repeated by `patterns` patterns of `instances` points each.
std::string patternPart(int patterns, int instances) {
  std::string text =
      "PART{ITEMS{SKETCH{NAME{\"S\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},LOOP{CIRCLE{POINT{0,0},RAD{1}}}},"
      "BASE{NAME{\"F\"},TYP{EXTRUDE},USED{\"S\"},PARAM{5,0,0}}";
  std::string points;
  for (int k = 1; k <= instances; ++k) points += "POINT{" + std::to_string(10 * k) + ",0},";
  for (int p = 0; p < patterns; ++p)
    text += ",FEATPATTERN{NAME{\"P" + std::to_string(p) +
            "\"},FPBASEFEAT{NAME{\"F\"},POINT3D{0,0,0}},FPSKETCH{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},FPSKETCHPOINTS{" +
            points + "}}}";
  text += "},COSDRAW{COSSKETCH{NAME{\"S_COSMETIC\"}}}}";
  return text;
}

void splitPatterns(benchmark::State& state, int patterns, int instances) {
  const metaObjectC source = metaObjectC::readFromString(patternPart(patterns, instances).c_str(), 1);
  for (auto _ : state) {
    state.PauseTiming();
    metaObjectC part(source, 1);
    state.ResumeTiming();
    if (m3dPartC(part.getNode(), 0).getItems().splitFeaturePatterns() != 1) state.SkipWithError("no pattern was split");
    state.PauseTiming();
    part = metaObjectC();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * patterns * instances);
}

void model3dSplitPatterns(benchmark::State& state) { splitPatterns(state, int(state.range(0)), 4); }

void model3dSplitPatternInstances(benchmark::State& state) { splitPatterns(state, 1, int(state.range(0))); }

void model3dAssemblyUnitBase(benchmark::State& state) {
  const int n = int(state.range(0));
  std::string text = "ASSEMBLY{";
  for (int i = 0; i < n; ++i)
    text += "MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0," + std::to_string(i) +
            ",0,0,1},PART{ITEMS{PLANE{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1}}}}},";
  text += "MATES{TRANSZ{MEMBER{\"A@1\",\"B@2\"},VALUE{1}}}}";
  metaObjectC assembly = metaObjectC::readFromString(text.c_str(), 1);
  m3dAsmC view(assembly.getNode(), 0);
  double unit = 1.0;
  for (auto _ : state) {
    unit = unit == 1.0 ? 2.0 : 1.0;
    view.adjustDocumentUnitBase(unit, 1);
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

struct growthPairS {
  int larger, smaller;
  const char* growth;
};

// One row per pair of sizes: the larger size's time over the smaller's, the label on the first.
template <size_t count>
void registerGrowthRows(int& order, const char* benchmark, const char* label, const char* unit,
                        const growthPairS (&pairs)[count]) {
  auto name = [benchmark](int n) { return std::string(benchmark) + "/" + std::to_string(n); };
  bool first = true;
  for (const growthPairS& pair : pairs) {
    const std::string title = (first ? std::string(label) + " " : std::string("  ")) + std::to_string(pair.larger) + "/" +
                              std::to_string(pair.smaller) + " " + unit + " (" + pair.growth + ")";
    registerComparison({order++, title, name(pair.larger), name(pair.smaller), ratioKindE::slowdown, 0});
    first = false;
  }
}

// Four rows a benchmark: 4000/1000 and 16000/4000 (4^k), 32000/16000 (2^k), 32000/1000 (32^k).
constexpr growthPairS doublingPairs[] = {
    {4000, 1000, "4^k"}, {16000, 4000, "4^k"}, {32000, 16000, "2^k"}, {32000, 1000, "32^k"}};

bool registerSketchRows() {
  int order = 120;
  registerGrowthRows(order, "model3dFixSketchEpsilon", "3D fixSketchEpsilon", "lines", doublingPairs);
  registerGrowthRows(order, "model3dComputeThreads", "3D computeThreads", "walls", doublingPairs);
  return true;
}

// Three rows a benchmark: 3200/100 (32^k), 32000/3200 (10^k), 32000/100 (320^k).
constexpr growthPairS splitPairs[] = {{3200, 100, "32^k"}, {32000, 3200, "10^k"}, {32000, 100, "320^k"}};

bool registerPartOperationRows() {
  int order = 130;
  registerGrowthRows(order, "model3dSplitPatterns", "3D splitFeaturePatterns", "patterns of 4", splitPairs);
  registerGrowthRows(order, "model3dSplitPatternInstances", "3D splitFeaturePatterns", "instances", splitPairs);
  registerGrowthRows(order, "model3dAssemblyUnitBase", "3D assembly adjustDocumentUnitBase", "members", splitPairs);
  return true;
}

bool registerModel3dRows() {
  const size_t last = std::size(sizes) - 1;
  int order = 110;
  auto name = [](int n) { return "model3dScaleChildren/" + std::to_string(n); };
  for (size_t i = 1; i <= last; ++i) {
    const std::string title = (i == 1 ? std::string("3D scaleChildren ") : std::string("  ")) +
                              std::to_string(sizes[i]) + "/" + std::to_string(sizes[i - 1]) + " planes (2^k)";
    registerComparison({order++, title, name(sizes[i]), name(sizes[i - 1]), ratioKindE::slowdown, 0});
  }
  registerComparison({order++, "  64000/1000 planes (64^k)", name(sizes[last]), name(sizes[0]), ratioKindE::slowdown, 0});
  registerComparison({order++, "3D scale dispatched / direct virtual call", "model3dDispatchedScale",
                      "model3dDirectScale", ratioKindE::slowdown, 0});
  return true;
}

const bool rowsRegistered = registerModel3dRows();
const bool sketchRowsRegistered = registerSketchRows();
const bool partOperationRowsRegistered = registerPartOperationRows();

}  // namespace

BENCHMARK(model3dScaleChildren)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)->Arg(64000);
BENCHMARK(model3dDispatchedScale);
BENCHMARK(model3dDirectScale);
BENCHMARK(model3dFixSketchEpsilon)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000);
BENCHMARK(model3dComputeThreads)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000);
BENCHMARK(model3dSplitPatterns)->Arg(100)->Arg(3200)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(model3dSplitPatternInstances)->Arg(100)->Arg(3200)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(model3dAssemblyUnitBase)->Arg(100)->Arg(3200)->Arg(32000)->Unit(benchmark::kMillisecond);
