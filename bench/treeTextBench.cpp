// The tree text format against RapidJSON on the same generated document: reading text into a
// tree (DOM) and writing a tree as compact text; the memory a read tree takes per node, and the
// peak memory of a read and of a write, as the process's resident memory shows them.
#include <malloc.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <istream>
#include <streambuf>
#include <string>

#include "bench/benchDocument.h"
#include "bench/comparisonTable.h"
#include "bench/medianOfRuns.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "core/metaTreeWriterC.h"
#include "memman/memManPoolInspect.h"
#include "memman/memPoolSlabs.h"
#include "memman/memSlotArenaC.h"

namespace {

long minorPageFaults() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Page faults per iteration, those of the untimed clean-up included.
struct pageFaultCounterS {
  long start = minorPageFaults();
  void report(benchmark::State& state) const {
    state.counters["pageFaults"] = double(minorPageFaults() - start) / double(state.iterations());
  }
};

// glibc gives the top of its heap back to the system once a free leaves more than its trim
// threshold there, and the small-block heap gives back the slabs it keeps beyond its bound: a
// read then faults its pages in again. The second pair of read benchmarks keeps the C heap
// mapped (RapidJSON's DOM lives there); the library's slabs are unaffected by the setting.
struct heapKeptMappedS {
  heapKeptMappedS() { mallopt(M_TRIM_THRESHOLD, INT_MAX); }
  ~heapKeptMappedS() { mallopt(M_TRIM_THRESHOLD, 128 * 1024); }
};

// The bytes of a file already in memory, read in place as RapidJSON parses its text in place.
class memoryStreamBufferC : public std::streambuf {
 public:
  explicit memoryStreamBufferC(const std::string& text) {
    char* bytes = const_cast<char*>(text.data());
    setg(bytes, bytes, bytes + text.size());
  }
};

metaTreeC* readTree(const std::string& text) {
  memoryStreamBufferC bytes(text);
  std::istream input(&bytes);
  metaTreeReaderC reader;
  reader.openStream(input);
  return reader.read(1);
}

void treeTextRead(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  pageFaultCounterS faults;
  for (auto _ : state) {
    metaTreeC* tree = readTree(document.treeText);
    benchmark::DoNotOptimize(tree);
    state.PauseTiming();
    if (!tree) state.SkipWithError("the document did not read");
    delete tree;
    state.ResumeTiming();
  }
  faults.report(state);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document.treeText.size()));
}

void rapidJsonRead(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  pageFaultCounterS faults;
  for (auto _ : state) {
    auto* json = new rapidjson::Document;
    json->Parse(document.jsonText.c_str(), document.jsonText.size());
    benchmark::DoNotOptimize(json);
    state.PauseTiming();
    if (json->HasParseError()) state.SkipWithError("the JSON did not parse");
    delete json;
    state.ResumeTiming();
  }
  faults.report(state);
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document.jsonText.size()));
}

void treeTextReadHeapMapped(benchmark::State& state) {
  heapKeptMappedS mapped;
  treeTextRead(state);
}

void rapidJsonReadHeapMapped(benchmark::State& state) {
  heapKeptMappedS mapped;
  rapidJsonRead(state);
}

void treeTextWrite(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  for (auto _ : state) {
    metaTreeWriterC writer(128000);
    writer.writeAll(document.tree, 0);
    benchmark::DoNotOptimize(writer.data());
    if (writer.length() != document.treeText.size()) state.SkipWithError("the text differs");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document.treeText.size()));
}

void rapidJsonWrite(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  // Full precision, so that every number writes back as the generator wrote it.
  rapidjson::Document json;
  json.Parse<rapidjson::kParseFullPrecisionFlag>(document.jsonText.c_str(), document.jsonText.size());
  for (auto _ : state) {
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    json.Accept(writer);
    benchmark::DoNotOptimize(buffer.GetString());
    if (buffer.GetSize() != document.jsonText.size()) state.SkipWithError("the JSON differs");
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(document.jsonText.size()));
}

// A field of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 when it cannot be read.
double statusBytes(const char* field) {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return 0;
  char line[256];
  double kilobytes = 0;
  size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, status))
    if (std::strncmp(line, field, length) == 0 && line[length] == ':') kilobytes = std::atof(line + length + 1);
  std::fclose(status);
  return kilobytes * 1024;
}

// Everything resident that some earlier run left free goes back first (the C heap's free
// memory, the small-block heap's slabs kept for reuse, the node arena's free chunks), so that what the measured step takes
// shows in the resident memory; then the peak is reset to the present.
bool startMeasuring(double& residentBefore) {
  memPoolReleaseRetainedSlabs();
  memSlotArenaC::releaseFreeMemory();
  malloc_trim(0);
  residentBefore = statusBytes("VmRSS");
  FILE* clear = std::fopen("/proc/self/clear_refs", "w");
  if (!clear) return false;
  bool reset = std::fputs("5", clear) >= 0;
  return std::fclose(clear) == 0 && reset && residentBefore > 0;
}

// What the heaps hold: the C heap's blocks in use, the small-block heap's pages whole, each
// with its share of the slab it lies in, and the node arena's chunks that have memory.
double heapBytesHeld() {
  struct mallinfo2 info = mallinfo2();
  return double(info.uordblks + info.hblkhd) +
         double(memPoolPageCount()) * double(memPoolSlabBytes) / double(memPoolFramesPerSlab) +
         double(memSlotArenaC::bytesHeld());
}

// The memory of reading and writing the document: per node of the read tree, everything it
// holds in the end (its pages whole, its texts, the slabs and C heap behind them), the larger
// of the resident memory it adds and what the heaps hold for it; the peak of the read (the
// reader's buffers and tables included) and of a write to a str (the writer's buffer and the
// text), in resident memory, as multiples of the text's size.
void treeMemory(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  double perNode = 0, readPeak = 0, writePeak = 0;
  for (auto _ : state) {
    double before;
    if (!startMeasuring(before)) {
      state.SkipWithError("the resident memory cannot be measured");
      break;
    }
    double held = heapBytesHeld();
    metaTreeC* tree = nullptr;
    {
      memoryStreamBufferC bytes(document.treeText);
      std::istream input(&bytes);
      metaTreeReaderC reader;
      reader.openStream(input);
      tree = reader.read(1);
    }
    readPeak = statusBytes("VmHWM") - before;
    perNode = std::max(statusBytes("VmRSS") - before, heapBytesHeld() - held) / double(document.nodeCount);
    delete tree;

    if (!startMeasuring(before)) break;
    {
      metaTreeWriterC writer(128000);
      writer.writeAll(document.tree, 0);
      str text;
      writer.getText(text);
      benchmark::DoNotOptimize(text.c_str());
    }
    writePeak = statusBytes("VmHWM") - before;
  }
  double textBytes = double(document.treeText.size());
  state.counters["nodes"] = double(document.nodeCount);
  state.counters["bytesPerNode"] = perNode;
  state.counters["readPeakPerTextByte"] = readPeak / textBytes;
  state.counters["writePeakPerTextByte"] = writePeak / textBytes;
}

}  // namespace

// Each side reads and writes for a while before it is measured: the first reads of a process
// take memory the system hands out for the first time, which some systems (virtual machines
// backing huge pages as they are first touched) make many times slower than later reads; and
// a single slow first run would otherwise stand for the benchmark. The reads' ratio swings
// between runs: the median of several stands for each side.
BENCHMARK(treeTextRead)->Unit(benchmark::kMillisecond)->MinWarmUpTime(3)->Apply(medianOfRuns);
BENCHMARK(rapidJsonRead)->Unit(benchmark::kMillisecond)->MinWarmUpTime(3)->Apply(medianOfRuns);
BENCHMARK(treeTextWrite)->Unit(benchmark::kMillisecond)->MinWarmUpTime(3);
BENCHMARK(rapidJsonWrite)->Unit(benchmark::kMillisecond)->MinWarmUpTime(3);
BENCHMARK(treeMemory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(treeTextReadHeapMapped)->Unit(benchmark::kMillisecond)->MinWarmUpTime(3)->Apply(medianOfRuns);
BENCHMARK(rapidJsonReadHeapMapped)->Unit(benchmark::kMillisecond)->MinWarmUpTime(3)->Apply(medianOfRuns);

static const bool treeRows =
    registerComparison({10, "tree text read vs RapidJSON parse", "treeTextRead", "rapidJsonRead", ratioKindE::speedup,
                        0.8}) &&
    registerComparison({11, "  the same, C heap kept mapped", "treeTextReadHeapMapped", "rapidJsonReadHeapMapped",
                        ratioKindE::speedup, 0.5}) &&
    registerComparison({20, "tree text write vs RapidJSON write", "treeTextWrite", "rapidJsonWrite",
                        ratioKindE::speedup, 1.2}) &&
    registerFigure({30, "read tree per node, everything", "treeMemory/iterations:3", "bytesPerNode", "bytes", 64}) &&
    registerFigure({31, "peak memory of a read", "treeMemory/iterations:3", "readPeakPerTextByte", "x text", 6}) &&
    registerFigure({32, "peak memory of a write to a str", "treeMemory/iterations:3", "writePeakPerTextByte", "x text", 0});
