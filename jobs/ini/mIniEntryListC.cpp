#include "jobs/ini/mIniEntryListC.h"

#include <string_view>

#include "core/metaTreeC.h"
#include "platform/asciiCase.h"

namespace {

bool textEqualsNoCase(const str& text, std::string_view expected) {
  return asciiCase::equal(std::string_view(text.c_str(), size_t(text.length())), expected);
}

}  // namespace

mIniEntryC addIniEntry(mIniEntryListC& list) { return list.append(); }

mIniEntryC findIniEntry(mIniEntryListC& list, const char* key) {
  return mIniEntryC(findLastItemByFieldNoCase(list.getNode(), mIniEntryC::classKey, "KEY", key), 0);
}

str getIniEntryText(mIniEntryListC& list, const char* key, int* found) {
  mIniEntryC entry = findIniEntry(list, key);
  bool match = entry.isKeyword(mIniEntryC::classKey) != 0;
  if (found) *found = match ? 1 : 0;
  return match ? entry.getText() : str();
}

str getIniEntryTextOr(mIniEntryListC& list, const char* key, const char* fallback) {
  int found = 0;
  str text = getIniEntryText(list, key, &found);
  return found ? text : str(fallback);
}

metaTreeC* findLastItemByFieldNoCase(metaTreeC* list, const char* itemKey, const char* fieldKey, const char* wanted) {
  if (!list || !list->firstChild || !itemKey) return nullptr;
  std::string_view expected(wanted ? wanted : "");
  for (metaTreeC* item = metaTreeC::lastSibling(list->firstChild); item; item = item->previous) {
    if (item->hasKeyword(itemKey) && textEqualsNoCase(getStringField(item, fieldKey), expected)) return item;
  }
  return nullptr;
}
