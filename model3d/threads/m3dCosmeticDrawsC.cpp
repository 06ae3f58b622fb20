#include "model3d/threads/m3dCosmeticDrawsC.h"

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"

m3dCosSketchC m3dCosmeticDrawsC::findByName(const char* name) {
  if (!name) return m3dCosSketchC();
  for (metaTreeC* child = node ? node->firstChild : nullptr; child; child = child->next) {
    if (!child->hasKeyword(m3dCosSketchC::classKey)) continue;
    uint32_t found = 0;
    const str childName = peekStringField(child, "NAME", &found);
    if (found && childName == name) return m3dCosSketchC(child, 0);
  }
  return m3dCosSketchC();
}
