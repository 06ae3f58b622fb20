#include "base/str.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <vector>

#include "memman/memPoolSystemHeap.h"
#include "platform/asciiCase.h"

namespace {

const char emptyText[] = "";

// The exact buffer size for a text of this length. Lengths are ints, so a longer text cannot be
// made: like any allocation that cannot be served, it ends the process rather than overrun.
uint32_t bufferSizeFor(size_t length) {
  if (length >= size_t(INT32_MAX)) memPoolOutOfMemory(uint64_t(length) + 1);
  return uint32_t(length + 1);
}

// The buffer of a new string, sized for a text of this length, to be filled.
char* freshBuffer(str& result, size_t length) { return result.getBuffer(int(bufferSizeFor(length))); }

std::string_view textView(const char* text) { return text ? std::string_view(text) : std::string_view(); }

// Clips the window [start, start + count) to [0, length). False when nothing of it is left.
bool clipWindow(int length, int start, int count, int& first, int& last) {
  if (count < 1) return false;
  int64_t begin = std::max<int64_t>(start, 0);
  int64_t end = std::min<int64_t>(int64_t(start) + count, length);
  if (begin >= end) return false;
  first = int(begin);
  last = int(end);
  return true;
}

// First occurrence of a non-empty needle, or -1.
int findIn(std::string_view hay, std::string_view needle, bool caseSensitive) {
  if (caseSensitive) {
    size_t at = hay.find(needle);
    return at == std::string_view::npos ? -1 : int(at);
  }
  if (needle.size() > hay.size()) return -1;
  for (size_t i = 0; i + needle.size() <= hay.size(); ++i)
    if (asciiCase::equal(hay.substr(i, needle.size()), needle)) return int(i);
  return -1;
}

// The exact decimal expansion of a double has at most 767 significant digits, "%.*g" drops
// trailing zeros, and beyond precision 308 its choice between fixed and exponent notation no
// longer changes: every larger precision prints the same text as this one. The buffer holds
// such a text with its sign, point, leading "0.000" and exponent.
constexpr int largestUsefulPrecision = 800;
constexpr int numberTextCapacity = largestUsefulPrecision + 32;

// The "%.*g" text of the value in the "C" locale, whatever locale the host has set.
std::string_view formatDouble(double value, int precision, char (&text)[numberTextCapacity]) {
  // As printf: a negative precision means the default of 6.
  int digits = precision < 0 ? 6 : std::min(precision, largestUsefulPrecision);
  auto result = std::to_chars(text, text + numberTextCapacity, value, std::chars_format::general, digits);
  return result.ec == std::errc() ? std::string_view(text, size_t(result.ptr - text)) : std::string_view();
}

template <class Integer>
std::string_view formatInteger(Integer value, char (&text)[numberTextCapacity]) {
  auto result = std::to_chars(text, text + numberTextCapacity, value);
  return std::string_view(text, size_t(result.ptr - text));
}

// A new string holding the pieces joined.
str joinPieces(const std::vector<std::string_view>& pieces) {
  size_t total = 0;
  for (std::string_view piece : pieces) total += piece.size();
  str result;
  char* out = freshBuffer(result, total);
  for (std::string_view piece : pieces) {
    if (!piece.empty()) std::memcpy(out, piece.data(), piece.size());
    out += piece.size();
  }
  *out = 0;
  return result;
}

char escapeLetter(char c) {
  switch (c) {
    case '\t': return 't';
    case '\n': return 'n';
    case '\r': return 'r';
    case '"': return '"';
    case '\\': return '\\';
    default: return 0;
  }
}

char unescapedByte(char letter) {
  switch (letter) {
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return letter;
  }
}

}  // namespace

str::str() = default;

str::str(const str& other) : memManInterfaceC() {
  if (other.buffer.data) assignPieces({other.view()});
}

str::str(const char* text) {
  if (text) assignPieces({text});
}

str::str(const char* text, int start, int end) { assignRange(text, start, end); }

str::str(int value) {
  char text[numberTextCapacity];
  assignPieces({formatInteger(value, text)});
}

str::str(unsigned int value) {
  char text[numberTextCapacity];
  assignPieces({formatInteger(value, text)});
}

str::str(long value) {
  char text[numberTextCapacity];
  assignPieces({formatInteger(static_cast<int32_t>(value), text)});
}

str::str(double value, int precision) {
  char text[numberTextCapacity];
  assignPieces({formatDouble(value, precision, text)});
}

str::~str() { buffer.freeData(); }

void str::assignPieces(std::initializer_list<std::string_view> pieces) {
  size_t total = 0;
  for (std::string_view piece : pieces) total += piece.size();
  uint32_t size = bufferSizeFor(total);
  char* block = static_cast<char*>(buffer.allocMemory(size));
  char* out = block;
  for (std::string_view piece : pieces) {
    if (!piece.empty()) std::memcpy(out, piece.data(), piece.size());
    out += piece.size();
  }
  *out = 0;
  if (buffer.data) buffer.freeMemory(buffer.data);
  buffer.data = block;
  buffer.size = size;
}

str& str::operator=(const char* text) {
  if (text)
    assignPieces({text});
  else
    buffer.freeData();
  return *this;
}

str& str::operator=(const str& other) {
  if (other.buffer.data == buffer.data) return *this;
  if (other.buffer.data)
    assignPieces({other.view()});
  else
    buffer.freeData();
  return *this;
}

void str::assignRange(const char* text, int start, int end) {
  if (!text) {
    buffer.freeData();
    return;
  }
  start = std::max(start, 0);
  end = std::max(end, start);
  assignPieces({std::string_view(text + start, size_t(end - start))});
}

const char* str::c_str() const { return buffer.data ? buffer.data : emptyText; }

str& str::operator+=(const char* text) {
  if (text && *text) assignPieces({view(), text});
  return *this;
}

str& str::operator+=(char c) {
  assignPieces({view(), std::string_view(&c, 1)});
  return *this;
}

str& str::append(const char* text, int count) {
  if (text && count > 0) assignPieces({view(), std::string_view(text, size_t(count))});
  return *this;
}

str str::operator+(const str& other) const {
  str result;
  result.assignPieces({view(), other.view()});
  return result;
}

str str::operator+(const char* text) const {
  str result;
  result.assignPieces({view(), textView(text)});
  return result;
}

char* str::getBuffer(int size) {
  if (size < 1) return nullptr;
  uint32_t newSize = uint32_t(size);
  char* block = static_cast<char*>(buffer.allocMemory(newSize));
  uint32_t kept = std::min(buffer.size, newSize);
  if (kept) std::memcpy(block, buffer.data, kept);
  // Bytes the caller does not fill still leave a terminated text.
  std::memset(block + kept, 0, newSize - kept);
  block[newSize - 1] = 0;
  if (buffer.data) buffer.freeMemory(buffer.data);
  buffer.data = block;
  buffer.size = newSize;
  return block;
}

bool str::operator==(const char* text) const {
  if (!buffer.data) return !text || !*text;
  if (!text) return isEmpty();
  return std::strcmp(buffer.data, text) == 0;
}

bool str::operator<(const char* text) const {
  if (!text) return false;
  if (!buffer.data) return true;
  return std::strcmp(buffer.data, text) < 0;
}

bool str::operator>(const char* text) const {
  if (!buffer.data) return false;
  if (!text) return true;
  return std::strcmp(buffer.data, text) > 0;
}

int str::find(char c) const {
  size_t at = view().find(c);
  return at == std::string_view::npos ? -1 : int(at);
}

int str::find(const char* text) const {
  if (isEmpty()) return -1;
  std::string_view needle = textView(text);
  return needle.empty() ? 0 : findIn(view(), needle, true);
}

int str::reverseFind(char c) const {
  size_t at = view().rfind(c);
  return at == std::string_view::npos ? -1 : int(at);
}

int str::reverseFind(const char* text) const {
  std::string_view needle = textView(text);
  if (isEmpty() || needle.empty()) return -1;
  size_t at = view().rfind(needle);
  return at == std::string_view::npos ? -1 : int(at);
}

int str::findNoCase(char c) const {
  char lower = asciiCase::toLower(c);
  char upper = asciiCase::toUpper(c);
  if (lower == upper) return find(c);
  std::string_view text = view();
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == lower || text[i] == upper) return int(i);
  return -1;
}

int str::findNoCase(const char* text) const {
  if (isEmpty()) return -1;
  std::string_view needle = textView(text);
  if (needle.empty()) return 0;
  if (needle.size() == 1) return findNoCase(needle[0]);
  return findIn(view(), needle, false);
}

str str::mid(int start, int count) const {
  str result;
  int first = 0;
  int last = 0;
  if (clipWindow(length(), start, count, first, last))
    result.assignPieces({view().substr(size_t(first), size_t(last - first))});
  return result;
}

str str::left(int n) const { return mid(0, n); }

str str::right(int n) const {
  if (n < 1) return str();
  n = std::min(n, length());
  return mid(length() - n, n);
}

str& str::insert(int pos, const char* text) {
  if (!text || !*text) return *this;
  size_t at = size_t(std::clamp(pos, 0, length()));
  std::string_view current = view();
  assignPieces({current.substr(0, at), text, current.substr(at)});
  return *this;
}

str& str::remove(int start, int count) {
  int first = 0;
  int last = 0;
  if (!clipWindow(length(), start, count, first, last)) return *this;
  std::string_view current = view();
  assignPieces({current.substr(0, size_t(first)), current.substr(size_t(last))});
  return *this;
}

void str::trimLeft(char c) {
  std::string_view current = view();
  size_t first = current.find_first_not_of(c);
  if (current.empty() || first == 0) return;
  assignPieces({first == std::string_view::npos ? std::string_view() : current.substr(first)});
}

void str::trimRight(char c) {
  std::string_view current = view();
  size_t last = current.find_last_not_of(c);
  size_t kept = last == std::string_view::npos ? 0 : last + 1;
  if (kept == current.size()) return;
  assignPieces({current.substr(0, kept)});
}

void str::trim(char c) {
  trimLeft(c);
  trimRight(c);
}

void str::makeUpper() {
  for (int i = 0; i < length(); ++i) buffer.data[i] = asciiCase::toUpper(buffer.data[i]);
}

void str::makeLower() {
  for (int i = 0; i < length(); ++i) buffer.data[i] = asciiCase::toLower(buffer.data[i]);
}

void upperCaseText(char* text) {
  if (!text) return;
  for (; *text; ++text) *text = asciiCase::toUpper(*text);
}

void lowerCaseText(char* text) {
  if (!text) return;
  for (; *text; ++text) *text = asciiCase::toLower(*text);
}

str escapeString(const char* text) {
  str result;
  if (!text) return result;
  size_t size = 0;
  for (const char* in = text; *in; ++in) size += escapeLetter(*in) ? 2 : 1;
  char* out = freshBuffer(result, size);
  for (const char* in = text; *in; ++in) {
    char letter = escapeLetter(*in);
    if (letter) {
      *out++ = '\\';
      *out++ = letter;
    } else {
      *out++ = *in;
    }
  }
  *out = 0;
  return result;
}

str unescapeString(const char* text) {
  str result;
  if (!text) return result;
  size_t size = 0;
  for (const char* in = text; *in; ++in) {
    if (*in == '\\') {
      if (!in[1]) break;  // a trailing backslash escapes nothing and is dropped
      ++in;
    }
    ++size;
  }
  char* out = freshBuffer(result, size);
  for (const char* in = text; *in; ++in) {
    if (*in == '\\') {
      if (!in[1]) break;
      *out++ = unescapedByte(*++in);
    } else {
      *out++ = *in;
    }
  }
  *out = 0;
  return result;
}

str quoteString(const char* text) {
  str escaped = escapeString(text);
  return joinPieces({"\"", std::string_view(escaped.c_str(), size_t(escaped.length())), "\""});
}

str replaceString(str source, const str& what, const str& with, int start, int count, bool caseSensitive) {
  std::string_view needle = what.c_str();
  // An empty search text would match everywhere without advancing: nothing is replaced.
  if (count == 0 || needle.empty()) return source;
  std::string_view rest(source.c_str(), size_t(source.length()));
  size_t searchFrom = size_t(std::clamp(start, 0, source.length()));
  std::vector<std::string_view> pieces{rest.substr(0, searchFrom)};
  rest = rest.substr(searchFrom);
  std::string_view replacement = with.c_str();
  for (;;) {
    int at = findIn(rest, needle, caseSensitive);
    if (at < 0) break;
    pieces.push_back(rest.substr(0, size_t(at)));
    pieces.push_back(replacement);
    rest = rest.substr(size_t(at) + needle.size());
    if (count > 0 && --count == 0) break;
  }
  pieces.push_back(rest);
  return joinPieces(pieces);
}
