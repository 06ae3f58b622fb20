// The 3D part and mate script objects against their size. MateType through Invoke of a mate
// whose first end lies d levels deep (each level a member holding an assembly, the last a
// part), d = 250 to 4,000: the closing table shows each doubling of d as a ratio of times (2^k
// for growth exponent k). For information.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/comparisonTable.h"
#include "core/metaTreeC.h"
#include "mzcom/mzVariantS.h"
#include "proxy3d/prxm3dAsmMateC.h"

namespace {

constexpr int mateDepths[] = {250, 500, 1000, 2000, 4000};

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

bool registerMateRows() {
  int order = 185;
  auto name = [](int depth) { return "part3dMateTypeByDepth/" + std::to_string(depth); };
  for (size_t i = 1; i < std::size(mateDepths); ++i) {
    const std::string title = (i == 1 ? std::string("3D MateType ") : std::string("  ")) +
                              std::to_string(mateDepths[i]) + "/" + std::to_string(mateDepths[i - 1]) + " levels (2^k)";
    registerComparison({order++, title, name(mateDepths[i]), name(mateDepths[i - 1]), ratioKindE::slowdown, 0});
  }
  return true;
}

const bool mateRowsRegistered = registerMateRows();

}  // namespace

BENCHMARK(part3dMateTypeByDepth)->Arg(250)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000);
