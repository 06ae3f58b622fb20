// The small-block heap against glibc malloc, mimalloc and jemalloc: a working set of blocks of
// mixed sizes from 1 to 2048 bytes (log-uniform, so small blocks dominate as they do in trees
// and strings), allocated, touched, then freed in reverse (LIFO) or in shuffled order.
#include <cstdlib>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/allocatorPeers.h"
#include "bench/comparisonTable.h"
#include "bench/medianOfRuns.h"
#include "memman/memManPoolC.h"

namespace {

constexpr size_t blockCount = 4096;

struct workloadS {
  std::vector<uint32_t> sizes;
  std::vector<uint32_t> shuffled;  // the order in which the random benchmarks free
};

const workloadS& workload() {
  static const workloadS made = [] {
    workloadS w;
    std::mt19937 random(42);
    std::uniform_real_distribution<double> exponent(0.0, 11.0);  // 2^0 .. 2^11 = 2048
    for (size_t i = 0; i < blockCount; ++i) {
      uint32_t size = uint32_t(std::exp2(exponent(random)));
      w.sizes.push_back(size < 1 ? 1 : size > 2048 ? 2048 : size);
      w.shuffled.push_back(uint32_t(i));
    }
    std::shuffle(w.shuffled.begin(), w.shuffled.end(), random);
    return w;
  }();
  return made;
}

struct poolHeapS {
  static void* allocate(uint32_t size) { return memDataPoolAlloc(size); }
  static void release(void* block) { memDataPoolFree(block); }
};

struct glibcHeapS {
  static void* allocate(uint32_t size) { return std::malloc(size); }
  static void release(void* block) { std::free(block); }
};

struct mimallocHeapS {
  static void* allocate(uint32_t size) { return mimallocAllocate(size); }
  static void release(void* block) { mimallocFree(block); }
};

struct jemallocHeapS {
  static void* allocate(uint32_t size) { return jemallocAllocate(size); }
  static void release(void* block) { jemallocFree(block); }
};

template <class heapT, bool lifo>
void allocateAndFree(benchmark::State& state) {
  const workloadS& w = workload();
  std::vector<void*> blocks(blockCount);
  for (auto _ : state) {
    for (size_t i = 0; i < blockCount; ++i) {
      blocks[i] = heapT::allocate(w.sizes[i]);
      *static_cast<volatile char*>(blocks[i]) = char(i);
    }
    benchmark::ClobberMemory();
    if (lifo) {
      for (size_t i = blockCount; i-- > 0;) heapT::release(blocks[i]);
    } else {
      for (uint32_t i : w.shuffled) heapT::release(blocks[i]);
    }
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(2 * blockCount));
}

void heapLifo(benchmark::State& state) { allocateAndFree<poolHeapS, true>(state); }
void mallocLifo(benchmark::State& state) { allocateAndFree<glibcHeapS, true>(state); }
void mimallocLifo(benchmark::State& state) { allocateAndFree<mimallocHeapS, true>(state); }
void jemallocLifo(benchmark::State& state) { allocateAndFree<jemallocHeapS, true>(state); }
void heapRandom(benchmark::State& state) { allocateAndFree<poolHeapS, false>(state); }
void mallocRandom(benchmark::State& state) { allocateAndFree<glibcHeapS, false>(state); }
void mimallocRandom(benchmark::State& state) { allocateAndFree<mimallocHeapS, false>(state); }
void jemallocRandom(benchmark::State& state) { allocateAndFree<jemallocHeapS, false>(state); }

}  // namespace

// Each runs warm (the heaps' first pages are made before the measurement) and five times over,
// the median standing for it: a few percent separate the heaps, less than the machine's drift.
#define RUDEZAZE_HEAP_BENCHMARK(name) \
  BENCHMARK(name)->Unit(benchmark::kMicrosecond)->MinWarmUpTime(0.5)->Apply(medianOfRuns)
RUDEZAZE_HEAP_BENCHMARK(heapLifo);
RUDEZAZE_HEAP_BENCHMARK(mallocLifo);
RUDEZAZE_HEAP_BENCHMARK(mimallocLifo);
RUDEZAZE_HEAP_BENCHMARK(jemallocLifo);
RUDEZAZE_HEAP_BENCHMARK(heapRandom);
RUDEZAZE_HEAP_BENCHMARK(mallocRandom);
RUDEZAZE_HEAP_BENCHMARK(mimallocRandom);
RUDEZAZE_HEAP_BENCHMARK(jemallocRandom);

static const bool heapRows =
    registerComparison({40, "small-block heap vs glibc, LIFO", "heapLifo", "mallocLifo", ratioKindE::speedup, 1.5}) &&
    registerComparison({41, "small-block heap vs mimalloc, LIFO", "heapLifo", "mimallocLifo", ratioKindE::speedup, 1}) &&
    registerComparison({42, "small-block heap vs jemalloc, LIFO", "heapLifo", "jemallocLifo", ratioKindE::speedup, 1}) &&
    registerComparison(
        {43, "small-block heap vs glibc, random order", "heapRandom", "mallocRandom", ratioKindE::speedup, 1.5}) &&
    registerComparison(
        {44, "small-block heap vs mimalloc, random order", "heapRandom", "mimallocRandom", ratioKindE::speedup, 1}) &&
    registerComparison(
        {45, "small-block heap vs jemalloc, random order", "heapRandom", "jemallocRandom", ratioKindE::speedup, 1});
