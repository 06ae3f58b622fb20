#include "jobs/ini/iniTreeBuilderC.h"

#include "core/metaTokenTextC.h"
#include "core/metaTreeC.h"
#include "jobs/ini/mIniEntryC.h"
#include "jobs/ini/mIniSectionC.h"

namespace {

metaTokenTextC* textOf(std::string_view word) { return new metaTokenTextC(word.data(), int(word.size())); }

}  // namespace

iniTreeBuilderC::iniTreeBuilderC()
    : words{textOf("SECTIONS"), textOf(mIniSectionC::classKey), textOf("NAME"), textOf("ENTRIES"),
            textOf(mIniEntryC::classKey), textOf("KEY"), textOf("TEXT")} {}

iniTreeBuilderC::~iniTreeBuilderC() {
  for (metaTokenTextC* word : words) word->releaseHolder();
}

metaTreeC* iniTreeBuilderC::newNode() { return new metaTreeC; }

// A block of a run is a block as operator new gives it, so the last holder deletes the text as
// any other.
metaTokenTextC* iniTreeBuilderC::newText(const char* bytes, int length) {
  return new (textBlocks.take()) metaTokenTextC(bytes, length);
}

void iniTreeBuilderC::appendNew(metaTreeC* parent, metaTreeC*& last, metaTreeC* node) {
  node->parent = parent;
  node->previous = last;
  if (last) last->next = node;
  else parent->firstChild = node;
  last = node;
}

metaTreeC* iniTreeBuilderC::appendWord(metaTreeC* parent, metaTreeC*& last, wordE word) {
  metaTreeC* node = newNode();
  node->value.holdText(metaTokenC::kindWord, nullptr, words[word]);
  appendNew(parent, last, node);
  return node;
}

void iniTreeBuilderC::appendStringField(metaTreeC* parent, metaTreeC*& last, wordE word, std::string_view value,
                                        size_t readable) {
  metaTreeC* field = appendWord(parent, last, word);
  metaTreeC* string = newNode();
  string->parent = field;
  field->firstChild = string;
  bool firstAsKeyword;
  const char* bytes = value.data() ? value.data() : "";
  // Keys repeat from section to section and short texts often do; long texts seldom do, and
  // looking each up would cost more than their copies.
  metaTokenTextC* text = nullptr;
  if (word == key || value.size() <= sharedTextsAtMost)
    text = sharedTexts.find(bytes, int(value.size()), value.data() ? readable : 0, false, firstAsKeyword);
  if (text) {
    string->value.holdText(metaTokenC::kindString, nullptr, text);
  } else {
    // A text of its own, when it is long or the table has no room.
    metaTokenTextC* own = newText(bytes, int(value.size()));
    string->value.holdText(metaTokenC::kindString, nullptr, own);
    own->releaseHolder();
  }
}
