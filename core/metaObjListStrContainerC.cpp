#include "core/metaObjListStrContainerC.h"

#include "core/metaTreeC.h"

str metaObjListStrContainerC::getItem(int index, uint32_t* found) {
  metaTreeC* item = childAt(index);
  const str* text = item ? item->value.getText() : nullptr;
  if (found) *found = text ? 1 : 0;
  return text ? str(*text) : str();
}

void metaObjListStrContainerC::setItem(int index, const char* text, uint32_t* found) {
  metaTreeC* item = childAt(index);
  if (found) *found = item ? 1 : 0;
  if (item) item->value.setString(nullptr, text);
}

void metaObjListStrContainerC::setItemWord(int index, const char* text, uint32_t* found) {
  metaTreeC* item = childAt(index);
  if (found) *found = item ? 1 : 0;
  if (item) item->value.setWord(nullptr, text);
}

uint32_t metaObjListStrContainerC::ensureCount(uint32_t count, const char* text) {
  if (!node) return 0;
  uint32_t present = childCount();
  if (present >= count) return present;
  metaTreeC* last = node->firstChild ? metaTreeC::lastSibling(node->firstChild) : nullptr;
  for (uint32_t i = present; i < count; ++i) {
    metaTreeC* item = new metaTreeC;
    item->value.setString(nullptr, text);
    if (last) metaTreeC::linkAfter(item, last);
    else metaTreeC::linkAsFirstChildren(item, node);
    last = item;
    ++metaTreeChangeCounter;
  }
  return count - present;
}
