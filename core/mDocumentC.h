// The base view of a document node: its name and short name, and the names made for a
// document that has none.
#pragma once

#include "core/mExtAttrBaseC.h"

class mDocumentC : public mExtAttrBaseC {
 public:
  mDocumentC() = default;
  mDocumentC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), mExtAttrBaseC(root, owns) {}

  str getShortName() { return getStringAttribute("SHORTNAME"); }
  // formatName: the short name fitted to maxLength.
  str makeShortName(uint32_t maxLength) { return formatName(maxLength); }
};
