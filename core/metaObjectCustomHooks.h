// The passes that let custom-storage and custom-copy classes take part in reading, writing and
// deep copies of trees, and the table through which the tree layer runs them.
// A chain is a node and its following siblings; single limits a pass to the first node.
#pragma once

#include <cstdint>

#include "core/metaTreeCustomHooks.h"
#include "core/prototypeBinding.h"

class metaObjectCustomCopyC;
class metaObjectCustomStorageC;

// The prototype registered for the node's key word in the custom-storage (custom-copy)
// registry, with the node; a null prototype for a node that is not a word.
prototypeLookupS<metaObjectCustomStorageC> lookupCustomStorage(metaTreeC* node);
prototypeLookupS<metaObjectCustomCopyC> lookupCustomCopy(metaTreeC* node);

// 1 when the chain holds a node whose key word has a custom-storage (custom-copy) prototype.
// Only word nodes are looked up and descended into: a node of another kind is passed over
// with its children. With single the search ends after the first word node of the chain.
uint32_t treeHasCustomStorage(const metaTreeC* chain, uint32_t single);
uint32_t treeHasCustomCopy(const metaTreeC* chain, uint32_t single);

// After a read: prepareLoad, loadNode, finishLoad over the tree, each with the root.
void runLoadHooks(metaTreeC* root, uint32_t single);
// Before a write: null when nothing in the tree has custom storage (the tree itself is then
// written); otherwise the prepared copy to write instead, which the caller deletes.
metaTreeC* runSaveHooks(metaTreeC* root, uint32_t single);
// The deep copy made with the custom-copy hooks; the plain deep copy when nothing in the tree
// has custom copy; null for a null root.
metaTreeC* runCopyHooks(metaTreeC* root, uint32_t single);

// The table the tree layer runs by default.
extern const metaTreeCustomHooksS metaObjectCustomHooksTable;
