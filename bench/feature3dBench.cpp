// A sketch's fixSketchEpsilon called by name through Invoke, as a script calls it, on a loop of
// N lines of which every second is shorter than the epsilon, N = 250 to 4,000. The closing
// table shows each doubling of N as a ratio of times (2^k for growth exponent k) and 4,000
// over 250 (16^k). For information.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "mzcom/mzVariantS.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy3d/prxm3dSketchC.h"

namespace {

constexpr int epsilonSizes[] = {250, 500, 1000, 2000, 4000};

// A closed staircase of n lines (n even): steps of 10 along x alternate with rises of 0.001,
// and the last line runs back to the start.
std::string staircaseSketch(int n) {
  std::string text = "SKETCH{LOOP{";
  double x = 0.0, y = 0.0;
  for (int i = 0; i + 1 < n; ++i) {
    const double nx = i % 2 ? x : x + 10.0;
    const double ny = i % 2 ? y + 0.001 : y;
    text += "LINE{POINT{" + std::to_string(x) + "," + std::to_string(y) + "},POINT{" + std::to_string(nx) + "," +
            std::to_string(ny) + "}},";
    x = nx;
    y = ny;
  }
  return text + "LINE{POINT{" + std::to_string(x) + "," + std::to_string(y) + "},POINT{0,0}}}}";
}

// Every run repairs a fresh copy of the sketch; the copy and the sketch object are made outside
// the timing.
void sketchScriptFixEpsilon(benchmark::State& state) {
  const int n = int(state.range(0));
  const metaObjectC source = metaObjectC::readFromString(staircaseSketch(n).c_str(), 1);
  mzVariantS epsilon;
  epsilon.setDouble(0.01);
  for (auto _ : state) {
    state.PauseTiming();
    metaObjectC copy(source, 1);
    mzSmartPtr<mzIDispatch> sketch(new prxm3dSketchC(metaObjectC(copy.getNode(), 0)));
    mzVariantS result;
    state.ResumeTiming();
    if (sketch->Invoke("fixSketchEpsilon", mzInvokeMethod, 1, &epsilon, &result, nullptr) != 0 ||
        result.type != mzVariantS::typeInt || result.intValue != n / 2 - 1)
      state.SkipWithError("the loop was not repaired");
    state.PauseTiming();
    sketch.assign(nullptr, false);
    copy = metaObjectC();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

bool registerSketchEpsilonRows() {
  int order = 190;
  auto name = [](int n) { return "sketchScriptFixEpsilon/" + std::to_string(n); };
  for (size_t i = 1; i < std::size(epsilonSizes); ++i) {
    const std::string title = (i == 1 ? std::string("3D script fixSketchEpsilon ") : std::string("  ")) +
                              std::to_string(epsilonSizes[i]) + "/" + std::to_string(epsilonSizes[i - 1]) +
                              " lines (2^k)";
    registerComparison({order++, title, name(epsilonSizes[i]), name(epsilonSizes[i - 1]), ratioKindE::slowdown, 0});
  }
  registerComparison({order++, "  4000/250 lines (16^k)", name(4000), name(250), ratioKindE::slowdown, 0});
  return true;
}

const bool sketchEpsilonRowsRegistered = registerSketchEpsilonRows();

}  // namespace

BENCHMARK(sketchScriptFixEpsilon)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000);
