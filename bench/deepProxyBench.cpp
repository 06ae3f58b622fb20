// A property get on a proxy whose node lies deep in its tree against the same get one level
// down: This hands out a new node proxy, which finds the tree its node belongs to.
#include <benchmark/benchmark.h>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy/prxMetaObjectBaseC.h"

namespace {

// A document proxy owning a chain depth levels deep below its root, and a proxy over the
// node at the bottom, as a script reaches it through the items of nested lists.
class deepDocumentC {
 public:
  explicit deepDocumentC(int depth) {
    metaTreeC* root = metaTreeC::newWithKeyword("DOC");
    metaTreeC* bottom = root;
    for (int level = 0; level < depth; ++level) bottom = metaTreeC::appendWordChild(bottom, "L");
    document.assign(static_cast<mzIDispatch*>(new prxMetaObjectBaseC(root, 1)), true);
    deepest.assign(static_cast<mzIDispatch*>(new prxMetaObjectBaseC(metaObjectC(bottom, 0))), true);
  }

  mzIDispatch* bottom() const { return deepest.get(); }

 private:
  mzSmartPtr<mzIDispatch> document;
  mzSmartPtr<mzIDispatch> deepest;
};

void invokeThisAtDepth(benchmark::State& state, int depth) {
  deepDocumentC document(depth);
  mzVariantS result;
  for (auto _ : state) {
    uint32_t failed = document.bottom()->Invoke("This", mzInvokePropertyGet, 0, nullptr, &result, nullptr);
    benchmark::DoNotOptimize(failed);
    result.clear();
  }
  document.bottom()->Invoke("This", mzInvokePropertyGet, 0, nullptr, &result, nullptr);
  if (result.type != mzVariantS::typeInterface) state.SkipWithError("This gave no object");
}

void invokeThisDepth1(benchmark::State& state) { invokeThisAtDepth(state, 1); }
void invokeThisDepth10000(benchmark::State& state) { invokeThisAtDepth(state, 10000); }

}  // namespace

BENCHMARK(invokeThisDepth10000);
BENCHMARK(invokeThisDepth1);

static const bool deepProxyRows = registerComparison(
    {52, "Invoke This at depth 10,000 vs depth 1", "invokeThisDepth10000", "invokeThisDepth1", ratioKindE::slowdown, 2});
