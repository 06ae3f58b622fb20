// How the option model finds its elements: every element (page, type, option, group,
// dependency) is named by the string of its ID child, compared byte for byte. Reading that
// text adds an empty ID to an element that has none, so a scan leaves every element it passes
// with an ID; an ID holding no string names the element "".
#pragma once

#include <cstdint>
#include <string_view>

#include "base/str.h"

class metaTreeC;

// A text's bytes, for comparisons byte for byte.
inline std::string_view textView(const str& text) { return std::string_view(text.c_str(), size_t(text.length())); }

// The element's ID text; adds the empty ID when missing. The text lives in the tree.
const str& elementIdText(metaTreeC* element);

// The first child of collection carrying elementKey (any child for null) whose ID text is
// id; null when none is, or without a collection.
metaTreeC* findElementById(metaTreeC* collection, const char* elementKey, std::string_view id);

// A new last child of collection holding elementKey and an ID of id, nothing else.
metaTreeC* appendElementWithId(metaTreeC* collection, const char* elementKey, const char* id);

// Takes the element out of its tree and deletes it; a script object that shows it keeps the
// detached element. Nothing for null.
void removeElement(metaTreeC* element);

// The first count children of collection carrying elementKey (any child for null), counted
// before a pass that may append to the collection, so that the pass visits only those.
uint32_t countElements(const metaTreeC* collection, const char* elementKey);
// The element after element among those carrying elementKey (any child for null).
metaTreeC* nextElement(metaTreeC* element, const char* elementKey);
metaTreeC* firstElement(metaTreeC* collection, const char* elementKey);
