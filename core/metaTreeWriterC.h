// Writes trees in the tree text format, compact or indented, into one growing buffer.
// One writer serves one write: construct, write, take the text, destroy.
#pragma once

#include <cstdint>

#include "base/str.h"

class metaTreeC;

class metaTreeWriterC {
 public:
  // The longest text a str can take.
  static constexpr uint32_t maxTextLength = 0x7FFFFFFE;

  // Blocks open at once; a reader refuses text nested deeper (metaTreeReaderC::maxDepth).
  static constexpr int maxDepth = 1000;

  // size is both the initial capacity and the growth step of the buffer. A text that would
  // grow beyond limit bytes is not written, nor one nesting more than maxDepth blocks: the
  // writer then reports failed.
  explicit metaTreeWriterC(uint32_t size, uint32_t limit = maxTextLength);
  ~metaTreeWriterC();
  metaTreeWriterC(const metaTreeWriterC&) = delete;
  metaTreeWriterC& operator=(const metaTreeWriterC&) = delete;

  // The node, its subtree and all its following siblings.
  void writeAll(const metaTreeC* node, uint32_t pretty);
  // The node and its subtree only.
  void writeSingle(const metaTreeC* node, uint32_t pretty);

  // True when the text outgrew the limit (or memory) or nested too deep; the text is then empty.
  bool failed() const { return overflowed; }
  // out receives the bytes written; returns their count.
  uint32_t getText(str& out) const;
  // The bytes written, not zero-terminated.
  const char* data() const { return buffer; }
  uint32_t length() const { return used; }

 private:
  // Starts over with an empty text and writes node (alone when single is set).
  void write(const metaTreeC* node, uint32_t prettyFlag, bool single);
  void writeNodeList(const metaTreeC* node, bool single);
  void writeValue(const metaTreeC* node);
  bool reserve(uint64_t more);
  // The buffer takes more bytes without growing.
  bool hasRoom(uint64_t more) const { return !overflowed && uint64_t(used) + more < capacity; }
  void put(char c) {
    if (reserve(1)) buffer[used++] = c;
  }
  void put(const char* bytes, uint32_t count);
  void putTabs(int count);

  char* buffer;
  uint32_t capacity;
  uint32_t growth;
  uint32_t limit;
  uint32_t used = 0;
  bool overflowed = false;
  bool pretty = false;
  const metaTreeC* root = nullptr;
};
