// A part's script members against the number of features N, N = 250 to 4,000, through Invoke:
// RecalcWithDetailLevel of a level that excludes the last N/2 feature names of a part of N
// features, on a fresh copy of the part each time; and Features.Item(name) of the last of N
// features. The closing table shows each doubling of N as a ratio of times (2^k for growth
// exponent k). Both are linear (k = 1): the recalculation indexes the features by name once
// and then takes, for each excluded name, the first feature of that name not yet taken. And
// MateType through Invoke of a mate whose first end lies d levels deep (each level a member
// holding an assembly, the last a part), d = 250 to 4,000, each doubling of d as a ratio of
// times. For information.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <iterator>
#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "mzcom/mzVariantS.h"
#include "proxy3d/prxm3dAsmMateC.h"
#include "proxy3d/prxm3dFeaturesC.h"
#include "proxy3d/prxm3dPartC.h"

namespace {

constexpr int partFeatureCounts[] = {250, 500, 1000, 2000, 4000};

std::string featureName(int i) {
  std::string name = "F";
  name += std::to_string(i);
  return name;
}

// A part of n features named F0 .. F(n-1) and one level "L" excluding F(n/2) .. F(n-1).
metaTreeC* partWithLevel(int n) {
  std::string text = "PART{ITEMS{";
  for (int i = 0; i < n; ++i) text.append("BASE{NAME{\"").append(featureName(i)).append("\"}},");
  text += "},PARTLOD{PARTLODENTS{PARTLODENT{NAME{\"L\"},PARTLODEXCFEATLST{";
  for (int i = n / 2; i < n; ++i) text.append("\"").append(featureName(i)).append("\",");
  text += "}}}}}";
  return metaObjectC::readFromString(text.c_str(), 0).getNode();
}

void part3dRecalcWithDetailLevel(benchmark::State& state) {
  const int n = int(state.range(0));
  metaTreeC* original = partWithLevel(n);
  mzVariantS level("L"), result;
  for (auto _ : state) {
    state.PauseTiming();
    mzSmartPtr<mzIDispatch> part(new prxm3dPartC(metaObjectC(metaTreeC::deepCopyNode(original), 1)), true);
    state.ResumeTiming();
    part->Invoke("RecalcWithDetailLevel", mzInvokeMethod, 1, &level, &result, nullptr);
    state.PauseTiming();
    result.clear();
    part.assign(nullptr, false);
    state.ResumeTiming();
  }
  metaTreeC::deleteTree(original);
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

void part3dFeaturesItemByName(benchmark::State& state) {
  const int n = int(state.range(0));
  metaTreeC* part = partWithLevel(n);
  mzSmartPtr<mzIDispatch> features(new prxm3dFeaturesC(metaObjectC(metaObjectC(part, 0).findChild("ITEMS"), 0)), true);
  mzVariantS last(featureName(n - 1).c_str()), result;
  for (auto _ : state) {
    features->Invoke("Item", mzInvokeMethod, 1, &last, &result, nullptr);
    result.clear();
  }
  features.assign(nullptr, false);
  metaTreeC::deleteTree(part);
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}


// A "MAT" of the identity, but for entry 10 (the Z axis's z), which is zz.
void appendMatrix(metaTreeC* parent, double zz) {
  metaTreeC* matrix = metaTreeC::appendWordChild(parent, "MAT");
  for (int i = 0; i < 16; ++i) metaTreeC::appendDoubleChild(matrix, i == 10 ? zz : i % 5 == 0 ? 1.0 : 0.0);
}

// A part holding the named connection point, its Z axis along z times zz.
void appendPart(metaTreeC* member, const char* name, double zz) {
  metaTreeC* part = metaTreeC::appendWordChild(member, "PART");
  metaTreeC* point = metaTreeC::appendWordChild(metaTreeC::appendWordChild(part, "CONNECT"), "CONNPOINT");
  metaTreeC::appendStringChild(metaTreeC::appendWordChild(point, "NAME"), name);
  appendMatrix(point, zz);
}

// An assembly whose first member holds assemblies depth levels down to a part with "A"; its
// second member holds a part with "B" facing it; the one mate ties A to B. Built node by node:
// the text would nest deeper than the reader takes.
metaTreeC* deepMateAssembly(int depth, metaTreeC*& mate) {
  metaTreeC* top = metaTreeC::newWithKeyword("ASSEMBLY");
  metaTreeC* assembly = top;
  std::string path = "A";
  for (int level = 1; level <= depth; ++level) {
    metaTreeC* member = metaTreeC::appendWordChild(assembly, "MEMBER");
    appendMatrix(member, 1.0);
    path += "@1";
    if (level == depth) appendPart(member, "A", 1.0);
    else assembly = metaTreeC::appendWordChild(member, "ASSEMBLY");
  }
  metaTreeC* second = metaTreeC::appendWordChild(top, "MEMBER");
  appendMatrix(second, 1.0);
  appendPart(second, "B", -1.0);
  mate = metaTreeC::appendWordChild(metaTreeC::appendWordChild(top, "MATES"), "TRANSZ");
  metaTreeC* ends = metaTreeC::appendWordChild(mate, "MEMBER");
  metaTreeC::appendStringChild(ends, path.c_str());
  metaTreeC::appendStringChild(ends, "B@2");
  return top;
}

void part3dMateTypeByDepth(benchmark::State& state) {
  const int depth = int(state.range(0));
  metaTreeC* mate = nullptr;
  metaTreeC* assembly = deepMateAssembly(depth, mate);
  mzSmartPtr<mzIDispatch> proxy(new prxm3dAsmMateC(metaObjectC(mate, 0)), true);
  mzVariantS result;
  for (auto _ : state) {
    proxy->Invoke("MateType", mzInvokePropertyGet, 0, nullptr, &result, nullptr);
    if (result.type != mzVariantS::typeInt || result.intValue != 1) state.SkipWithError("the mate did not resolve");
    result.clear();
  }
  proxy.assign(nullptr, false);
  metaTreeC::deleteTree(assembly);
  state.SetItemsProcessed(int64_t(state.iterations()) * depth);
}

// One row per doubling of N (or d), all under one order so that they print together.
void registerPartDoublingRows(int order, const char* benchmark, const char* label, const char* unit,
                              const char* growth) {
  auto name = [benchmark](int n) { return std::string(benchmark) + "/" + std::to_string(n); };
  for (size_t i = 1; i < std::size(partFeatureCounts); ++i) {
    const std::string title = (i == 1 ? std::string(label) + " " : std::string("  ")) +
                              std::to_string(partFeatureCounts[i]) + "/" + std::to_string(partFeatureCounts[i - 1]) +
                              " " + unit + " (" + growth + ")";
    registerComparison(
        {order, title, name(partFeatureCounts[i]), name(partFeatureCounts[i - 1]), ratioKindE::slowdown, 0});
  }
}

bool registerPartRows() {
  registerPartDoublingRows(180, "part3dRecalcWithDetailLevel", "3D RecalcWithDetailLevel", "features", "2^k");
  registerPartDoublingRows(181, "part3dFeaturesItemByName", "3D Features.Item(name)", "features", "2^k");
  registerPartDoublingRows(185, "part3dMateTypeByDepth", "3D MateType", "levels", "2^k");
  return true;
}

const bool partRowsRegistered = registerPartRows();

}  // namespace

BENCHMARK(part3dRecalcWithDetailLevel)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000);
BENCHMARK(part3dFeaturesItemByName)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000);
BENCHMARK(part3dMateTypeByDepth)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000);
