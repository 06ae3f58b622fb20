// The tree text format against RapidJSON on the same generated document: reading text into a
// tree (DOM) and writing a tree as compact text, and the memory a read tree takes per node.
#include <malloc.h>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include <climits>
#include <istream>
#include <streambuf>
#include <string>

#include "bench/benchDocument.h"
#include "bench/comparisonTable.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "core/metaTreeWriterC.h"

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
// threshold there: a read tree (about 150 MB here) then faults every page in again on the
// next read, while RapidJSON's smaller DOM stays below the threshold. The second pair of
// read benchmarks keeps the heap mapped, so both sides read into memory already mapped.
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

size_t heapBytesInUse() {
  struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// A small block's slot in its page: the size rounded up to 8 and the 8-byte header.
size_t slotBytes(size_t size) { return ((size + 7) & ~size_t(7)) + 8; }

// Everything the read tree holds on the C heap (the small-block pages it fills, whole), per
// node; and the same without the string payloads: the str object of each word and string
// and its text buffer.
void treeMemoryPerNode(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  size_t payloadBytes = 0;
  int levels = 0;
  for (const metaTreeC* node = document.tree; node; node = nextInPreOrder(node, levels, true))
    if (const str* text = node->value.getText()) payloadBytes += slotBytes(sizeof(str)) + slotBytes(size_t(text->length()) + 1);
  double total = 0;
  for (auto _ : state) {
    size_t before = heapBytesInUse();
    metaTreeC* tree = readTree(document.treeText);
    total = double(heapBytesInUse() - before);
    delete tree;
  }
  double nodes = double(document.nodeCount);
  state.counters["nodes"] = nodes;
  state.counters["bytesPerNode"] = total / nodes;
  state.counters["bytesPerNodeNoStrings"] = (total - double(payloadBytes)) / nodes;
}

}  // namespace

BENCHMARK(treeTextRead)->Unit(benchmark::kMillisecond);
BENCHMARK(rapidJsonRead)->Unit(benchmark::kMillisecond);
BENCHMARK(treeTextWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(rapidJsonWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(treeMemoryPerNode)->Unit(benchmark::kMillisecond);
BENCHMARK(treeTextReadHeapMapped)->Unit(benchmark::kMillisecond);
BENCHMARK(rapidJsonReadHeapMapped)->Unit(benchmark::kMillisecond);

static const bool treeRows =
    registerComparison({10, "tree text read vs RapidJSON parse", "treeTextRead", "rapidJsonRead", ratioKindE::speedup,
                        0.5}) &&
    registerComparison({11, "  the same, C heap kept mapped", "treeTextReadHeapMapped", "rapidJsonReadHeapMapped",
                        ratioKindE::speedup, 0.5}) &&
    registerComparison({20, "tree text write vs RapidJSON write", "treeTextWrite", "rapidJsonWrite",
                        ratioKindE::speedup, 0.5}) &&
    registerFigure({30, "read tree per node, string payloads aside", "treeMemoryPerNode", "bytesPerNodeNoStrings",
                    "bytes", 96}) &&
    registerFigure({31, "read tree per node, everything", "treeMemoryPerNode", "bytesPerNode", "bytes", 0});
