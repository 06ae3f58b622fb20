#include "core/metaNodeCompareInterfaceC.h"

#include <string_view>

#include "core/metaTreeC.h"

// The bytes of a token's text; a string without buffer reads as "".
static std::string_view textOf(const str& text) { return std::string_view(text.c_str(), size_t(text.length())); }

static bool isWordEqual(const metaTreeC* node, const str& key) {
  return node->value.isWord() && textOf(*node->value.getText()) == textOf(key);
}

static bool isStringEqual(const metaTreeC* node, const str& text) {
  return node->value.isString() && textOf(*node->value.getText()) == textOf(text);
}

bool metaNodeCompareKeyC::match(const metaTreeC* node) { return isWordEqual(node, key); }

bool metaNodeCompareKeyNrC::match(const metaTreeC* node) {
  if (!isWordEqual(node, key)) return false;
  if (remaining == 0) return true;
  --remaining;
  return false;
}

bool metaNodeCompareKeyStringC::match(const metaTreeC* node) {
  return isWordEqual(node, key) && node->firstChild && isStringEqual(node->firstChild, value);
}

bool metaNodeCompareKeyDoubleC::match(const metaTreeC* node) {
  return isWordEqual(node, key) && node->firstChild && node->firstChild->value.isDouble() &&
         node->firstChild->value.getDouble() == value;
}

bool metaNodeCompareKeyContainsC::match(const metaTreeC* node) {
  return node->value.isWord() && textOf(*node->value.getText()).find(textOf(text)) != std::string_view::npos;
}

bool metaNodeCompareStringC::match(const metaTreeC* node) { return isStringEqual(node, text); }

bool metaNodeCompareStringContainsC::match(const metaTreeC* node) {
  return node->value.isString() && textOf(*node->value.getText()).find(textOf(text)) != std::string_view::npos;
}

bool metaNodeCompareDoubleC::match(const metaTreeC* node) {
  return node->value.isDouble() && node->value.getDouble() == value;
}
