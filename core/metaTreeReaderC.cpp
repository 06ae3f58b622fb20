#include "core/metaTreeReaderC.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <vector>

#include "base/decimalNumberText.h"
#include "core/metaTokenTextC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeCustomHooks.h"
#include "platform/textFile.h"

namespace {

constexpr size_t tokenGrowth = 32000;
constexpr int maxTokenCapacity = 0x7FFFFFFF;
constexpr size_t chunkSize = 65536;
constexpr unsigned char endMark = 255;

enum byteClassE : uint8_t { classIllegal, classSeparator, classLineFeed, classWord, classQuote, classOpen, classClose, classEndMark };

struct byteTableS {
  uint8_t byteClass[256] = {};
  bool stringPlain[256] = {};  // bytes a string takes without a closer look

  constexpr byteTableS() {
    for (int c = 0; c < 256; ++c) {
      byteClass[c] = classIllegal;
      stringPlain[c] = c != '"' && c != '\\';
    }
    for (int c = 'A'; c <= 'Z'; ++c) byteClass[c] = classWord;
    for (int c = 'a'; c <= 'z'; ++c) byteClass[c] = classWord;
    for (int c = '0'; c <= '9'; ++c) byteClass[c] = classWord;
    for (unsigned char c : {'-', '+', '.', '_', '@'}) byteClass[c] = classWord;
    for (unsigned char c : {' ', '\t', '\r', ','}) byteClass[c] = classSeparator;
    byteClass[uint8_t('\n')] = classLineFeed;
    byteClass[uint8_t('"')] = classQuote;
    byteClass[uint8_t('{')] = classOpen;
    byteClass[uint8_t('}')] = classClose;
    byteClass[endMark] = classEndMark;
  }
};

constexpr byteTableS byteTable;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The end of the run of word characters from at.
const unsigned char* endOfWord(const unsigned char* at, const unsigned char* limit) {
  while (at < limit && byteTable.byteClass[*at] == classWord) ++at;
  return at;
}

bool startsLikeNumber(char c) { return isDigit(c) || c == '.' || c == '+' || c == '-'; }

// Decimal numbers only: sign, digits, fraction, exponent; no hexadecimal, "inf" or "nan".
bool isDecimalNumber(const char* text, int length) {
  int i = 0;
  if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
  auto skipDigits = [&] {
    int start = i;
    while (i < length && isDigit(text[i])) ++i;
    return i - start;
  };
  int digits = skipDigits();
  if (i < length && text[i] == '.') {
    ++i;
    digits += skipDigits();
  }
  if (digits == 0) return false;
  if (i < length && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < length && (text[i] == '+' || text[i] == '-')) ++i;
    if (skipDigits() == 0) return false;
  }
  return i == length;
}

// The C locale for the slow path, made once; the process's locale is never touched.
locale_t cLocale() {
  static locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
  return locale;
}

// The run of up to eight digits at the start of the eight bytes at text: how many, and their value.
int leadingDigits(const char* text, uint32_t& value) {
  constexpr uint64_t ones = 0x0101010101010101ull, high = 0x8080808080808080ull;
  uint64_t word;
  std::memcpy(&word, text, 8);
  // Zero bytes where the byte is a digit: its high nibble is 3, and still 3 after adding 6.
  uint64_t other = ((word & 0xF0 * ones) ^ 0x30 * ones) | (((word + 6 * ones) & 0xF0 * ones) ^ 0x30 * ones);
  uint64_t digitBytes = ~(((other & 0x7F * ones) + 0x7F * ones) | other | 0x7F * ones);
  uint64_t firstOther = ~digitBytes & high;
  int count = firstOther ? __builtin_ctzll(firstOther) / 8 : 8;
  if (count == 0) return 0;
  // The digits moved to the top, zero bytes below them standing for leading zeros; then pairs,
  // fours and all eight are joined.
  uint64_t digits = count == 8 ? word : word << (8 * (8 - count));
  digits = ((digits & 0x0F * ones) * 2561) >> 8;
  digits = ((digits & 0x00FF00FF00FF00FFull) * 6553601) >> 16;
  value = uint32_t(((digits & 0x0000FFFF0000FFFFull) * 42949672960001ull) >> 32);
  return count;
}

constexpr double smallPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

// The numbers documents are mostly made of, read in place: a sign, up to eight digits, and a
// fraction of up to eight digits, with 8 bytes readable from each run of digits. The value
// is the one general reading gives (an exact mantissa divided by an exact power of ten
// rounds correctly). False, value untouched, for every other number.
bool readCommonNumber(const char* text, int length, size_t readable, double& value) {
  const char* end = text + length;
  const char* at = text;
  bool negative = *at == '-';
  if (negative || *at == '+') ++at;
  if (readable < size_t(at - text) + 8) return false;
  uint32_t whole;
  int wholeDigits = leadingDigits(at, whole);
  if (wholeDigits == 0 || wholeDigits == 8) return false;
  at += wholeDigits;
  uint64_t mantissa = whole;
  int places = 0;
  if (at < end) {
    if (*at != '.' || readable < size_t(at + 1 - text) + 8) return false;
    ++at;
    uint32_t fraction;
    places = leadingDigits(at, fraction);
    if (places == 0 || places == 8) return false;
    at += places;
    mantissa = mantissa * uint64_t(smallPowersOfTen[places]) + fraction;
  }
  if (at != end) return false;
  double result = double(mantissa) / smallPowersOfTen[places];
  value = negative ? -result : result;
  return true;
}

// Converts a decimal number word; a number beyond the double range gives the infinity of its
// sign, one below it rounds towards 0.
bool convertNumber(const char* text, int length, double& value) {
  if (parseShortDecimal(text, size_t(length), value)) return true;
  if (!isDecimalNumber(text, length)) return false;
  const char* first = text[0] == '+' ? text + 1 : text;
  auto result = std::from_chars(first, text + length, value, std::chars_format::general);
  if (result.ec == std::errc() && result.ptr == text + length) return true;
  std::string copy(text, size_t(length));
  value = strtod_l(copy.c_str(), nullptr, cLocale());
  return true;
}

}  // namespace

// At least one step, and at least double: a long token is copied a bounded number of times
// in all, however many pieces it arrives in.
size_t metaTreeReaderC::grownTokenCapacity(size_t capacity, size_t needed) {
  size_t grown = capacity + (capacity > tokenGrowth ? capacity : tokenGrowth);
  return grown < needed ? needed : grown;
}

bool metaTreeReaderC::isKeyword(std::string_view text) {
  if (text.empty() || startsLikeNumber(text[0])) return false;
  for (unsigned char c : text) {
    if (byteTable.byteClass[c] != classWord) return false;
  }
  return true;
}

metaTreeReaderC::metaTreeReaderC() = default;

metaTreeReaderC::~metaTreeReaderC() {
  std::free(tokenBuffer);
  std::free(chunk);
}

// The bytes that may be read from the token's text on: to the end of the input or of the buffer.
size_t metaTreeReaderC::readableFromToken() const {
  return tokenText == tokenBuffer ? size_t(tokenCapacity) : size_t(reinterpret_cast<const char*>(limit) - tokenText);
}

metaTreeC* metaTreeReaderC::newNode() { return nodes.newNode(); }

// A key word the load hooks may act on means they must run after the read.
void metaTreeReaderC::noteKeyword(const char* word) {
  if (loadGated && !loadNeeded && metaTreeCustomHooks::keywordHasLoadHook(word)) loadNeeded = true;
}

void metaTreeReaderC::reset() {
  hasInput = false;
  endMarkSeen = false;
  cursor = limit = nullptr;
  ownedText.clear();
  stream = nullptr;
  tokenText = nullptr;
  tokenLength = 0;
  error = false;
  errorMessage = "";
  depth = 0;
  line = 1;
}

uint32_t metaTreeReaderC::openFile(const char* path) {
  reset();
  if (!path || access(path, R_OK) != 0) return 0;
  if (!textFile::readTextFile(path, ownedText)) return 0;
  hasInput = true;
  cursor = reinterpret_cast<const unsigned char*>(ownedText.data());
  limit = cursor + ownedText.size();
  return 1;
}

uint32_t metaTreeReaderC::openString(const char* text) {
  reset();
  ownedText = text ? text : "";
  hasInput = true;
  cursor = reinterpret_cast<const unsigned char*>(ownedText.data());
  limit = cursor + ownedText.size();
  return 1;
}

uint32_t metaTreeReaderC::openStream(std::istream& input) {
  reset();
  stream = &input;
  hasInput = true;
  return 1;
}

bool metaTreeReaderC::refill() {
  if (!stream) return false;
  if (!chunk) chunk = static_cast<char*>(std::malloc(chunkSize));
  stream->read(chunk, std::streamsize(chunkSize));
  std::streamsize got = stream->gcount();
  if (got <= 0) return false;
  cursor = reinterpret_cast<const unsigned char*>(chunk);
  limit = cursor + got;
  return true;
}

void metaTreeReaderC::fail(const char* text, const char* word, int wordLength) {
  if (error) return;
  error = true;
  errorMessage = text;
  if (word) errorMessage.append(word, wordLength);
}

void metaTreeReaderC::appendToToken(const unsigned char* bytes, size_t count) {
  // The token may still point into the input: move it into the buffer first.
  if (tokenText != tokenBuffer || !tokenBuffer) {
    const char* pending = tokenText;
    int pendingLength = tokenLength;
    tokenLength = 0;
    tokenText = tokenBuffer;
    if (pendingLength > 0) appendToToken(reinterpret_cast<const unsigned char*>(pending), size_t(pendingLength));
  }
  size_t needed = size_t(tokenLength) + count + 1;
  if (needed > size_t(tokenCapacity)) {
    size_t grown = grownTokenCapacity(size_t(tokenCapacity), needed);
    if (grown > size_t(maxTokenCapacity)) grown = needed > size_t(maxTokenCapacity) ? needed : size_t(maxTokenCapacity);
    tokenBuffer = static_cast<char*>(std::realloc(tokenBuffer, grown));
    tokenCapacity = int(grown);
  }
  if (count) std::memcpy(tokenBuffer + tokenLength, bytes, count);
  tokenLength += int(count);
  tokenBuffer[tokenLength] = 0;
  tokenText = tokenBuffer;
}

// The token scanners and the node maker are inlined into the parse loop, the reader's hot
// path: a call per token costs as much as the scan of a short word.
[[gnu::always_inline]] inline void metaTreeReaderC::scanWord() {
  const unsigned char* end = endOfWord(cursor, limit);
  tokenText = reinterpret_cast<const char*>(cursor);
  tokenLength = int(end - cursor);
  cursor = end;
  // A word that runs to the end of a chunk of a stream goes on in the next chunk.
  while (cursor == limit && stream) {
    appendToToken(nullptr, 0);
    if (!refill()) break;
    end = endOfWord(cursor, limit);
    appendToToken(cursor, size_t(end - cursor));
    cursor = end;
  }
}

bool metaTreeReaderC::scanString() {
  tokenText = reinterpret_cast<const char*>(cursor);
  tokenLength = 0;
  bool buffered = false;
  for (;;) {
    const unsigned char* end = cursor;
    while (end < limit && byteTable.stringPlain[*end]) ++end;
    if (end < limit && *end == '"') {
      if (buffered) appendToToken(cursor, size_t(end - cursor));
      else tokenLength = int(end - cursor);
      cursor = end + 1;
      break;
    }
    if (!buffered) {
      tokenText = tokenBuffer;
      tokenLength = 0;
      buffered = true;
    }
    appendToToken(cursor, size_t(end - cursor));
    cursor = end;
    if (cursor == limit) {
      if (!refill()) {
        fail("ill char in string");
        return false;
      }
      continue;
    }
    // A backslash: it escapes the next byte, a quote included.
    ++cursor;
    if (cursor == limit && !refill()) {
      fail("ill char in string");
      return false;
    }
    unsigned char escaped = *cursor++;
    if (rawStrings) {
      const unsigned char pair[2] = {'\\', escaped};
      appendToToken(pair, 2);
      continue;
    }
    unsigned char resolved = escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : escaped == 't' ? '\t' : escaped;
    appendToToken(&resolved, 1);
  }
  // The value ends at its first zero byte.
  if (const void* zero = std::memchr(tokenText, 0, size_t(tokenLength))) tokenLength = int(static_cast<const char*>(zero) - tokenText);
  return true;
}

// The classes tested in the order they are met most in documents: words and numbers, then
// braces, then commas and the rest.
[[gnu::always_inline]] inline metaTreeReaderC::tokenE metaTreeReaderC::nextToken() {
  for (;;) {
    if (cursor == limit && !refill()) return tokenEnd;
    uint8_t byteClass = byteTable.byteClass[*cursor];
    if (byteClass == classWord) {
      scanWord();
      return tokenWord;
    }
    ++cursor;
    if (byteClass == classOpen) return tokenOpen;
    if (byteClass == classClose) return tokenClose;
    if (byteClass == classSeparator) continue;
    if (byteClass == classQuote) return scanString() ? tokenString : tokenEnd;
    if (byteClass == classLineFeed) {
      ++line;
      continue;
    }
    if (byteClass == classEndMark) {
      endMarkSeen = true;
      return tokenEnd;
    }
    fail("ill seperator char");
    return tokenEnd;
  }
}

[[gnu::always_inline]] inline metaTreeC* metaTreeReaderC::newValueNode(tokenE kind) {
  const int position[2] = {line, 0};
  char first = tokenLength > 0 ? tokenText[0] : 0;
  if (kind == tokenWord && startsLikeNumber(first)) {
    double number;
    if (!readCommonNumber(tokenText, tokenLength, readableFromToken(), number) &&
        !convertNumber(tokenText, tokenLength, number)) {
      fail("value invalid :", tokenText, tokenLength);
      return nullptr;
    }
    metaTreeC* node = newNode();
    node->value.setDouble(position, number);
    return node;
  }
  metaTreeC* node = newNode();
  bool word = kind == tokenWord;
  metaTokenC::kindE textKind = word ? metaTokenC::kindWord : metaTokenC::kindString;
  bool firstAsKeyword;
  if (metaTokenTextC* text = sharedTexts.find(tokenText, tokenLength, readableFromToken(), word, firstAsKeyword)) {
    node->value.holdText(textKind, position, text);
    if (firstAsKeyword) noteKeyword(text->c_str());
    return node;
  }
  // No room in the table: the token gets a text of its own.
  metaTokenTextC* own = new metaTokenTextC(tokenText, tokenLength);
  node->value.holdText(textKind, position, own);
  own->releaseHolder();
  if (word) noteKeyword(own->c_str());
  return node;
}

// One level per open block, kept on an explicit stack: the item the block belongs to and the
// chain read so far. A block's chain is put in front of the item's existing children when
// the block closes, so a second block after the same item lists its children first.
metaTreeC* metaTreeReaderC::parse() {
  struct levelS {
    metaTreeC* owner;
    metaTreeC* first;
    metaTreeC* last;
  };
  std::vector<levelS> levels;
  levels.reserve(64);
  levels.push_back({nullptr, nullptr, nullptr});
  levelS* level = &levels.back();
  // Links made: the change counter moves by as many, once, when the parse ends.
  uint32_t links = 0;
  depth = 0;
  for (;;) {
    tokenE token = nextToken();
    if (error) break;
    if (token == tokenWord || token == tokenString) {
      metaTreeC* node = newValueNode(token);
      if (!node) break;
      node->parent = level->owner;
      if (level->last) {
        level->last->next = node;
        node->previous = level->last;
      } else {
        level->first = node;
      }
      level->last = node;
      ++links;
      continue;
    }
    if (token == tokenOpen) {
      if (!level->last) {
        fail("section without key found");
        break;
      }
      if (depth >= maxDepth) {
        fail("section nesting too deep");
        break;
      }
      ++depth;
      levels.push_back({level->last, nullptr, nullptr});
      level = &levels.back();
      continue;
    }
    if (token == tokenClose) {
      if (--depth < 0) {
        fail("section count wrong");
        break;
      }
      levelS block = *level;
      levels.pop_back();
      level = &levels.back();
      if (block.first) {
        block.last->next = block.owner->firstChild;
        if (block.owner->firstChild) block.owner->firstChild->previous = block.last;
        block.owner->firstChild = block.first;
      }
      ++links;
      continue;
    }
    if (depth == 0) {
      metaTreeChangeCounter += links;
      return level->first;
    }
    fail("section count wrong");
    break;
  }
  metaTreeChangeCounter += links;
  // Nothing of a failed read survives: the open blocks' chains go first, innermost first,
  // while the items they belong to still exist.
  while (!levels.empty()) {
    delete levels.back().first;
    levels.pop_back();
  }
  return nullptr;
}

metaTreeC* metaTreeReaderC::read(uint32_t postLoad) {
  if (!hasInput) return nullptr;
  loadGated = metaTreeCustomHooks::loadGatedByKeywords();
  loadNeeded = !loadGated;
  metaTreeC* root = parse();
  sharedTexts.clear();
  nodes.giveBack();
  if (!error && endMarkSeen) {
    fail("eof fail");
    delete root;
    root = nullptr;
  }
  if (root && postLoad && loadNeeded) metaTreeCustomHooks::load(root, 0);
  hasInput = false;
  ownedText.clear();
  ownedText.shrink_to_fit();
  stream = nullptr;
  cursor = limit = nullptr;
  return root;
}

str metaTreeReaderC::errorText() const {
  char number[16];
  auto result = std::to_chars(number, number + sizeof number - 1, line);
  *result.ptr = 0;
  str text("Line:");
  text += number;
  text += " - ";
  text += errorMessage.c_str();
  return text;
}
