// The connection points of a part ("CONNECT"): its "CONNPOINT" children.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/connections/m3dConnPointC.h"

class m3dConnectionsC : public metaObjKeyContainerTemplateC<m3dConnPointC>, public m3dGeomOpBaseC {
 public:
  static constexpr const char* classKey = "CONNECT";

  m3dConnectionsC() = default;
  m3dConnectionsC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjKeyContainerTemplateC<m3dConnPointC>(root, owns), m3dGeomOpBaseC(root, owns) {}

  // The first "CONNPOINT" child whose "NAME" is name, byte for byte; an empty view when none.
  m3dConnPointC findByName(const char* name);
};

// The connection points of the nearest ancestor of node with the key word "CONNECT"; an
// empty view when there is none.
m3dConnectionsC getEnclosingConnections(const metaTreeC* node);
