#include "core/metaObjectCustomHooks.h"

#include "core/keywordRegistries.h"
#include "core/keywordRegistry.h"
#include "core/metaObjectCRCC.h"
#include "core/metaObjectCustomCopyC.h"
#include "core/metaObjectCustomStorageC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeNodeIndexC.h"

namespace {

bool isRegisteredWord(const metaTreeC* node, const metaObjectInterfaceListC* registry) {
  return node->value.isWord() && findKeyword(registry, node->value.getText()->c_str());
}

// The gate: along the chain and down through word nodes only, is any word registered?
uint32_t hasRegisteredWord(const metaTreeC* chain, uint32_t single, const metaObjectInterfaceListC* registry) {
  for (const metaTreeC* top = chain; top; top = top->next) {
    if (!top->value.isWord()) continue;
    if (isRegisteredWord(top, registry)) return 1;
    int levelsDown = 0;
    for (const metaTreeC* node = top->firstChild; node; node = nextInPreOrder(node, levelsDown, node->value.isWord())) {
      if (isRegisteredWord(node, registry)) return 1;
    }
    if (single) return 0;
  }
  return 0;
}

// Visits the chain in post-order: a node's children (as a chain) before the node itself;
// only the first node and its subtree with single. A visit may change the subtree of the node
// it is given, nothing else. Iterative, so any depth is walked.
template <class visitT>
void walkPostOrder(metaTreeC* chain, uint32_t single, visitT visit) {
  if (!chain) return;
  int depth = 0;
  auto deepestFirst = [&depth](metaTreeC* node) {
    while (node->firstChild) {
      node = node->firstChild;
      ++depth;
    }
    return node;
  };
  metaTreeC* node = deepestFirst(chain);
  for (;;) {
    visit(node);
    if (depth == 0) {
      if (single || !node->next) return;
      node = deepestFirst(node->next);
    } else if (node->next) {
      node = deepestFirst(node->next);
    } else {
      node = node->parent;
      --depth;
    }
  }
}

// Builds the copy of a chain in pre-order: each source node is first offered to substitute;
// a node it returns takes the source node's place (the source's subtree is not visited),
// otherwise the copy is a new node with the source's value and copy mark whose children are
// built the same way. Iterative over the source's own links.
template <class substituteT>
metaTreeC* buildCopy(metaTreeC* chain, uint32_t single, substituteT substitute) {
  if (!chain) return nullptr;
  metaTreeC* first = nullptr;
  metaTreeC* parentCopy = nullptr;  // the copy whose children are being built
  metaTreeC* lastCopy = nullptr;    // the last child linked under parentCopy (or top level)
  metaTreeC* from = chain;
  int depth = 0;
  for (;;) {
    metaTreeC* copy = substitute(from);
    bool descend = false;
    if (!copy) {
      copy = new metaTreeC(*from);
      descend = from->firstChild != nullptr;
    }
    if (lastCopy) metaTreeC::linkAfter(copy, lastCopy);
    else if (parentCopy) metaTreeC::linkAsFirstChildren(copy, parentCopy);
    ++metaTreeChangeCounter;
    if (!first) first = copy;
    lastCopy = metaTreeC::lastSibling(copy);
    if (descend) {
      parentCopy = copy;
      lastCopy = nullptr;
      from = from->firstChild;
      ++depth;
      continue;
    }
    // Climb out of finished child lists until a source node with a following sibling.
    for (;;) {
      if (depth == 0) {
        if (single || !from->next) return first;
        from = from->next;
        break;
      }
      if (from->next) {
        from = from->next;
        break;
      }
      from = from->parent;
      lastCopy = parentCopy;
      parentCopy = parentCopy->parent;
      --depth;
    }
  }
}

template <class operationT>
void walkStorage(metaTreeC* chain, uint32_t single, operationT operation) {
  walkPostOrder(chain, single, [&operation](metaTreeC* node) {
    metaObjectCustomStorageC view(node, 0);
    operation(view);
  });
}

template <class operationT>
void walkCopy(metaTreeC* chain, uint32_t single, operationT operation) {
  walkPostOrder(chain, single, [&operation](metaTreeC* node) {
    metaObjectCustomCopyC view(node, 0);
    operation(view);
  });
}

// Each pass that may use the node index starts with it forgotten, so the first use in the
// pass builds it over the tree as it then is. Within a pass the walked tree only gains nodes.
void forgetNodeIndex() { metaTreeNodeIndexC::instance().setRoot(nullptr); }

// Copy marks left from earlier copies (a copy of a marked node carries its mark) would let the
// marks of this copy's targets be found twice.
void clearCopyMarks(metaTreeC* chain, uint32_t single) {
  walkPostOrder(chain, single, [](metaTreeC* node) { node->copyMark = 0; });
}

void loadHook(metaTreeC* root, uint32_t single) { runLoadHooks(root, single); }
metaTreeC* saveHook(metaTreeC* root, uint32_t single) { return runSaveHooks(root, single); }
metaTreeC* copyHook(metaTreeC* root, uint32_t single) { return runCopyHooks(root, single); }

}  // namespace

const metaTreeCustomHooksS metaObjectCustomHooksTable = {loadHook, saveHook, copyHook};

prototypeLookupS<metaObjectCustomStorageC> lookupCustomStorage(metaTreeC* node) {
  return lookupPrototype<metaObjectCustomStorageC>(customStorageRegistry, node);
}

prototypeLookupS<metaObjectCustomCopyC> lookupCustomCopy(metaTreeC* node) {
  return lookupPrototype<metaObjectCustomCopyC>(customCopyRegistry, node);
}

uint32_t treeHasCustomStorage(const metaTreeC* chain, uint32_t single) {
  return hasRegisteredWord(chain, single, customStorageRegistry);
}

uint32_t treeHasCustomCopy(const metaTreeC* chain, uint32_t single) {
  return hasRegisteredWord(chain, single, customCopyRegistry);
}

void runLoadHooks(metaTreeC* root, uint32_t single) {
  if (!root || !treeHasCustomStorage(root, single)) return;
  walkStorage(root, single, [root](metaObjectCustomStorageC& view) { view.prepareLoad(root); });
  forgetNodeIndex();
  walkStorage(root, single, [root](metaObjectCustomStorageC& view) { view.loadNode(root); });
  walkStorage(root, single, [root](metaObjectCustomStorageC& view) { view.finishLoad(root); });
}

metaTreeC* runSaveHooks(metaTreeC* root, uint32_t single) {
  if (!root || !treeHasCustomStorage(root, single)) return nullptr;
  walkStorage(root, single, [root](metaObjectCustomStorageC& view) { view.prepareSave(root); });
  forgetNodeIndex();
  metaTreeC* copy = buildCopy(root, single, [root](metaTreeC* node) { return metaObjectCustomStorageC(node, 0).saveNode(root); });
  walkStorage(copy, 0, [copy](metaObjectCustomStorageC& view) { view.finishSave(copy); });
  // Last, so that a checksum covers what the steps before have made of its tree.
  metaObjectCRCC::refreshAfterSave(root, single, copy);
  return copy;
}

metaTreeC* runCopyHooks(metaTreeC* root, uint32_t single) {
  if (!root) return nullptr;
  if (!treeHasCustomCopy(root, single)) return single ? metaTreeC::deepCopyNode(root) : metaTreeC::deepCopy(root);
  clearCopyMarks(root, single);
  forgetNodeIndex();
  walkCopy(root, single, [root](metaObjectCustomCopyC& view) { view.prepareCopy(root); });
  metaTreeC* copy = buildCopy(root, single, [root](metaTreeC* node) { return metaObjectCustomCopyC(node, 0).copyNode(root); });
  forgetNodeIndex();
  walkCopy(copy, 0, [copy](metaObjectCustomCopyC& view) { view.finishCopy(copy); });
  return copy;
}
