#include "dlliface/optionIdIndexC.h"

#include <functional>

#include "core/metaTreeC.h"
#include "dlliface/optionElementIds.h"

namespace {

// The ID text elementIdText gives, without adding a missing ID.
std::string_view peekIdText(const metaTreeC* element) {
  for (const metaTreeC* child = element->firstChild; child; child = child->next) {
    if (!child->hasKeyword("ID")) continue;
    const metaTreeC* value = child->firstChild;
    return value && value->value.isString() ? textView(*value->value.getText()) : std::string_view();
  }
  return {};
}

}  // namespace

optionIdIndexC::optionIdIndexC(metaTreeC* collection, const char* elementKey)
    : collection(collection), elementKey(elementKey) {
  for (metaTreeC* element = firstElement(collection, elementKey); element; element = nextElement(element, elementKey))
    note(element);
}

optionIdIndexC::slotS& optionIdIndexC::slotOf(std::string_view id) {
  const size_t mask = firstById.size() - 1;
  for (size_t at = std::hash<std::string_view>()(id) & mask;; at = (at + 1) & mask)
    if (!firstById[at].element || firstById[at].id == id) return firstById[at];
}

void optionIdIndexC::grow() {
  std::vector<slotS> held(firstById.empty() ? 16 : 2 * firstById.size());
  held.swap(firstById);
  for (const slotS& slot : held)
    if (slot.element) slotOf(slot.id) = slot;
}

void optionIdIndexC::note(metaTreeC* element) {
  if (2 * (count + 1) > firstById.size()) grow();
  // An ID added later reads "" as the missing one does, and texts in the tree stay in place.
  const std::string_view id = peekIdText(element);
  slotS& slot = slotOf(id);
  if (!slot.element) slot = {id, element, count};
  ++count;
}

void optionIdIndexC::passUpTo(uint32_t ordinal) {
  while (passed < count && passed <= ordinal) {
    lastPassed = passed == 0 ? firstElement(collection, elementKey) : nextElement(lastPassed, elementKey);
    elementIdText(lastPassed);
    ++passed;
  }
}

metaTreeC* optionIdIndexC::find(std::string_view id) {
  if (firstById.empty()) grow();
  const slotS& slot = slotOf(id);
  passUpTo(slot.element ? slot.ordinal : UINT32_MAX);
  return slot.element;
}

void optionIdIndexC::appended(metaTreeC* element) { note(element); }
