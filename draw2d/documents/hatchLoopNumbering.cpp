#include "draw2d/documents/hatchLoopNumbering.h"

#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"
#include "core/propertyValuePut.h"

namespace {

metaTreeC* childFoundOrMade(metaTreeC* node, const char* key) {
  return metaObjectVirtualDataBaseC(node, 0).findOrCreateChildByKeyword(key);
}

}  // namespace

int numberHatchLoops(metaTreeC* hatches) {
  if (!hatches) return 0;
  int index = 0;
  for (metaTreeC* hatch = hatches->firstChild; hatch; hatch = hatch->next, ++index) {
    for (metaTreeC* loop = childFoundOrMade(hatch, "M2DHATCHLOOPS")->firstChild; loop; loop = loop->next) {
      for (metaTreeC* reference = childFoundOrMade(loop, "M2DHATCHLOOPSHREFS")->firstChild; reference;
           reference = reference->next) {
        if (metaTreeC* target = metaObjectRefC(reference, 0).getTargetNode())
          putPropertyDouble(childFoundOrMade(target, "HATCHIDX"), double(index));
      }
    }
  }
  return index;
}
