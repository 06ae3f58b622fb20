#include "core/metaTreeCustomHooks.h"

#include "core/keywordRegistries.h"
#include "core/keywordRegistry.h"
#include "core/metaObjectCustomHooks.h"
#include "core/metaTreeC.h"

namespace metaTreeCustomHooks {

// The custom-storage and custom-copy passes run unless a test installs another table.
static const metaTreeCustomHooksS* installed = &metaObjectCustomHooksTable;

const metaTreeCustomHooksS* install(const metaTreeCustomHooksS* table) {
  const metaTreeCustomHooksS* previous = installed;
  installed = table;
  return previous;
}

void load(metaTreeC* root, uint32_t single) {
  if (root && installed && installed->load) installed->load(root, single);
}

bool loadGatedByKeywords() { return !installed || installed == &metaObjectCustomHooksTable; }

// The standard load hooks run only over trees holding a word of the custom-storage registry.
bool keywordHasLoadHook(const char* word) {
  return installed && installed->load && findKeyword(customStorageRegistry, word) != nullptr;
}

metaTreeC* save(metaTreeC* root, uint32_t single) {
  if (root && installed && installed->save) return installed->save(root, single);
  return nullptr;
}

metaTreeC* copy(metaTreeC* root, uint32_t single) {
  if (!root) return nullptr;
  if (installed && installed->copy) return installed->copy(root, single);
  return single ? metaTreeC::deepCopyNode(root) : metaTreeC::deepCopy(root);
}

}  // namespace metaTreeCustomHooks
