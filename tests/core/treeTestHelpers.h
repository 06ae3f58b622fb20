// Test helpers for keyword trees: a structural dump that tells value kinds apart, building
// trees from text, and the compact text of a model.
#pragma once

#include <cstdio>
#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"

namespace treeTest {

// One value: W:word, S:"string" (raw bytes), D:number (%.17g), N for none, I:/J: integers.
inline std::string describeValue(const metaTreeC* node) {
  const metaTokenC& value = node->value;
  switch (value.getKind()) {
    case metaTokenC::kindWord:
      return "W:" + std::string(value.getText()->c_str(), size_t(value.getText()->length()));
    case metaTokenC::kindString:
      return "S:\"" + std::string(value.getText()->c_str(), size_t(value.getText()->length())) + "\"";
    case metaTokenC::kindDouble: {
      char text[40];
      std::snprintf(text, sizeof text, "D:%.17g", value.getDouble());
      return text;
    }
    case metaTokenC::kindInteger:
      return "I:" + std::to_string(value.getInteger());
    case metaTokenC::kindInteger2:
      return "J:" + std::to_string(value.getInteger());
    default:
      return "N";
  }
}

// The chain from node on: values separated by blanks, children in braces.
inline std::string describe(const metaTreeC* node) {
  std::string text;
  for (; node; node = node->next) {
    if (!text.empty()) text += ' ';
    text += describeValue(node);
    if (node->firstChild) text += "{" + describe(node->firstChild) + "}";
  }
  return text;
}

// The node and its subtree alone.
inline std::string describeOne(const metaTreeC* node) {
  std::string text = describeValue(node);
  if (node->firstChild) text += "{" + describe(node->firstChild) + "}";
  return text;
}

// Parses text; the reader's error text, if any, goes to error.
inline metaTreeC* parse(const char* text, std::string* error = nullptr) {
  metaTreeReaderC reader;
  reader.openString(text);
  metaTreeC* root = reader.read(1);
  if (error) *error = reader.hasError() ? std::string(reader.errorText().c_str()) : std::string();
  return root;
}

// The compact text of the model's object alone.
inline std::string compact(const metaObjectC& model) { return model.writeToStringValue(1, 0).c_str(); }

// Checks that every link of the chain and below agrees with its neighbours.
inline bool linksConsistent(const metaTreeC* chain, const metaTreeC* parent) {
  const metaTreeC* previous = nullptr;
  for (const metaTreeC* node = chain; node; node = node->next) {
    if (node->parent != parent || node->previous != previous) return false;
    if (node->firstChild && !linksConsistent(node->firstChild, node)) return false;
    previous = node;
  }
  return true;
}

}  // namespace treeTest
