#include "model3d/connections/m3dConnectionsC.h"

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "model3d/features/m3dFeatGenC.h"

m3dConnPointC m3dConnectionsC::findByName(const char* name) {
  for (metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next) {
    if (!isConnPointNode(child)) continue;
    uint32_t found = 0;
    const str childName = peekStringField(child, "NAME", &found);
    if (found && childName == name) return m3dConnPointC(child, 0);
  }
  return m3dConnPointC();
}

m3dConnectionsC getEnclosingConnections(const metaTreeC* node) {
  metaTreeC* ancestor = node ? node->parent : nullptr;
  while (ancestor && !ancestor->hasKeyword(m3dConnectionsC::classKey)) ancestor = ancestor->parent;
  return m3dConnectionsC(ancestor, 0);
}
