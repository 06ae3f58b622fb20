// The tool documents of a part ("TOOLDOCS"): its "TOOLDOC" children.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/documents/m3dToolDocumentC.h"

class m3dToolDocumentsC : public m3dGeomOpBaseC, public metaObjKeyContainerTemplateC<m3dToolDocumentC> {
 public:
  static constexpr const char* classKey = "TOOLDOCS";

  m3dToolDocumentsC() = default;
  m3dToolDocumentsC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns), metaObjKeyContainerTemplateC<m3dToolDocumentC>(root, owns) {}
};
