// Reads the tree text format: items (words, numbers, quoted strings) separated by blanks,
// TABs, line breaks or commas, each item optionally followed by blocks in braces that hold
// its children. One reader serves one read: open, read, destroy. Words and numbers are read
// in place; the tokens of a read that carry equal bytes share one text (metaTokenTextC), and
// its nodes are taken from the heap a run at a time.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

#include "base/str.h"
#include "core/metaTokenTextTableC.h"

class metaTreeC;
class metaTokenTextC;

class metaTreeReaderC {
 public:
  // Blocks nested deeper than this are refused with a reader error; the writer refuses to
  // write such trees (metaTreeWriterC::maxDepth).
  static constexpr int maxDepth = 1000;

  metaTreeReaderC();
  ~metaTreeReaderC();
  metaTreeReaderC(const metaTreeReaderC&) = delete;
  metaTreeReaderC& operator=(const metaTreeReaderC&) = delete;

  // 1 when the file is readable; otherwise 0, and the following read gives null.
  uint32_t openFile(const char* path);
  // Reads a copy of the text; 1.
  uint32_t openString(const char* text);
  // Reads from the caller's stream, which stays the caller's; 1.
  uint32_t openStream(std::istream& stream);

  // The first top-level node of the whole input, owned by the caller, or null when the input
  // is empty or invalid (the partial tree is deleted). postLoad runs the load hooks of
  // custom storage over every top-level node and its subtree, as the writers run the save
  // hooks over all of them, so that a reference in any item reads back as it was saved; not
  // when the standard hooks are installed and no key word they act on was read.
  metaTreeC* read(uint32_t postLoad);

  // "Line:" n " - " and the first error met.
  str errorText() const;
  bool hasError() const { return error; }

  // Strings keep their backslash escapes unresolved.
  void setRawStrings(bool raw) { rawStrings = raw; }

  // True when text, written as a word, reads back as that one key word: it is not empty, holds
  // word characters only (letters, digits, hyphen, plus, full stop, underscore, at sign) and
  // does not begin as a number does (digit, full stop, plus, hyphen). Every call that sets a
  // key word from a caller's text checks it; key words read from text are taken as they are.
  static bool isKeyword(std::string_view text);

  // The capacity the token buffer grows to from capacity when needed bytes must fit.
  static size_t grownTokenCapacity(size_t capacity, size_t needed);

 private:
  void reset();
  bool refill();
  void fail(const char* text, const char* word = nullptr, int wordLength = 0);
  void appendToToken(const unsigned char* bytes, size_t count);
  void scanWord();
  bool scanString();
  // The node of the word (or string) token just scanned; null after a reader error.
  metaTreeC* newValueNode(bool word);
  metaTreeC* readNumberInPlace();
  metaTreeC* parse();
  void noteKeyword(const char* word);
  metaTreeC* newNode();
  size_t readableFromToken() const;

  bool rawStrings = false;
  int depth = 0;
  bool error = false;
  str errorMessage;
  int line = 1;

  // The text of the last word or string token: tokenText for tokenLength bytes, either inside
  // the input or in the token buffer (bytes from the C heap, 32000 at first, then doubled).
  const char* tokenText = nullptr;
  int tokenLength = 0;
  int tokenCapacity = 0;
  char* tokenBuffer = nullptr;

  // Input bytes not read yet are [cursor, limit). A string or a file is read whole into
  // ownedText; a caller's stream refills chunk by chunk.
  bool hasInput = false;
  bool endMarkSeen = false;
  const unsigned char* cursor = nullptr;
  const unsigned char* limit = nullptr;
  std::string ownedText;
  std::istream* stream = nullptr;
  char* chunk = nullptr;

  // The texts of the read, shared by the tokens with equal bytes.
  metaTokenTextTableC sharedTexts;
  // Whether the load hooks need to run: decided by the key words met when they are gated by
  // key words (metaTreeCustomHooks::loadGatedByKeywords), else always.
  bool loadGated = false;
  bool loadNeeded = false;
};
