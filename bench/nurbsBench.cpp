// The NURBS kernel against the number of control points N: curvePoint and curveDerivs(t, 2) for
// degrees 1, 3 and 7 with N from 8 to 4,096, projectPoint (degree 3) on the same curves, and
// invertPoint on bicubic nets of N x N from 4 to 256. The closing table shows the largest size
// over the smallest as a ratio of times: near 1 for the evaluations (the span search is
// logarithmic), and the growth of the sample searches that the projection and the inversion
// start from (their samples are built once, before the timing). For information.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "bench/comparisonTable.h"
#include "model3d/nurbs/nurbCurveC.h"
#include "model3d/nurbs/nurbSurfaceDataCacheC.h"

namespace {

memManDataPoolC<double> clampedKnots(uint32_t count, uint32_t degree) {
  memManDataPoolC<double> knots(count + degree + 1);
  const uint32_t spans = count - degree;
  for (uint32_t i = 0; i < count + degree + 1; ++i) {
    const uint32_t step = i <= degree ? 0 : (i >= count ? spans : i - degree);
    knots.data[i] = double(step) / spans;
  }
  return knots;
}

nurbCurveC helix(uint32_t count, uint32_t degree) {
  pageMemT<vectorC3d<double>, 3> points;
  memManDataPoolC<double> weights(count);
  for (uint32_t i = 0; i < count; ++i) {
    *points.newElement() = vectorC3d<double>(std::cos(i * 0.3), std::sin(i * 0.3), i * 0.01);
    weights.data[i] = 1.0 + 0.25 * (i % 3);
  }
  return nurbCurveC(degree, clampedKnots(count, degree), points, weights);
}

nurbSurfaceDataCacheC wavyNet(uint32_t n) {
  pageMemT<vectorC3d<double>, 3> points;
  memManDataPoolC<double> weights(n * n);
  for (uint32_t i = 0; i < n; ++i)
    for (uint32_t j = 0; j < n; ++j) {
      *points.newElement() = vectorC3d<double>(i, j, std::sin(i * 0.5) * std::cos(j * 0.5));
      weights.data[i * n + j] = 1.0;
    }
  return nurbSurfaceDataCacheC(3, 3, 0, 0, clampedKnots(n, 3), clampedKnots(n, 3), n, n, points, weights);
}

// Parameters spread over the range, so that every span size is met.
double parameterAt(uint64_t call) { return double((call * 7919) % 1000) / 999.0; }

void nurbsCurvePoint(benchmark::State& state) {
  const nurbCurveC curve = helix(uint32_t(state.range(1)), uint32_t(state.range(0)));
  uint64_t call = 0;
  for (auto _ : state) benchmark::DoNotOptimize(curve.curvePoint(parameterAt(call++)));
}

void nurbsCurveDerivs(benchmark::State& state) {
  const nurbCurveC curve = helix(uint32_t(state.range(1)), uint32_t(state.range(0)));
  pageMemT<vectorC3d<double>, 3> list;
  uint64_t call = 0;
  for (auto _ : state) {
    curve.curveDerivs(parameterAt(call++), 2, list);
    benchmark::DoNotOptimize(list[2]);
  }
}

void nurbsProjectPoint(benchmark::State& state) {
  const nurbCurveC curve = helix(uint32_t(state.range(0)), 3);
  double t = 0;
  vectorC3d<double> point;
  double distance = 0;
  curve.projectPoint(vectorC3d<double>(2, 0, 0), t, point, distance, 1e-10, 1e-10, 100);
  uint64_t call = 0;
  for (auto _ : state) {
    const vectorC3d<double> target = curve.curvePoint(parameterAt(call++));
    curve.projectPoint(vectorC3d<double>(target.x * 1.1, target.y * 1.1, target.z), t, point, distance, 1e-10,
                       1e-10, 100);
    benchmark::DoNotOptimize(distance);
  }
}

void nurbsInvertPoint(benchmark::State& state) {
  const nurbSurfaceDataCacheC surface = wavyNet(uint32_t(state.range(0)));
  double u = 0;
  double v = 0;
  surface.invertPoint(vectorC3d<double>(0, 0, 0), u, v, 100);
  uint64_t call = 0;
  int found = 0;
  for (auto _ : state) {
    const vectorC3d<double> target = surface.surfacePoint(parameterAt(call), parameterAt(call + 500));
    ++call;
    found += surface.invertPoint(target, u, v, 100);
  }
  if (found != int(state.iterations())) state.SkipWithError("a surface point did not invert");
}

bool registerNurbsRows() {
  int order = 140;
  for (const char* operation : {"curvePoint", "curveDerivs"})
    for (int degree : {1, 3, 7}) {
      std::string stem = std::string("nurbs") + operation + "/" + std::to_string(degree) + "/";
      stem[5] = char(stem[5] - 'a' + 'A');
      registerComparison({order++, std::string(operation) + " degree " + std::to_string(degree) + " N 4096/8",
                          stem + "4096", stem + "8", ratioKindE::slowdown, 0});
    }
  registerComparison({order++, "projectPoint degree 3 N 4096/8", "nurbsProjectPoint/4096", "nurbsProjectPoint/8",
                      ratioKindE::slowdown, 0});
  registerComparison({order++, "invertPoint bicubic net 256x256/4x4", "nurbsInvertPoint/256", "nurbsInvertPoint/4",
                      ratioKindE::slowdown, 0});
  return true;
}

const bool rowsRegistered = registerNurbsRows();

}  // namespace

BENCHMARK(nurbsCurvePoint)->ArgsProduct({{1, 3, 7}, {8, 64, 512, 4096}});
BENCHMARK(nurbsCurveDerivs)->ArgsProduct({{1, 3, 7}, {8, 64, 512, 4096}});
BENCHMARK(nurbsProjectPoint)->Arg(8)->Arg(64)->Arg(512)->Arg(4096);
BENCHMARK(nurbsInvertPoint)->Arg(4)->Arg(16)->Arg(64)->Arg(256);
