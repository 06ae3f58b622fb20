// A call by name against a call bound at compile time: a property get through Invoke on a
// document proxy the meta-object factory made, and the same getter through a virtual
// interface over the same handle (bench/documentGetters.h).
#include <benchmark/benchmark.h>

#include "bench/comparisonTable.h"
#include "bench/documentGetters.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy/createMetaObjectFactory.h"
#include "proxy/proxyObjectC.h"
#include "proxy/prxMetaObjectBaseC.h"

namespace {

constexpr const char* documentText =
    "DRAWING{NAME{\"Bracket\"}UNITBASE{1}LAYERS{LAYER{NAME{\"Outline\"}COLOR{7}}}"
    "ENTITIES{LINE{ID{1}START{0 0}END{120 0}}ARC{ID{2}CENTER{60 40}RADIUS{15}ANGLES{0 180}}}}";

// A document read from text through the factory's createFromString, as a script opens one.
class openDocumentC {
 public:
  openDocumentC() {
    mzSmartPtr<mzIDispatch> factory(static_cast<mzIDispatch*>(createMetaObjectFactory()));
    mzVariantS text(documentText);
    mzVariantS result;
    if (factory->Invoke("createFromString", mzInvokeMethod, 1, &text, &result, nullptr) == 0 &&
        result.type == mzVariantS::typeInterface && result.interfaceValue) {
      void* dispatch = nullptr;
      if (result.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) == 0)
        proxy.assign(static_cast<mzIDispatch*>(dispatch), false);
    }
  }

  mzIDispatch* get() const { return proxy.get(); }
  // The handle the proxy's handlers work on.
  metaObjectC* handle() const {
    auto* document = dynamic_cast<prxMetaObjectBaseC*>(proxy.get());
    return document ? &document->getObject() : nullptr;
  }

 private:
  mzSmartPtr<mzIDispatch> proxy;
};

void invokeGet(benchmark::State& state, const char* name, uint32_t resultType) {
  openDocumentC document;
  mzIDispatch* proxy = document.get();
  if (!proxy) return state.SkipWithError("the document did not open");
  mzVariantS result;
  for (auto _ : state) {
    uint32_t failed = proxy->Invoke(name, mzInvokePropertyGet, 0, nullptr, &result, nullptr);
    benchmark::DoNotOptimize(failed);
    benchmark::DoNotOptimize(result);
    result.clear();
  }
  proxy->Invoke(name, mzInvokePropertyGet, 0, nullptr, &result, nullptr);
  if (result.type != resultType) state.SkipWithError("the property gave another type");
}

void invokeValidObj(benchmark::State& state) { invokeGet(state, "ValidObj", mzVariantS::typeInt); }
void invokeClasskey(benchmark::State& state) { invokeGet(state, "classkey", mzVariantS::typeString); }

void virtualValidObj(benchmark::State& state) {
  openDocumentC document;
  if (!document.handle()) return state.SkipWithError("the document did not open");
  documentGettersI* getters = newDocumentGetters(*document.handle());
  benchmark::DoNotOptimize(getters);
  for (auto _ : state) {
    int32_t value = getters->getValidObj();
    benchmark::DoNotOptimize(value);
  }
  if (getters->getValidObj() != 1) state.SkipWithError("the getter gave another value");
  deleteDocumentGetters(getters);
}

void virtualClasskey(benchmark::State& state) {
  openDocumentC document;
  if (!document.handle()) return state.SkipWithError("the document did not open");
  documentGettersI* getters = newDocumentGetters(*document.handle());
  benchmark::DoNotOptimize(getters);
  mzVariantS result;
  for (auto _ : state) {
    getters->getClasskey(result);
    benchmark::DoNotOptimize(result);
    result.clear();
  }
  deleteDocumentGetters(getters);
}

}  // namespace

BENCHMARK(invokeValidObj);
BENCHMARK(virtualValidObj);
BENCHMARK(invokeClasskey);
BENCHMARK(virtualClasskey);

// The titles keep the ratios measured before member lookup went through the classes'
// name indexes and text arguments were borrowed.
static const bool invokeRows =
    registerComparison({50, "Invoke ValidObj vs virtual getter, was 22.7x", "invokeValidObj", "virtualValidObj",
                        ratioKindE::slowdown, 10}) &&
    registerComparison({51, "Invoke classkey vs virtual getter, was 1.97x", "invokeClasskey", "virtualClasskey",
                        ratioKindE::slowdown, 10});
