#include "core/metaObjectCustomStorageC.h"

#include "core/keywordRegistries.h"
#include "core/prototypeBinding.h"

uint32_t metaObjectCustomStorageC::loadNode(metaTreeC* root) {
  return callPrototype(this, customStorageRegistry, 0u, [root](metaObjectCustomStorageC& p) { return p.loadNode(root); });
}

metaTreeC* metaObjectCustomStorageC::saveNode(metaTreeC* root) {
  return callPrototype(this, customStorageRegistry, static_cast<metaTreeC*>(nullptr),
                       [root](metaObjectCustomStorageC& p) { return p.saveNode(root); });
}

uint32_t metaObjectCustomStorageC::prepareSave(metaTreeC* root) {
  return callPrototype(this, customStorageRegistry, 0u, [root](metaObjectCustomStorageC& p) { return p.prepareSave(root); });
}

uint32_t metaObjectCustomStorageC::finishSave(metaTreeC* root) {
  return callPrototype(this, customStorageRegistry, 0u, [root](metaObjectCustomStorageC& p) { return p.finishSave(root); });
}

uint32_t metaObjectCustomStorageC::prepareLoad(metaTreeC* root) {
  return callPrototype(this, customStorageRegistry, 0u, [root](metaObjectCustomStorageC& p) { return p.prepareLoad(root); });
}

uint32_t metaObjectCustomStorageC::finishLoad(metaTreeC* root) {
  return callPrototype(this, customStorageRegistry, 0u, [root](metaObjectCustomStorageC& p) { return p.finishLoad(root); });
}
