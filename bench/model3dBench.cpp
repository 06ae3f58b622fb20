// The 3D model base against the number of planes N: scaleChildren over an "ITEMS" list of N
// offset planes, each scaled through dispatch by key word (its matrix and its distance). The
// closing table shows each doubling of N as a ratio of times (2^k for growth exponent k) and
// 64,000 over 1,000 (64^k); and the cost of one dispatched scale against a direct virtual call
// of the plane's own body. For information.
#include <benchmark/benchmark.h>

#include <iterator>
#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "model3d/planes/m3dPlaneC.h"

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

}  // namespace

BENCHMARK(model3dScaleChildren)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)->Arg(64000);
BENCHMARK(model3dDispatchedScale);
BENCHMARK(model3dDirectScale);
