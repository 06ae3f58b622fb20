#include "core/propertyValuePut.h"

#include "core/metaTreeC.h"

namespace {

void linkAsFirstValue(metaTreeC* property, metaTreeC* value) {
  if (metaTreeC* first = property->firstChild) metaTreeC::linkBefore(value, first);
  else metaTreeC::linkAsFirstChildren(value, property);
  ++metaTreeChangeCounter;
}

}  // namespace

void putPropertyDouble(metaTreeC* property, double value) {
  if (!property) return;
  metaTreeC* first = property->firstChild;
  if (first && first->value.isDouble()) {
    first->value.setDouble(first->value.getPosition(), value);
    return;
  }
  auto* node = new metaTreeC;
  node->value.setDouble(nullptr, value);
  linkAsFirstValue(property, node);
}

void putPropertyString(metaTreeC* property, const char* text) {
  if (!property) return;
  metaTreeC* first = property->firstChild;
  if (first && first->value.isString()) {
    first->value.setString(first->value.getPosition(), text);
    return;
  }
  auto* node = new metaTreeC;
  node->value.setString(nullptr, text);
  linkAsFirstValue(property, node);
}

void putPropertyWord(metaTreeC* property, const char* text) {
  if (!property) return;
  metaTreeC* first = property->firstChild;
  if (first && first->value.isWord()) {
    first->value.setWord(first->value.getPosition(), text);
    ++metaTreeChangeCounter;
    return;
  }
  auto* node = new metaTreeC;
  node->value.setWord(nullptr, text);
  linkAsFirstValue(property, node);
}
