// The merge of one option page into another as a host calls it (getMergedPage by name) against
// the number of options N of each page, half of the other page's options new to the receiver.
// Each option of the other page is looked up in an index of the receiver's IDs and copies are
// appended behind the receiver's last option, so the time grows about as N. The closing table
// shows each doubling of N as the ratio of the smaller page's time over the larger's (2^k for
// growth exponent k); the 16-fold page may take at most 25 times as long. The same, for
// information, for the update of a page's values from another page, which copies the other
// page whole at each call.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/comparisonTable.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "dlliface/prxmDllIfaceOptionPageC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"

namespace {

constexpr int sizes[] = {250, 500, 1000, 2000, 4000};

// A page list holding one page of count options, "o<first>" onward, as a plug-in describes them;
// option i holds the value i + shift.
std::string pageListText(int first, int count, int shift = 0) {
  std::string text = "TRANSFEROPTPAGES{OPTPAGE{ID{\"P\"}DESC{\"page\"}OPTITEMS{";
  for (int i = first; i < first + count; ++i) {
    const std::string n = std::to_string(i);
    text += "OPTITEM{ID{\"o" + n + "\"}DESC{\"option " + n + "\"}GROUP{\"g" + std::to_string(i % 8) +
            "\"}TYP{\"int\"}VAL{" + std::to_string(i + shift) + "}}";
  }
  return text + "}}}";
}

// A page object over the page of a list tree, which the object keeps alive.
mzSmartPtr<mzIDispatch> pageOf(const metaObjectC& list) {
  return mzSmartPtr<mzIDispatch>(new prxmDllIfaceOptionPageC(metaObjectC(list.getNode()->firstChild, 0)));
}

uint32_t optionCount(const metaObjectC& list) {
  return metaObjectC(metaObjectC(list.getNode()->firstChild, 0).findChild("OPTITEMS"), 0).childCount();
}

void optionPageGetMergedPage(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::string receiverText = pageListText(0, n);
  metaObjectC otherList = metaObjectC::readFromString(pageListText(n / 2, n).c_str(), 1);
  mzSmartPtr<mzIDispatch> other = pageOf(otherList);
  mzVariantS argument;
  argument.setDispatch(other.get());
  mzVariantS result;
  uint32_t merged = 0;
  for (auto _ : state) {
    state.PauseTiming();
    metaObjectC receiverList = metaObjectC::readFromString(receiverText.c_str(), 1);
    mzSmartPtr<mzIDispatch> receiver = pageOf(receiverList);
    state.ResumeTiming();
    uint32_t failed = receiver->Invoke("getMergedPage", mzInvokeMethod, 1, &argument, &result, nullptr);
    benchmark::DoNotOptimize(failed);
    state.PauseTiming();
    merged = failed ? 0 : optionCount(receiverList);
    result.clear();
    receiver.release();
    state.ResumeTiming();
  }
  if (merged != uint32_t(n + n / 2)) state.SkipWithError("the merged page does not hold every option once");
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

// The update of one page's values from another page (updateFieldsFromPage by name), half of
// the other page's options found in the receiver. The update changes values only, so one
// receiver serves every iteration.
void optionPageUpdateFields(benchmark::State& state) {
  const int n = int(state.range(0));
  constexpr int shift = 1000000;
  metaObjectC receiverList = metaObjectC::readFromString(pageListText(0, n).c_str(), 1);
  metaObjectC otherList = metaObjectC::readFromString(pageListText(n / 2, n, shift).c_str(), 1);
  mzSmartPtr<mzIDispatch> receiver = pageOf(receiverList);
  mzSmartPtr<mzIDispatch> other = pageOf(otherList);
  mzVariantS argument;
  argument.setDispatch(other.get());
  mzVariantS result;
  for (auto _ : state) {
    uint32_t failed = receiver->Invoke("updateFieldsFromPage", mzInvokeMethod, 1, &argument, &result, nullptr);
    benchmark::DoNotOptimize(failed);
    result.clear();
  }
  const metaObjectC items(metaObjectC(receiverList.getNode()->firstChild, 0).findChild("OPTITEMS"), 0);
  const metaTreeC* last = metaTreeC::lastSibling(items.getNode()->firstChild);
  if (optionCount(receiverList) != uint32_t(n) ||
      metaObjectC(metaObjectC(const_cast<metaTreeC*>(last), 0).findChild("VAL"), 0).getDouble() != n - 1 + shift)
    state.SkipWithError("the update did not take the other page's values");
  state.SetItemsProcessed(int64_t(state.iterations()) * n);
}

// Each doubling of N, and the whole range of sizes, with the most it may grow (none when 0).
void registerGrowthRows(int order, const char* benchmark, const char* title, double mostGrowth) {
  const size_t last = std::size(sizes) - 1;
  auto name = [benchmark](int n) { return std::string(benchmark) + "/" + std::to_string(n); };
  for (size_t i = 1; i <= last; ++i) {
    const std::string row = (i == 1 ? std::string(title) + " " : std::string("  ")) + std::to_string(sizes[i]) + "/" +
                            std::to_string(sizes[i - 1]) + " options (2^k)";
    registerComparison({order++, row, name(sizes[i]), name(sizes[i - 1]), ratioKindE::slowdown, 0});
  }
  registerComparison({order,
                      "  " + std::to_string(sizes[last]) + "/" + std::to_string(sizes[0]) + " options (" +
                          std::to_string(sizes[last] / sizes[0]) + "^k)",
                      name(sizes[last]), name(sizes[0]), ratioKindE::slowdown, mostGrowth});
}

bool registerMergeRows() {
  registerGrowthRows(100, "optionPageGetMergedPage", "option page merge", 25);
  registerGrowthRows(170, "optionPageUpdateFields", "option page update", 0);
  return true;
}

void everySize(benchmark::internal::Benchmark* benchmark) {
  for (int n : sizes) benchmark->Arg(n);
}

BENCHMARK(optionPageGetMergedPage)->Apply(everySize)->Unit(benchmark::kMillisecond);
BENCHMARK(optionPageUpdateFields)->Apply(everySize)->Unit(benchmark::kMillisecond);

}  // namespace

static const bool mergeRows = registerMergeRows();
