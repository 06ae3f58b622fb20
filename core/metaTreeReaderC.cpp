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

// Word bytes a number may start with have a class of their own; the two word classes come
// first, so that one comparison tells a word's first byte.
enum byteClassE : uint8_t {
  classWord,
  classNumberStart,
  classOpen,
  classClose,
  classSeparator,
  classQuote,
  classLineFeed,
  classEndMark,
  classIllegal
};

struct byteTableS {
  uint8_t byteClass[256] = {};
  bool word[256] = {};
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
    for (int c = 0; c < 256; ++c) word[c] = byteClass[c] == classWord;
    for (int c = '0'; c <= '9'; ++c) byteClass[c] = classNumberStart;
    for (unsigned char c : {'-', '+', '.'}) byteClass[c] = classNumberStart;
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

bool isWordByte(unsigned char c) { return byteTable.word[c]; }

// The end of the run of word characters from at; four bytes a step while four may be read,
// so that the bound is tested once per step.
const unsigned char* endOfWord(const unsigned char* at, const unsigned char* limit) {
  for (; limit - at >= 4; at += 4) {
    if (!isWordByte(at[0])) return at;
    if (!isWordByte(at[1])) return at + 1;
    if (!isWordByte(at[2])) return at + 2;
    if (!isWordByte(at[3])) return at + 3;
  }
  while (at < limit && isWordByte(*at)) ++at;
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

uint64_t load8(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, 8);
  return word;
}

constexpr uint64_t ones = 0x0101010101010101ull;

// How many of the eight bytes of word, from the first, are digits before any other byte.
int leadingDigitCount(uint64_t word) {
  // Zero bytes where the byte is a digit: its high nibble is 3, and still 3 after adding 6.
  uint64_t other = ((word & 0xF0 * ones) ^ 0x30 * ones) | (((word + 6 * ones) & 0xF0 * ones) ^ 0x30 * ones);
  uint64_t firstOther = (((other & 0x7F * ones) + 0x7F * ones) | other) & 0x80 * ones;
  return firstOther ? __builtin_ctzll(firstOther) / 8 : 8;
}

// The value of the first count (1 to 8) bytes of word, all digits: moved to the top, zero bytes
// below them standing for leading zeros; then pairs, fours and all eight are joined.
uint32_t digitsValue(uint64_t word, int count) {
  uint64_t digits = count == 8 ? word : word << (8 * (8 - count));
  digits = ((digits & 0x0F * ones) * 2561) >> 8;
  digits = ((digits & 0x00FF00FF00FF00FFull) * 6553601) >> 16;
  return uint32_t(((digits & 0x0000FFFF0000FFFFull) * 42949672960001ull) >> 32);
}

constexpr double smallPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

// The numbers documents are mostly made of: a sign, and up to seven digits, a point among them
// or not, with 9 bytes readable from the first digit. The digits on both sides of the point are
// joined into one word and read at once. The value is the one general reading gives (an exact
// mantissa divided by an exact power of ten rounds correctly). Returns the end of the number's
// bytes, or null, value untouched, where the bytes at text do not start so (readable counts the
// bytes that may be read from text on).
[[gnu::always_inline]] inline const char* readCommonNumberPrefix(const char* text, size_t readable, double& value) {
  const char* at = text;
  bool negative = *at == '-';
  if (negative || *at == '+') ++at;
  if (readable < size_t(at - text) + 9) return nullptr;
  uint64_t word = load8(at);
  int wholeDigits = leadingDigitCount(word);
  if (wholeDigits == 0 || wholeDigits == 8) return nullptr;
  int digits = wholeDigits;
  int places = 0;
  if (at[wholeDigits] == '.') {
    uint64_t whole = (uint64_t(1) << (8 * wholeDigits)) - 1;
    word = (word & whole) | (load8(at + 1) & ~whole);
    digits = leadingDigitCount(word);
    places = digits - wholeDigits;
    if (places == 0 || digits == 8) return nullptr;
    ++at;
  }
  double result = double(digitsValue(word, digits)) / smallPowersOfTen[places];
  value = negative ? -result : result;
  return at + digits;
}

// The same for a whole word of length bytes; false, value untouched, for every other number.
bool readCommonNumber(const char* text, int length, size_t readable, double& value) {
  double read;
  if (readCommonNumberPrefix(text, readable, read) != text + length) return false;
  value = read;
  return true;
}

// The bytes the in-place number reader may look at from a number's first byte on: a sign and
// nine bytes of digits and point, the byte after the number among them.
constexpr size_t numberReach = 1 + 9;

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
    if (!isWordByte(c)) return false;
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

metaTreeC* metaTreeReaderC::newNode() { return new metaTreeC; }

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

[[gnu::always_inline]] inline metaTreeC* metaTreeReaderC::newValueNode(bool word) {
  const int position[2] = {line, 0};
  char first = tokenLength > 0 ? tokenText[0] : 0;
  if (word && startsLikeNumber(first)) {
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

// A number that starts at the cursor (with a number's first byte) and ends, with room to spare, before the input's limit is
// read in place, without scanning its word first: its value node, or null (nothing read) when
// the word is not a common number and takes the general way.
[[gnu::always_inline]] inline metaTreeC* metaTreeReaderC::readNumberInPlace() {
  if (size_t(limit - cursor) < numberReach) return nullptr;
  double number;
  const char* text = reinterpret_cast<const char*>(cursor);
  const char* end = readCommonNumberPrefix(text, size_t(limit - cursor), number);
  if (!end || isWordByte(static_cast<unsigned char>(*end))) return nullptr;
  cursor = reinterpret_cast<const unsigned char*>(end);
  const int position[2] = {line, 0};
  metaTreeC* node = newNode();
  node->value.setDouble(position, number);
  return node;
}

// One level per open block, kept on an explicit stack: the item the block belongs to and the
// chain read so far. A block's chain is put in front of the item's existing children when
// the block closes, so a second block after the same item lists its children first.
// The token scanners and node makers are inlined into this loop, the reader's hot path: a
// call per token costs as much as the scan of a short word. Byte classes are tested in the
// order documents use them: words and numbers, then braces, then commas and the rest.
metaTreeC* metaTreeReaderC::parse() {
  struct levelS {
    metaTreeC* owner;
    metaTreeC* first;
    metaTreeC* last;
  };
  // Room for the deepest nesting taken, so that a level is a step of a pointer.
  std::vector<levelS> levels(size_t(maxDepth) + 1);
  levelS* level = levels.data();
  *level = {nullptr, nullptr, nullptr};
  // Links made: the change counter moves by as many, once, when the parse ends.
  uint32_t links = 0;
  depth = 0;
  for (;;) {
    if (cursor == limit && !refill()) break;
    uint8_t byteClass = byteTable.byteClass[*cursor];
    metaTreeC* node;
    if (byteClass <= classNumberStart) {
      node = byteClass == classNumberStart ? readNumberInPlace() : nullptr;
      if (!node) {
        scanWord();
        node = newValueNode(true);
      }
    } else {
      ++cursor;
      if (byteClass == classOpen) {
        if (!level->last) {
          fail("section without key found");
          break;
        }
        if (depth >= maxDepth) {
          fail("section nesting too deep");
          break;
        }
        ++depth;
        level[1] = {level->last, nullptr, nullptr};
        ++level;
        continue;
      }
      if (byteClass == classClose) {
        if (--depth < 0) {
          fail("section count wrong");
          break;
        }
        levelS block = *level--;
        if (block.first) {
          block.last->next = block.owner->firstChild;
          if (block.owner->firstChild) block.owner->firstChild->previous = block.last;
          block.owner->firstChild = block.first;
        }
        ++links;
        continue;
      }
      if (byteClass == classSeparator) continue;
      if (byteClass == classLineFeed) {
        ++line;
        continue;
      }
      if (byteClass == classEndMark) {
        endMarkSeen = true;
        break;
      }
      if (byteClass != classQuote) {
        fail("ill seperator char");
        break;
      }
      if (!scanString()) break;
      node = newValueNode(false);
    }
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
  }
  metaTreeChangeCounter += links;
  if (!error) {
    if (depth == 0) return level->first;
    fail("section count wrong");
  }
  // Nothing of a failed read survives: the open blocks' chains go first, innermost first,
  // while the items they belong to still exist.
  for (levelS* open = level + 1; open != levels.data();) delete (--open)->first;
  return nullptr;
}

metaTreeC* metaTreeReaderC::read(uint32_t postLoad) {
  if (!hasInput) return nullptr;
  loadGated = metaTreeCustomHooks::loadGatedByKeywords();
  loadNeeded = !loadGated;
  metaTreeC* root = parse();
  sharedTexts.clear();
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
