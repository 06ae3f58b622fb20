#include "core/metaTreeViewC.h"

#include "core/metaObjectVirtualDataBaseC.h"
#include "core/metaTreeAnchorC.h"
#include "core/metaTreeC.h"

void metaTreeViewC::show(metaTreeC* newNode) { hold(newNode, metaTreeAnchorC::find(newNode)); }

void metaTreeViewC::showHandle(const metaObjectVirtualDataBaseC& handle) {
  metaTreeC* root = handle.getNode();
  if (root && handle.ownsNode()) metaTreeAnchorC::adopt(root);
  show(root);
}

void metaTreeViewC::hold(metaTreeC* newNode, metaTreeAnchorC* newAnchor) {
  if (newNode) metaTreeC::addView(newNode);
  if (newAnchor) newAnchor->addReference();
  release();
  node = newNode;
  anchor = newAnchor;
}

void metaTreeViewC::release() {
  metaTreeC* oldNode = node;
  metaTreeAnchorC* oldAnchor = anchor;
  node = nullptr;
  anchor = nullptr;
  if (oldNode) metaTreeC::releaseView(oldNode);
  if (oldAnchor) oldAnchor->releaseReference();
}
