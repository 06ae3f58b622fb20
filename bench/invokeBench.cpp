// A call by name against a call bound at compile time: a property get through Invoke on a
// document proxy the meta-object factory made, and the same getter through a virtual
// interface over the same handle (bench/documentGetters.h). Beside the time, each gives the
// instructions per call from the processor's counter where the system offers one.
#include <benchmark/benchmark.h>
#include <linux/perf_event.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

#include "bench/comparisonTable.h"
#include "bench/documentGetters.h"
#include "bench/medianOfRuns.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"
#include "proxy/createMetaObjectFactory.h"
#include "proxy/proxyObjectC.h"
#include "proxy/prxMetaObjectBaseC.h"

namespace {

// The instructions the calling thread runs in user space, counted by the processor. Where the
// system offers no such counter (most virtual machines), it counts nothing and the benchmarks
// report only their times.
class instructionCounterC {
 public:
  instructionCounterC() {
    perf_event_attr attributes{};
    attributes.size = sizeof attributes;
    attributes.type = PERF_TYPE_HARDWARE;
    attributes.config = PERF_COUNT_HW_INSTRUCTIONS;
    attributes.disabled = 1;
    attributes.exclude_kernel = 1;
    attributes.exclude_hv = 1;
    descriptor = int(syscall(SYS_perf_event_open, &attributes, 0, -1, -1, 0));
    if (descriptor >= 0 && (ioctl(descriptor, PERF_EVENT_IOC_RESET, 0) != 0 ||
                            ioctl(descriptor, PERF_EVENT_IOC_ENABLE, 0) != 0)) {
      close(descriptor);
      descriptor = -1;
    }
  }
  instructionCounterC(const instructionCounterC&) = delete;
  instructionCounterC& operator=(const instructionCounterC&) = delete;
  ~instructionCounterC() {
    if (descriptor >= 0) close(descriptor);
  }

  // The count since construction as the benchmark's "instructions" per iteration; nothing when
  // the counter is missing or counted nothing.
  void report(benchmark::State& state) {
    if (descriptor < 0) return;
    ioctl(descriptor, PERF_EVENT_IOC_DISABLE, 0);
    uint64_t count = 0;
    if (read(descriptor, &count, sizeof count) != ssize_t(sizeof count) || count == 0) return;
    state.counters["instructions"] = benchmark::Counter(double(count), benchmark::Counter::kAvgIterations);
  }

 private:
  int descriptor = -1;
};

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
  instructionCounterC instructions;
  for (auto _ : state) {
    uint32_t failed = proxy->Invoke(name, mzInvokePropertyGet, 0, nullptr, &result, nullptr);
    benchmark::DoNotOptimize(failed);
    benchmark::DoNotOptimize(result);
    result.clear();
  }
  instructions.report(state);
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
  instructionCounterC instructions;
  for (auto _ : state) {
    int32_t value = getters->getValidObj();
    benchmark::DoNotOptimize(value);
  }
  instructions.report(state);
  if (getters->getValidObj() != 1) state.SkipWithError("the getter gave another value");
  deleteDocumentGetters(getters);
}

void virtualClasskey(benchmark::State& state) {
  openDocumentC document;
  if (!document.handle()) return state.SkipWithError("the document did not open");
  documentGettersI* getters = newDocumentGetters(*document.handle());
  benchmark::DoNotOptimize(getters);
  mzVariantS result;
  instructionCounterC instructions;
  for (auto _ : state) {
    getters->getClasskey(result);
    benchmark::DoNotOptimize(result);
    result.clear();
  }
  instructions.report(state);
  deleteDocumentGetters(getters);
}

}  // namespace

BENCHMARK(invokeValidObj)->Apply(medianOfRuns);
BENCHMARK(virtualValidObj)->Apply(medianOfRuns);
BENCHMARK(invokeClasskey)->Apply(medianOfRuns);
BENCHMARK(virtualClasskey)->Apply(medianOfRuns);

// The titles keep the ratios measured before member lookup went through the classes'
// name indexes and text arguments were borrowed. The instruction counts show only where the
// processor's counter is offered; without it, README.md says how to count them with callgrind.
static const bool invokeRows =
    registerComparison({50, "Invoke ValidObj vs virtual getter, was 22.7x", "invokeValidObj", "virtualValidObj",
                        ratioKindE::slowdown, 5}) &&
    registerComparison({51, "Invoke classkey vs virtual getter, was 1.97x", "invokeClasskey", "virtualClasskey",
                        ratioKindE::slowdown, 10}) &&
    registerFigure({53, "Invoke ValidObj, instructions per call", "invokeValidObj", "instructions", "", 0}) &&
    registerFigure({54, "virtual getter ValidObj, instructions per call", "virtualValidObj", "instructions", "", 0});
