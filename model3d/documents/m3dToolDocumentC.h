// A tool document of a part ("TOOLDOC"): a whole part or assembly kept inside the part and
// placed by its "MAT".
#pragma once

#include <cstdint>

#include "model3d/documents/m3dDocumentContainerC.h"

class m3dToolDocumentC : public m3dDocumentContainerC {
 public:
  static constexpr const char* classKey = "TOOLDOC";

  m3dToolDocumentC() = default;
  m3dToolDocumentC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dDocumentContainerC(root, owns) {}
};
