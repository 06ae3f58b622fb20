#include "dlliface/mDllExecIOC.h"

#include "core/metaTreeCustomHooks.h"
#include "dlliface/optionElementIds.h"

metaTreeC* mDllExecIOC::carriedTree(const char* key) const {
  const metaTreeC* carrier = peekFieldNode(node, key);
  return carrier ? carrier->firstChild : nullptr;
}

void mDllExecIOC::carryTree(const char* key, const metaTreeC* tree) {
  if (!node) return;
  metaTreeC* copy = tree ? metaTreeCustomHooks::copy(const_cast<metaTreeC*>(tree), 0) : nullptr;
  while (metaTreeC* old = findChild(key)) removeElement(old);
  metaTreeC* carrier = metaTreeC::appendWordChild(node, key);
  if (copy) {
    metaTreeC::appendChild(copy, carrier);
    ++metaTreeChangeCounter;
  }
}

void mDllExecIOC::setCustomData(const metaTreeC* tree) {
  if (!node || !tree) return;
  metaObjectC(fieldNode(node, mDllIfaceCustomDataC::classKey), 0).copyContentFrom(tree);
}
