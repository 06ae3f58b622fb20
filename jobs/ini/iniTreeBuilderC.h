// Makes the nodes of one INI read. Each key word of the records is one text that every node
// carrying it holds, equal keys and equal short names and texts share one text through a
// table as the tree reader's do, and nodes and texts come from the small-block heap in runs:
// a file of many short entries then costs few allocations per entry.
//
// The nodes are linked as they are made, under parents made by the same read: a new node is
// in no tree and known to no table, so the bookkeeping the link primitives do for nodes that
// move between trees has nothing to do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/metaTokenTextC.h"
#include "core/metaTokenTextTableC.h"
#include "core/metaTreeC.h"
#include "memman/memPoolBlockRunC.h"

class metaTreeC;

class iniTreeBuilderC {
 public:
  enum wordE { sections, section, name, entries, entry, key, text, wordCount };

  iniTreeBuilderC();
  ~iniTreeBuilderC();
  iniTreeBuilderC(const iniTreeBuilderC&) = delete;
  iniTreeBuilderC& operator=(const iniTreeBuilderC&) = delete;

  // Links node, new and unlinked, as the last child of parent, whose last child the caller
  // keeps in last (null while parent has none).
  static void appendNew(metaTreeC* parent, metaTreeC*& last, metaTreeC* node);

  // A new key word node appended to parent as appendNew does.
  metaTreeC* appendWord(metaTreeC* parent, metaTreeC*& last, wordE word);
  // The key word node with a string node as its child, appended to parent as appendNew does.
  // readable is how many bytes may be read from value.data() on (at least its size), which
  // lets short texts be compared a word at a time.
  void appendStringField(metaTreeC* parent, metaTreeC*& last, wordE word, std::string_view value, size_t readable);

 private:
  metaTreeC* newNode();
  metaTokenTextC* newText(const char* bytes, int length);
  // The longest name or entry text that is looked up in the shared texts; keys always are.
  static constexpr size_t sharedTextsAtMost = 8;

  metaTokenTextC* words[wordCount];
  metaTokenTextTableC sharedTexts;
  memPoolBlockRunC textBlocks{sizeof(metaTokenTextC)};
};
