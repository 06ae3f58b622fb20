// The mesh model against its size N, N = 1,000 to 64,000: the transform of a mesh part of N
// triangles (3N points, N normals, N patches), the unit change of a mesh assembly of N members
// each holding a one-point part, and Members.Item(i) through Invoke for every i of an
// assembly of N members. The closing table shows each doubling of N as a ratio of times
// (2^k for growth exponent k; all three are linear). For information.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "model3d/meshes/mMeshAsmC.h"
#include "model3d/meshes/mMeshPartC.h"
#include "mzcom/mzVariantS.h"
#include "proxy3d/meshes/prxm3dMeshLists.h"

namespace {

constexpr int sizes[] = {1000, 2000, 4000, 8000, 16000, 32000, 64000};

metaTreeC* readTree(const std::string& text) { return metaObjectC::readFromString(text.c_str(), 0).getNode(); }

metaTreeC* meshPart(int triangles) {
  std::string points, normals, patches;
  for (int i = 0; i < triangles; ++i) {
    points += "POINT3D{0,0,0},POINT3D{1,0,0},POINT3D{0,1,0},";
    normals += "POINT3D{0,0,1},";
    const std::string first = std::to_string(3 * i);
    patches += "MESHPATCH{MPKNRS{" + first + "," + std::to_string(3 * i + 1) + "," + std::to_string(3 * i + 2) +
               "},MNORNRS{" + std::to_string(i) + "}},";
  }
  return readTree("MESHPART{MESH3DPKS{" + points + "},MESH3DNORS{" + normals + "},MESHPATCHES{" + patches + "}}");
}

metaTreeC* meshAssembly(int members) {
  std::string text = "MESHASM{MESHASMPREFS{UNITBASE{1}},MESHMEMS{";
  for (int i = 0; i < members; ++i)
    text += "MESHMEM{MAT{1,0,0,0,0,1,0,0,0,0,1,0,4,6,8,1},MESHPART{MESH3DPKS{POINT3D{2,0,0}}}},";
  return readTree(text + "}}");
}

// Scaling by 2 and by 1/2 in turn keeps the numbers where they started.
void mesh3dTransf(benchmark::State& state) {
  const int n = int(state.range(0));
  metaTreeC* part = meshPart(n);
  mMeshPartC view(part, 0);
  double factor = 2.0;
  for (auto _ : state) {
    view.transform(uniformScaling(factor));
    factor = 1.0 / factor;
  }
  metaTreeC::deleteTree(part);
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

void mesh3dAsmUnitBase(benchmark::State& state) {
  const int n = int(state.range(0));
  metaTreeC* assembly = meshAssembly(n);
  mMeshAsmC view(assembly, 0);
  double unitBase = 2.0;
  for (auto _ : state) {
    view.setUnitBase(unitBase, 1);
    unitBase = unitBase == 2.0 ? 1.0 : 2.0;
  }
  metaTreeC::deleteTree(assembly);
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

void mesh3dMembersItem(benchmark::State& state) {
  const int n = int(state.range(0));
  metaTreeC* assembly = meshAssembly(n);
  metaTreeC* members = metaObjectC(assembly, 0).findChild("MESHMEMS");
  mzSmartPtr<mzIDispatch> list(new prxm3dMeshMembersC(metaObjectC(members, 0)), true);
  mzVariantS index, result;
  for (auto _ : state) {
    for (int i = 0; i < n; ++i) {
      index.setInt(i);
      list->Invoke("Item", mzInvokeMethod, 1, &index, &result, nullptr);
      result.clear();
    }
  }
  list.assign(nullptr, false);
  metaTreeC::deleteTree(assembly);
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

void registerDoublingRows(int& order, const char* benchmark, const char* label, const char* unit) {
  auto name = [benchmark](int n) { return std::string(benchmark) + "/" + std::to_string(n); };
  for (size_t i = 1; i < std::size(sizes); ++i) {
    const std::string title = (i == 1 ? std::string(label) + " " : std::string("  ")) + std::to_string(sizes[i]) +
                              "/" + std::to_string(sizes[i - 1]) + " " + unit + " (2^k)";
    registerComparison({order++, title, name(sizes[i]), name(sizes[i - 1]), ratioKindE::slowdown, 0});
  }
}

bool registerMeshRows() {
  int order = 150;
  registerDoublingRows(order, "mesh3dTransf", "mesh transf", "triangles");
  registerDoublingRows(order, "mesh3dAsmUnitBase", "mesh assembly AdjustDocumentUnitBase", "members");
  registerDoublingRows(order, "mesh3dMembersItem", "mesh Members.Item(i) for every i", "members");
  return true;
}

const bool rowsRegistered = registerMeshRows();

}  // namespace

BENCHMARK(mesh3dTransf)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)->Arg(64000);
BENCHMARK(mesh3dAsmUnitBase)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)->Arg(64000);
BENCHMARK(mesh3dMembersItem)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32000)->Arg(64000);
