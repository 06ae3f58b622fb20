// Makes the nodes of one INI read. Each key word of the records is one text that every node
// carrying it holds, equal keys and equal short names and texts share one text through a
// table as the tree reader's do, and nodes come from the small-block heap in runs: a file of
// many short entries then costs few allocations per entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/metaTokenTextTableC.h"
#include "core/metaTreeNodeRunC.h"

class metaTokenTextC;
class metaTreeC;

class iniTreeBuilderC {
 public:
  enum wordE { sections, section, name, entries, entry, key, text, wordCount };

  iniTreeBuilderC();
  ~iniTreeBuilderC();
  iniTreeBuilderC(const iniTreeBuilderC&) = delete;
  iniTreeBuilderC& operator=(const iniTreeBuilderC&) = delete;

  metaTreeC* newWord(wordE word);
  // The key word node with a string node as its child. readable is how many bytes may be read
  // from value.data() on (at least its size), which lets short texts be compared a word at a time.
  metaTreeC* newStringField(wordE word, std::string_view value, size_t readable);

 private:
  metaTreeC* newNode();
  // The longest name or entry text that is looked up in the shared texts; keys always are.
  static constexpr size_t sharedTextsAtMost = 8;

  metaTokenTextC* words[wordCount];
  metaTokenTextTableC sharedTexts;
  metaTreeNodeRunC nodes;
};
