#include "core/propertyValuePut.h"

#include "core/metaTreeC.h"

namespace {

void linkAsFirstValue(metaTreeC* property, metaTreeC* value) {
  if (metaTreeC* first = property->firstChild) metaTreeC::linkBefore(value, first);
  else metaTreeC::linkAsFirstChildren(value, property);
  ++metaTreeChangeCounter;
}

// A first value of the kind is overwritten in place (a counted change only when
// countRewrite is set, as word rewrites are); otherwise the new value goes in front.
template <class isKindT, class assignT>
void putPropertyValue(metaTreeC* property, isKindT isKind, assignT assign, bool countRewrite) {
  if (!property) return;
  metaTreeC* first = property->firstChild;
  if (first && isKind(first->value)) {
    assign(first->value, first->value.getPosition());
    if (countRewrite) ++metaTreeChangeCounter;
    return;
  }
  auto* node = new metaTreeC;
  assign(node->value, nullptr);
  linkAsFirstValue(property, node);
}

}  // namespace

void putPropertyDouble(metaTreeC* property, double value) {
  putPropertyValue(
      property, [](const auto& held) { return held.isDouble(); },
      [value](auto& held, auto position) { held.setDouble(position, value); }, false);
}

void putPropertyString(metaTreeC* property, const char* text) {
  putPropertyValue(
      property, [](const auto& held) { return held.isString(); },
      [text](auto& held, auto position) { held.setString(position, text); }, false);
}

void putPropertyWord(metaTreeC* property, const char* text) {
  putPropertyValue(
      property, [](const auto& held) { return held.isWord(); },
      [text](auto& held, auto position) { held.setWord(position, text); }, true);
}
