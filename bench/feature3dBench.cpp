// A sketch's fixSketchEpsilon called by name through Invoke, as a script calls it, on a loop of
// N lines of which every second is shorter than the epsilon, N = 250 to 4,000. The closing
// table shows each doubling of N as a ratio of times (2^k for growth exponent k) and 4,000
// over 250 (16^k). For information.
//
// The body feature's Threads against the number of collinear pieces N its sketch wall is cut
// into, N = 250 to 4,000, called by name on the feature's script object with a host array
// attached. The pieces are listed in a scattered order (piece 7k mod N at place k), so the
// join of touching wall pieces, which scans the wall list from its end for each piece, finds
// a piece's neighbour about half way: quadratic, as that search is specified (in the order of
// the wall the neighbour is the next one tried and the join is linear). The closing table
// shows each doubling of N as a ratio of times (2^k for growth exponent k) and 4,000 over 250
// (16^k). For information.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy3d/prxm3dFeatBaseC.h"
#include "proxy3d/prxm3dSketchC.h"
#include "tests/proxy3d/fakeHostArray.h"
// g++ 12 at -O3 takes a string concatenation in the test engine for an overlapping copy
// (a false -Wrestrict, GCC bug 105329).
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#include "tests/mzcom/fakeEngine.h"
#pragma GCC diagnostic pop

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

namespace {

constexpr int threadPieceStride = 7;

// A part whose sketch wall y = -5 from x = 0 to n is n pieces of length 1, scattered, revolved
// by the base feature "B", with a cosmetic line beside it.
std::string threadPiecesPart(int n) {
  std::string text = "PART{ITEMS{SKETCH{NAME{\"S\"},LOOP{";
  for (int k = 0; k < n; ++k) {
    const int piece = int((int64_t(k) * threadPieceStride) % n);
    text += "LINE{POINT{" + std::to_string(piece) + ",-5},POINT{" + std::to_string(piece + 1) + ",-5}},";
  }
  text += "}},BASE{NAME{\"B\"},TYP{ROTATE},USED{\"S\"},PARAM{360,0,0}}},COSDRAW{COSSKETCH{NAME{\"S_COSMETIC\"},";
  text += "CENTER{POINT{0,0},POINT{1,0}},COSSHAPES{LINE{POINT{2,-4},POINT{12,-4}}}}}}";
  return text;
}

void feature3dThreadsOfPieces(benchmark::State& state) {
  const int n = int(state.range(0));
  metaObjectC part = metaObjectC::readFromString(threadPiecesPart(n).c_str(), 1);
  metaTreeC* base = metaObjectC(part.findChild("ITEMS"), 0).findChild("BASE");
  fakeHostArrayC array;
  fakeEngineC engine;
  engine.classObjects.push_back({mzIIDS("rudezaze.array"), &array});
  mzComInitRemoteEngine(&engine);
  {
    const mzSmartPtr<mzIDispatch> feature(new prxm3dFeatBaseC(metaObjectC(base, 0)));
    for (auto _ : state) {
      mzVariantS result;
      if (feature->Invoke("Threads", mzInvokePropertyGet, 0, nullptr, &result, nullptr) != 0 ||
          array.items.size() != 1)
        state.SkipWithError("the wall gave no single thread");
      array.items.clear();
    }
  }
  mzComTerminateRemoteEngine();
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

bool registerThreadsOfPiecesRows() {
  int order = 195;
  auto name = [](int n) { return "feature3dThreadsOfPieces/" + std::to_string(n); };
  const std::string title = "3D Threads, wall cut in ";
  for (int n = 500; n <= 4000; n *= 2)
    registerComparison({order++, (n == 500 ? title : std::string("  ")) + std::to_string(n) + "/" + std::to_string(n / 2) +
                                     " pieces (2^k)",
                        name(n), name(n / 2), ratioKindE::slowdown, 0});
  registerComparison({order++, "  4000/250 pieces (16^k)", name(4000), name(250), ratioKindE::slowdown, 0});
  return true;
}

const bool threadsOfPiecesRowsRegistered = registerThreadsOfPiecesRows();

}  // namespace

BENCHMARK(feature3dThreadsOfPieces)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000);
