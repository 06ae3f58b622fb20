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

metaTreeC* iniTreeBuilderC::newNode() { return nodes.newNode(); }

metaTreeC* iniTreeBuilderC::newWord(wordE word) {
  metaTreeC* node = newNode();
  node->value.holdText(metaTokenC::kindWord, nullptr, words[word]);
  return node;
}

metaTreeC* iniTreeBuilderC::newStringField(wordE word, std::string_view value, size_t readable) {
  metaTreeC* string = newNode();
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
    metaTokenTextC* own = new metaTokenTextC(bytes, int(value.size()));
    string->value.holdText(metaTokenC::kindString, nullptr, own);
    own->releaseHolder();
  }
  metaTreeC* field = newWord(word);
  metaTreeC::linkAsFirstChildren(string, field);
  return field;
}
