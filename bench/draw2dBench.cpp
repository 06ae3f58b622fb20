// How the cost of the 2D drawing members grows with the size of a drawing, called through
// Invoke as a script calls them: moving every shape of a figure, the bounding rectangle of a
// drawing's figures, converting every shape of a figure into lines and arcs, and fitting the
// shapes of an interpolated curve. Each runs for N = 1,000 to 64,000 (shapes, figures or
// points); the closing table states the time at 64,000 against the time at 1,000, where a cost
// that grows linearly gives 1/64.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/comparisonTable.h"
#include "draw2d/proxies/prxm2dObjectFactoryC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"

namespace {

using objectT = mzSmartPtr<mzIDispatch>;

// The object a call returned; empty when the call failed or returned none.
objectT invoke(const objectT& target, const char* name, uint32_t kind, uint32_t count = 0,
               mzVariantS* arguments = nullptr) {
  mzVariantS result;
  objectT object;
  if (!target || target->Invoke(name, kind, count, arguments, &result, nullptr) != 0) return object;
  if (result.type == mzVariantS::typeInterface && result.interfaceValue) {
    void* dispatch = nullptr;
    if (result.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) == 0)
      object.assign(static_cast<mzIDispatch*>(dispatch), false);
  }
  return object;
}

// F.<conversion>(F.createFromString(text)) through a new 2D factory F.
objectT convert(const char* conversion, const std::string& text) {
  objectT factory(static_cast<mzIDispatch*>(new prxm2dObjectFactoryC(0)));
  mzVariantS argument(text.c_str());
  objectT read = invoke(factory, "createFromString", mzInvokeMethod, 1, &argument);
  mzVariantS object;
  object.setDispatch(read.get());
  return invoke(factory, conversion, mzInvokeMethod, 1, &object);
}

std::string number(long value) { return std::to_string(value); }

// n shapes: lines and arcs of 10 degrees by turns, each beside the one before.
std::string shapes(long n) {
  std::string text;
  for (long i = 0; i < n; ++i) {
    const std::string x = number(i * 3);
    if (i % 2 == 0) text += "LINE{POINT{" + x + ",0}POINT{" + x + ",2}}";
    else text += "ARC{POINT{" + x + ",1}POINT{" + x + ".0038,1.0872}POINT{" + x + ".0152,1.1736}}";
  }
  return text;
}

void reportItems(benchmark::State& state) {
  state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0));
  state.SetComplexityN(state.range(0));
}

void moveItems(benchmark::State& state) {
  objectT figure = convert("tofigure", "FIGURE{FIGURITEMS{" + shapes(state.range(0)) + "}}");
  objectT items = invoke(figure, "FigureItems", mzInvokePropertyGet);
  if (!items) return state.SkipWithError("no figure items");
  mzVariantS offset[2];
  offset[0].setDouble(1.0);
  offset[1].setDouble(-1.0);
  for (auto _ : state) {
    mzVariantS result;
    uint32_t failed = items->Invoke("moveItems", mzInvokeMethod, 2, offset, &result, nullptr);
    benchmark::DoNotOptimize(failed);
  }
  reportItems(state);
}

// A new figure list each time: a list keeps the rectangle it computed first.
void drawingBoundRectMin(benchmark::State& state) {
  std::string text = "DRAWING{DRAWINGITEMS{";
  for (long i = 0; i < state.range(0); ++i)
    text += "FIGURE{FIGURITEMS{LINE{POINT{" + number(i) + ",0}POINT{0," + number(i) + "}}}}";
  objectT drawing = convert("todrawing", text + "}}");
  if (!drawing) return state.SkipWithError("no drawing");
  for (auto _ : state) {
    objectT corner = invoke(invoke(drawing, "DrawingItems", mzInvokePropertyGet), "BoundRectMin", mzInvokePropertyGet);
    benchmark::DoNotOptimize(corner.get());
  }
  reportItems(state);
}

// Lines and arcs give lines and arcs again, so every call converts all n shapes anew.
void acceptShapes(benchmark::State& state) {
  objectT figure = convert("tofigure", "FIGURE{FIGURITEMS{" + shapes(state.range(0)) + "}}");
  if (!figure) return state.SkipWithError("no figure");
  mzVariantS arguments[1];
  arguments[0].setInt(1);
  for (auto _ : state) {
    mzVariantS result;
    figure->Invoke("acceptShapes", mzInvokeMethod, 1, arguments, &result, nullptr);
    if (result.intValue != int32_t(state.range(0))) return state.SkipWithError("not every shape was converted");
  }
  reportItems(state);
}

// A zigzag of n points: n - 1 lines.
void interpolateShape(benchmark::State& state) {
  std::string text = "ICRV2D{";
  for (long i = 0; i < state.range(0); ++i) text += "POINT{" + number(i) + "," + number(i % 2) + "}";
  objectT curve = convert("tointcurve2d", text + "}");
  if (!curve) return state.SkipWithError("no curve");
  for (auto _ : state) {
    objectT lines = invoke(curve, "InterpolateShape", mzInvokeMethod);
    benchmark::DoNotOptimize(lines.get());
  }
  reportItems(state);
}

void sizes(benchmark::internal::Benchmark* benchmark) {
  for (long n = 1000; n <= 64000; n *= 2) benchmark->Arg(n);
  benchmark->Unit(benchmark::kMicrosecond)->Complexity();
}

}  // namespace

BENCHMARK(moveItems)->Apply(sizes);
BENCHMARK(drawingBoundRectMin)->Apply(sizes);
BENCHMARK(acceptShapes)->Apply(sizes);
BENCHMARK(interpolateShape)->Apply(sizes);

// Rows 70-79: growth of the 2D members. Linear growth gives 1/64 = 0.0156; the target allows
// four times that, since a drawing of 64,000 figures outgrows the processor's caches, which
// alone about halves the rate per item, while a cost that grew with the square of N would
// give 1/4096.
static const bool draw2dRows =
    registerComparison({80, "2D moveItems, 64,000 shapes over 1,000", "moveItems/64000", "moveItems/1000",
                        ratioKindE::slowdown, 256}) &&
    registerComparison({81, "2D BoundRectMin, 64,000 figures over 1,000", "drawingBoundRectMin/64000",
                        "drawingBoundRectMin/1000", ratioKindE::slowdown, 256}) &&
    registerComparison({82, "2D acceptShapes, 64,000 shapes over 1,000", "acceptShapes/64000", "acceptShapes/1000",
                        ratioKindE::slowdown, 256}) &&
    registerComparison({83, "2D InterpolateShape, 64,000 points over 1,000", "interpolateShape/64000",
                        "interpolateShape/1000", ratioKindE::slowdown, 256});
