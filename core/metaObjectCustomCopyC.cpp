#include "core/metaObjectCustomCopyC.h"

#include "core/keywordRegistries.h"
#include "core/prototypeBinding.h"

metaTreeC* metaObjectCustomCopyC::copyNode(metaTreeC* root) {
  return callPrototype(this, customCopyRegistry, static_cast<metaTreeC*>(nullptr),
                       [root](metaObjectCustomCopyC& p) { return p.copyNode(root); });
}

uint32_t metaObjectCustomCopyC::prepareCopy(metaTreeC* root) {
  return callPrototype(this, customCopyRegistry, 0u, [root](metaObjectCustomCopyC& p) { return p.prepareCopy(root); });
}

uint32_t metaObjectCustomCopyC::finishCopy(metaTreeC* root) {
  return callPrototype(this, customCopyRegistry, 0u, [root](metaObjectCustomCopyC& p) { return p.finishCopy(root); });
}
