#include "core/mExtAttrListC.h"

#include "core/metaTreeC.h"
#include "platform/asciiCase.h"

mExtAttrBaseC mExtAttrListC::findByName(const char* name) {
  if (!node || !name) return mExtAttrBaseC();
  for (metaTreeC* child = node->firstChild; child; child = child->next) {
    mExtAttrBaseC attribute(child, 0);
    str itemName = attribute.getName();
    if (asciiCase::equal(std::string_view(itemName.c_str(), size_t(itemName.length())), name)) return attribute;
  }
  return mExtAttrBaseC();
}
