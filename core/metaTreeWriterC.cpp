#include "core/metaTreeWriterC.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/decimalNumberText.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "core/shortDecimalText.h"

namespace {

size_t copyText(const char* text, char* out) {
  size_t length = std::strlen(text);
  std::memcpy(out, text, length);
  return length;
}

// 14 significant digits as "%.*g" gives them, with a full stop whatever the locale, at out
// (room for doubleG14TextSize bytes). Infinities are written as numbers beyond the double
// range, which read back as the same infinities; NaN as a word, which reads back as no number.
size_t formatNumber(double number, char* out) {
  if (size_t length = formatShortDecimal(number, out)) return length;
  if (std::isnan(number)) return copyText("nan", out);
  if (std::isinf(number)) return copyText(number > 0 ? "1e999" : "-1e999", out);
  return formatDoubleG14(number, out);
}

}  // namespace

static_assert(metaTreeWriterC::maxDepth == metaTreeReaderC::maxDepth, "the writer writes what the reader reads");

metaTreeWriterC::metaTreeWriterC(uint32_t size, uint32_t limit)
    : buffer(static_cast<char*>(std::malloc(size ? size : 1))),
      capacity(size ? size : 1),
      growth(size ? size : 1),
      limit(limit),
      overflowed(!buffer) {}

metaTreeWriterC::~metaTreeWriterC() { std::free(buffer); }

// False once the text would outgrow the limit: from then on nothing more is written and the
// text is dropped, rather than a text cut short or a length that wraps around.
bool metaTreeWriterC::reserve(uint64_t more) {
  if (overflowed) return false;
  uint64_t needed = uint64_t(used) + more;
  if (needed < capacity) return true;
  uint64_t grown = needed + growth;
  char* larger = needed > limit ? nullptr : static_cast<char*>(std::realloc(buffer, size_t(grown > limit ? limit + 1 : grown)));
  if (!larger) {
    overflowed = true;
    used = 0;
    return false;
  }
  buffer = larger;
  capacity = uint32_t(grown > limit ? limit + 1 : grown);
  return true;
}

void metaTreeWriterC::put(const char* bytes, uint32_t count) {
  if (!reserve(count)) return;
  std::memcpy(buffer + used, bytes, count);
  used += count;
}

void metaTreeWriterC::putTabs(int count) {
  if (count <= 0 || !reserve(uint32_t(count))) return;
  std::memset(buffer + used, '\t', size_t(count));
  used += uint32_t(count);
}

void metaTreeWriterC::write(const metaTreeC* node, uint32_t prettyFlag, bool single) {
  used = 0;
  overflowed = !buffer;
  pretty = prettyFlag != 0;
  root = node;
  writeNodeList(node, single);
}

void metaTreeWriterC::writeAll(const metaTreeC* node, uint32_t prettyFlag) { write(node, prettyFlag, false); }

void metaTreeWriterC::writeSingle(const metaTreeC* node, uint32_t prettyFlag) { write(node, prettyFlag, true); }

uint32_t metaTreeWriterC::getText(str& out) const {
  char* text = out.getBuffer(int(used) + 1);
  if (used) std::memcpy(text, buffer, used);
  text[used] = 0;
  return used;
}

// Strings are escaped as escapeString does it: TAB, LF, CR, quote and backslash get a backslash.
// A text ends at its first zero byte. While the buffer has room for a text's stored length
// (never less than up to its zero) or a number's longest text, they are written straight into
// it; otherwise their exact length is reserved, so a text just below the limit still fits.
void metaTreeWriterC::writeValue(const metaTreeC* node) {
  const metaTokenC& value = node->value;
  switch (value.getKind()) {
    case metaTokenC::kindWord: {
      const str* text = value.getText();
      const char* bytes = text->c_str();
      uint32_t bound = uint32_t(text->length());
      if (!hasRoom(bound)) {
        put(bytes, uint32_t(std::strlen(bytes)));
        break;
      }
      char* out = buffer + used;
      uint32_t count = 0;
      for (; count < bound && bytes[count]; ++count) out[count] = bytes[count];
      used += count;
      break;
    }
    case metaTokenC::kindString: {
      const str* text = value.getText();
      const char* bytes = text->c_str();
      uint64_t bound = uint64_t(text->length());
      if (!hasRoom(2 * bound + 2)) bound = std::strlen(bytes);
      if (!reserve(2 * bound + 2)) break;
      char* out = buffer + used;
      *out++ = '"';
      for (const char* p = bytes; *p; ++p) {
        switch (*p) {
          case '\t': *out++ = '\\'; *out++ = 't'; break;
          case '\n': *out++ = '\\'; *out++ = 'n'; break;
          case '\r': *out++ = '\\'; *out++ = 'r'; break;
          case '"': *out++ = '\\'; *out++ = '"'; break;
          case '\\': *out++ = '\\'; *out++ = '\\'; break;
          default: *out++ = *p; break;
        }
      }
      *out++ = '"';
      used = uint32_t(out - buffer);
      break;
    }
    case metaTokenC::kindDouble: {
      double number = value.getDouble();
      if (hasRoom(doubleG14TextSize)) {
        used += uint32_t(formatNumber(number, buffer + used));
        break;
      }
      char digits[doubleG14TextSize];
      put(digits, uint32_t(formatNumber(number, digits)));
      break;
    }
    default:
      break;
  }
}

// Walks along the tree's own links instead of recursing, so any depth can be written.
void metaTreeWriterC::writeNodeList(const metaTreeC* node, bool single) {
  if (!node) return;
  int depth = 0;
  for (;;) {
    writeValue(node);
    if (node->firstChild) {
      // A text that no reader takes back is no saved document.
      if (depth == maxDepth) {
        overflowed = true;
        used = 0;
        return;
      }
      put('{');
      if (pretty) put('\n');
      node = node->firstChild;
      ++depth;
      if (pretty) putTabs(depth);
      continue;
    }
    if (node->next) put(',');
    // Leave finished blocks until a node with a following sibling is reached.
    for (;;) {
      if (depth == 0 && single) return;
      if (node->next) {
        node = node->next;
        break;
      }
      if (depth == 0) return;
      node = node->parent;
      --depth;
      if (pretty) {
        put('\n');
        putTabs(depth);
      }
      put('}');
      if (pretty && node->next) {
        put('\n');
        putTabs(depth);
      }
    }
  }
}
