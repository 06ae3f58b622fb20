// CRC-32 against zlib's crc32 and libdeflate's libdeflate_crc32 on the generated document: the
// library's checksum routine on the canonical text a checksum record covers, and the whole
// tree checksum (the walk that produces that text piece by piece, as MOCRC records compute
// it); the peers on the same bytes. The tree checksum visits every node of a tree many times
// the size of its text, so its ratio is shown without a target: zlib is handed the text
// already laid out.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "bench/benchDocument.h"
#include "bench/comparisonTable.h"
#include "bench/peerChecksums.h"
#include "base/crc32.h"
#include "core/keywordRegistries.h"
#include "core/keywordRegistry.h"
#include "core/metaObjectCRCC.h"
#include "core/metaTreeC.h"

namespace {

// The text metaObjectCRCC::computeTreeCrc checksums, written out: words as they are, strings
// quoted and escaped, numbers as VAL, nodes with custom storage left out with their subtrees.
std::string canonicalText(const metaTreeC* node) {
  std::string text;
  int levelsDown = 0;
  while (node) {
    const metaTokenC& value = node->value;
    bool descend = true;
    if (value.isWord()) {
      const char* word = value.getText()->c_str();
      if (findKeyword(customStorageRegistry, word)) descend = false;
      else text += word;
    } else if (value.isString()) {
      text += '"';
      for (const char* in = value.getText()->c_str(); *in; ++in) {
        size_t escape = std::string_view("\t\n\r\"\\").find(*in);
        if (escape == std::string_view::npos) text += *in;
        else text += {'\\', "tnr\"\\"[escape]};
      }
      text += '"';
    } else if (value.isDouble()) {
      text += "VAL";
    }
    node = nextInPreOrder(node, levelsDown, descend);
  }
  return text;
}

const std::string& documentCanonicalText() {
  static const std::string text = canonicalText(benchDocument().tree);
  return text;
}

uint32_t zlibCrc(const std::string& bytes) { return zlibCrc32(bytes.data(), bytes.size()); }

void crcCanonicalText(benchmark::State& state) {
  const std::string& text = documentCanonicalText();
  for (auto _ : state) benchmark::DoNotOptimize(crc32::of(text.data(), text.size()));
  if (crc32::of(text.data(), text.size()) != zlibCrc(text)) state.SkipWithError("the checksums differ");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void crcTree(benchmark::State& state) {
  const benchDocumentS& document = benchDocument();
  const std::string& text = documentCanonicalText();
  for (auto _ : state) benchmark::DoNotOptimize(metaObjectCRCC::computeTreeCrc(document.tree));
  if (metaObjectCRCC::computeTreeCrc(document.tree) != zlibCrc(text))
    state.SkipWithError("the tree checksum is not the checksum of its canonical text");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void zlibCanonicalText(benchmark::State& state) {
  const std::string& text = documentCanonicalText();
  for (auto _ : state) benchmark::DoNotOptimize(zlibCrc(text));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

void libdeflateCanonicalText(benchmark::State& state) {
  const std::string& text = documentCanonicalText();
  for (auto _ : state) benchmark::DoNotOptimize(libdeflateCrc32(text.data(), text.size()));
  if (libdeflateCrc32(text.data(), text.size()) != zlibCrc(text)) state.SkipWithError("the checksums differ");
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

}  // namespace

BENCHMARK(crcCanonicalText)->Unit(benchmark::kMillisecond);
BENCHMARK(crcTree)->Unit(benchmark::kMillisecond);
BENCHMARK(zlibCanonicalText)->Unit(benchmark::kMillisecond);
BENCHMARK(libdeflateCanonicalText)->Unit(benchmark::kMillisecond);

static const bool checksumRows =
    registerComparison({60, "CRC-32 of the canonical text vs zlib crc32", "crcCanonicalText", "zlibCanonicalText",
                        ratioKindE::speedup, 1}) &&
    registerComparison({61, "CRC-32 of the canonical text vs libdeflate", "crcCanonicalText",
                        "libdeflateCanonicalText", ratioKindE::speedup, 0.5}) &&
    registerComparison({62, "  tree checksum (walk + CRC) vs zlib crc32", "crcTree", "zlibCanonicalText",
                        ratioKindE::speedup, 0});
