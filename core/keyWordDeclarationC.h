// Key words the records of a folder use as field keys, declared beside the classes that read
// them, so that a tool which walks every key word the library knows (the fuzz targets' tree
// generator) needs no list of its own:
//
//   constexpr const char* iniFileKeyWords[] = {"INIFILE", "FNAME", "SECTIONS"};
//   const keyWordDeclarationC iniFileKeyWordsDeclared(iniFileKeyWords);
//
// A keyword registrar declares the key word it registers. Every declaration registers itself
// before main, in no fixed order; the words are static text.
#pragma once

#include <cstddef>

class keyWordDeclarationC {
 public:
  template <size_t count>
  explicit keyWordDeclarationC(const char* const (&keyWords)[count]) : keyWordDeclarationC(keyWords, count) {}
  explicit keyWordDeclarationC(const char* keyWord) : keyWordDeclarationC(&single, 1) { single = keyWord; }
  keyWordDeclarationC(const keyWordDeclarationC&) = delete;
  keyWordDeclarationC& operator=(const keyWordDeclarationC&) = delete;
  ~keyWordDeclarationC();

  static const keyWordDeclarationC* first() { return firstDeclaration; }
  const keyWordDeclarationC* getNext() const { return nextDeclaration; }

  const char* const* begin() const { return words; }
  const char* const* end() const { return words + count; }

 private:
  keyWordDeclarationC(const char* const* keyWords, size_t keyWordCount);

  static inline constinit keyWordDeclarationC* firstDeclaration = nullptr;

  const char* single = nullptr;
  const char* const* words;
  size_t count;
  keyWordDeclarationC* nextDeclaration;
};
