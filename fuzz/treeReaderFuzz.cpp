// The tree text reader on any bytes. Invariants: a read either gives a tree with consistent
// links or fails with an error text and no tree; reading from a stream (across a chunk
// boundary) gives what reading the same text as a string gives; raw strings change string
// values only; whatever is accepted writes, compact and pretty, and reads back to an equal
// tree whose text is the same again; and saved as a document is (through the save hooks of
// references and checksums, every top-level item), it loads and saves again to the same bytes.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "core/metaTreeWriterC.h"
#include "fuzz/fuzzCheck.h"

namespace {

// The stream reader refills in chunks of this many bytes.
constexpr size_t streamChunk = 65536;

struct readResultS {
  metaTreeC* tree = nullptr;
  bool failed = false;
  std::string error;
};

readResultS finish(metaTreeReaderC& reader) {
  readResultS result;
  result.tree = reader.read(1);
  result.failed = reader.hasError();
  if (result.failed) {
    FUZZ_CHECK(!result.tree);
    result.error = reader.errorText().c_str();
    FUZZ_CHECK(result.error.rfind("Line:", 0) == 0);
  }
  return result;
}

readResultS readString(const std::string& text, bool raw) {
  metaTreeReaderC reader;
  reader.setRawStrings(raw);
  reader.openString(text.c_str());
  return finish(reader);
}

readResultS readStream(const std::string& bytes) {
  std::istringstream input(bytes);
  metaTreeReaderC reader;
  reader.openStream(input);
  return finish(reader);
}

// A double as the writer's format gives it; numbers that read back from it give it again.
std::string g14(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14g", value);
  return text;
}

std::string_view textOf(const metaTreeC* node) {
  const str* text = node->value.getText();
  return {text->c_str(), size_t(text->length())};
}

enum compareE { exact, numbersAsWritten, shapeOnly };

bool sameValue(const metaTreeC* a, const metaTreeC* b, compareE mode) {
  if (a->value.getKind() != b->value.getKind()) return false;
  switch (a->value.getKind()) {
    case metaTokenC::kindWord:
      return textOf(a) == textOf(b);
    case metaTokenC::kindString:
      return mode == shapeOnly || textOf(a) == textOf(b);
    case metaTokenC::kindDouble:
      if (mode == exact) {
        double x = a->value.getDouble(), y = b->value.getDouble();
        return std::memcmp(&x, &y, sizeof x) == 0;
      }
      return g14(a->value.getDouble()) == g14(b->value.getDouble());
    default:
      return true;
  }
}

// Both chains, their subtrees included, node by node; an explicit stack, so any depth.
bool sameChains(const metaTreeC* a, const metaTreeC* b, compareE mode) {
  std::vector<std::pair<const metaTreeC*, const metaTreeC*>> pending{{a, b}};
  while (!pending.empty()) {
    auto [x, y] = pending.back();
    pending.pop_back();
    for (; x && y; x = x->next, y = y->next) {
      if (!sameValue(x, y, mode)) return false;
      if (x->firstChild || y->firstChild) pending.push_back({x->firstChild, y->firstChild});
    }
    if (x || y) return false;
  }
  return true;
}

// Every link agrees with its neighbours: parents, previous siblings, no parent at the top.
void checkLinks(const metaTreeC* top) {
  std::vector<const metaTreeC*> pending{top};
  while (!pending.empty()) {
    const metaTreeC* first = pending.back();
    pending.pop_back();
    const metaTreeC* parent = first->parent;
    FUZZ_CHECK(!first->previous);
    for (const metaTreeC* node = first; node; node = node->next) {
      FUZZ_CHECK(node->parent == parent);
      if (node->next) FUZZ_CHECK(node->next->previous == node);
      if (node->firstChild) {
        FUZZ_CHECK(node->firstChild->parent == node);
        pending.push_back(node->firstChild);
      }
    }
  }
  FUZZ_CHECK(!top->parent);
}

std::string write(const metaTreeC* tree, bool pretty, bool single) {
  metaTreeWriterC writer(4096);
  if (single) writer.writeSingle(tree, pretty);
  else writer.writeAll(tree, pretty);
  FUZZ_CHECK(!writer.failed());
  return std::string(writer.data(), writer.length());
}

void checkRoundTrip(const metaTreeC* tree) {
  std::string compact = write(tree, false, false);
  readResultS again = readString(compact, false);
  FUZZ_CHECK(!again.failed && again.tree);
  FUZZ_CHECK(sameChains(tree, again.tree, numbersAsWritten));
  FUZZ_CHECK(write(again.tree, false, false) == compact);
  delete again.tree;

  readResultS pretty = readString(write(tree, true, false), false);
  FUZZ_CHECK(!pretty.failed && pretty.tree);
  FUZZ_CHECK(sameChains(tree, pretty.tree, numbersAsWritten));
  delete pretty.tree;

  // The first node alone: what writeSingle gives reads back as that node without siblings.
  readResultS single = readString(write(tree, false, true), false);
  FUZZ_CHECK(!single.failed && single.tree && !single.tree->next);
  metaTreeC* alone = metaTreeC::deepCopyNode(tree);
  FUZZ_CHECK(sameChains(alone, single.tree, numbersAsWritten));
  delete alone;
  delete single.tree;
}

// Saved, loaded and saved again as a script does with a document: the same bytes. The first
// save may change the tree (its checksums are refreshed), so this comes after the other checks.
std::string savedText(metaTreeC* tree) {
  str text = metaObjectC(tree, 0).writeToStringValue(0, 0);
  return std::string(text.c_str(), size_t(text.length()));
}

void checkSaveLoadSave(metaTreeC* tree) {
  const std::string saved = savedText(tree);
  readResultS loaded = readString(saved, false);
  FUZZ_CHECK(!loaded.failed && loaded.tree);
  FUZZ_CHECK(savedText(loaded.tree) == saved);
  delete loaded.tree;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // A string is read up to its first zero byte.
  const std::string text(bytes.c_str());

  readResultS read = readString(text, false);
  if (read.tree) checkLinks(read.tree);

  // The stream reader sees the same text, here and there with blanks in front that put a
  // chunk boundary at a place inside it.
  std::string streamed = text;
  size_t hash = std::hash<std::string>()(text);
  if (!text.empty() && hash % 8 == 0) streamed.insert(0, streamChunk - hash / 8 % text.size(), ' ');
  readResultS fromStream = readStream(streamed);
  FUZZ_CHECK(fromStream.failed == read.failed && fromStream.error == read.error);
  FUZZ_CHECK(!fromStream.tree == !read.tree);
  if (read.tree) FUZZ_CHECK(sameChains(read.tree, fromStream.tree, exact));
  delete fromStream.tree;

  // Every byte, zeros included, through a stream: a zero outside a string is refused.
  if (bytes.size() != text.size()) delete readStream(bytes).tree;

  readResultS raw = readString(text, true);
  FUZZ_CHECK(raw.failed == read.failed);
  if (read.tree) FUZZ_CHECK(sameChains(read.tree, raw.tree, shapeOnly));
  delete raw.tree;

  if (read.tree) {
    metaTreeC* copy = metaTreeC::deepCopy(read.tree);
    FUZZ_CHECK(sameChains(read.tree, copy, exact));
    delete copy;
    checkRoundTrip(read.tree);
    checkSaveLoadSave(read.tree);
  }
  delete read.tree;
  return 0;
}
