#include "dlliface/optionElementIds.h"

#include "core/metaTreeC.h"
#include "core/keyNodeField.h"

namespace {

constexpr std::string_view idKey = "ID";

bool carries(const metaTreeC* node, const char* elementKey) { return !elementKey || node->hasKeyword(elementKey); }

}  // namespace

// Walks the children itself: merges and updates call this for every element they compare.
const str& elementIdText(metaTreeC* element) {
  static const str none;
  if (!element) return none;
  for (const metaTreeC* child = element->firstChild; child; child = child->next) {
    if (!child->hasKeyword(idKey)) continue;
    const metaTreeC* value = child->firstChild;
    return value && value->value.isString() ? *value->value.getText() : none;
  }
  metaTreeC::appendWordChild(element, "ID");
  return none;
}

metaTreeC* findElementById(metaTreeC* collection, const char* elementKey, std::string_view id) {
  for (metaTreeC* element = firstElement(collection, elementKey); element; element = nextElement(element, elementKey))
    if (textView(elementIdText(element)) == id) return element;
  return nullptr;
}

metaTreeC* appendElementWithId(metaTreeC* collection, const char* elementKey, const char* id) {
  if (!collection) return nullptr;
  metaTreeC* element = metaTreeC::appendWordChild(collection, elementKey);
  setStringField(element, "ID", id);
  return element;
}

void removeElement(metaTreeC* element) {
  if (!element) return;
  metaTreeC::unlink(element);
  ++metaTreeChangeCounter;
  metaTreeC::deleteTree(element);
}

uint32_t countElements(const metaTreeC* collection, const char* elementKey) {
  uint32_t count = 0;
  for (const metaTreeC* child = collection ? collection->firstChild : nullptr; child; child = child->next)
    count += carries(child, elementKey) ? 1 : 0;
  return count;
}

metaTreeC* nextElement(metaTreeC* element, const char* elementKey) {
  metaTreeC* next = element ? element->next : nullptr;
  while (next && !carries(next, elementKey)) next = next->next;
  return next;
}

metaTreeC* firstElement(metaTreeC* collection, const char* elementKey) {
  metaTreeC* first = collection ? collection->firstChild : nullptr;
  return first && !carries(first, elementKey) ? nextElement(first, elementKey) : first;
}
