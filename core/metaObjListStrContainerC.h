// A list of texts: the children of the view's node, each a word or a string.
#pragma once

#include <cstdint>

#include "core/metaObjListContainerC.h"

class metaObjListStrContainerC : public metaObjListContainerC {
 public:
  using metaObjListContainerC::metaObjListContainerC;

  // A copy of the item's text; "" with found 0 when there is no item or it holds no text.
  str getItem(int index, uint32_t* found = nullptr);
  str getItemText(int index, uint32_t* found = nullptr) { return getItem(index, found); }
  // The item's value becomes a string (or a word) of the text; found 0 when there is no item.
  void setItem(int index, const char* text, uint32_t* found = nullptr);
  void setItemWord(int index, const char* text, uint32_t* found = nullptr);
  // Appends string items holding text until there are count items; returns how many were
  // appended, or the item count when there were enough already.
  uint32_t ensureCount(uint32_t count, const char* text);
};
