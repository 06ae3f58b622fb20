// The tree text every document reads and writes stays byte for byte what it was when these
// figures were recorded: the benchmarks' generated document and the test files, read and
// written back compact and indented, each output summarised by its CRC-32 and length, a
// failed read by its error text.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "base/crc32.h"
#include "bench/benchDocumentTree.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "core/metaTreeWriterC.h"

namespace {

std::string summary(const metaTreeC* tree, uint32_t pretty) {
  metaTreeWriterC writer(4096);
  writer.writeAll(tree, pretty);
  char text[32];
  std::snprintf(text, sizeof text, "%08x:%u", crc32::of(writer.data(), writer.length()), writer.length());
  return text;
}

// Compact and indented summaries of what the reader made of its input, or its error text.
std::string readAndWrite(metaTreeReaderC& reader) {
  metaTreeC* tree = reader.read(1);
  if (!tree) return std::string("error ") + reader.errorText().c_str();
  std::string both = summary(tree, 0) + " " + summary(tree, 1);
  delete tree;
  return both;
}

TEST(treeTextEquivalenceTest, testFilesReadAndWriteAsBefore) {
  struct caseS {
    const char* file;
    const char* expected;
  } cases[] = {
      {"drawing.mzt", "d830bbc1:160 263af944:220"},
      {"assorted.mzt", "6ba7075f:339 4c001e1c:413"},
      {"edge-empty-string", "330b153b:2 330b153b:2"},
      {"edge-end-mark", "error Line:1 - eof fail"},
      {"edge-strings-numbers", "04bb9608:44 04bb9608:44"},
      {"example1-compact", "63d43092:43 a251e2b8:65"},
      {"example1-document", "63d43092:43 a251e2b8:65"},
      {"example1-pretty", "63d43092:43 a251e2b8:65"},
      {"example2-close-at-top", "error Line:1 - section count wrong"},
      {"example2-invalid-value", "error Line:1 - value invalid :12abc"},
      {"example2-lists", "4b63a035:24 8c13f076:32"},
      {"example2-no-key", "error Line:1 - section without key found"},
      {"example2-open-block", "error Line:1 - section count wrong"},
      {"example2-pretty", "97456271:15 05aa6c37:18"},
  };
  for (const caseS& c : cases) {
    metaTreeReaderC reader;
    std::string path = std::string(RUDEZAZE_TEST_DATA_DIR "/treeText/") + c.file;
    ASSERT_EQ(reader.openFile(path.c_str()), 1u) << path;
    EXPECT_EQ(readAndWrite(reader), c.expected) << c.file;
  }
}

// The document the tree text benchmarks time, as generated and as read back from its text
// through a stream (in chunks) and from a string (whole).
TEST(treeTextEquivalenceTest, benchmarkDocumentReadsAndWritesAsBefore) {
  metaTreeC* generated = buildBenchDocumentTree(10u << 20);
  metaTreeWriterC writer(128000);
  writer.writeAll(generated, 0);
  std::string text(writer.data(), writer.length());
  const std::string expected = "fcb922c8:10412058 1c57dbe4:16962910";
  EXPECT_EQ(summary(generated, 0) + " " + summary(generated, 1), expected);
  delete generated;

  std::istringstream stream(text);
  metaTreeReaderC streamReader;
  streamReader.openStream(stream);
  EXPECT_EQ(readAndWrite(streamReader), expected);
  metaTreeReaderC stringReader;
  stringReader.openString(text.c_str());
  EXPECT_EQ(readAndWrite(stringReader), expected);
}

}  // namespace
