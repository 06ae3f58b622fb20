// A script's view of one raw node of a keyword tree: steps to the neighbouring nodes,
// tests and reads the node's token, and replaces it with a word, a string or a number.
// Steps that lead nowhere give a proxy without a node, which answers every test with 0.
//
// The proxy does not own its node. It holds the node as every proxy over a node does
// (metaTreeViewC): a node removed from its tree stays usable by the proxy, and a tree kept
// by an anchor stays whole while the proxy lives. It may also hold a reference on a keeper,
// an object that keeps the node's tree alive otherwise, and every proxy reached from it
// holds the same keeper.
#pragma once

#include <cstdint>

#include "core/metaTreeViewC.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/proxyObjectC.h"

class metaTreeC;

class prxMTreeObjectC : public proxyObjectC {
 public:
  // node and treeKeeper may be null; the keeper gets a reference of the proxy's own.
  prxMTreeObjectC(metaTreeC* node, mzIUnknown* treeKeeper, uint8_t takeReference);

  metaTreeC* getNode() const { return view.getNode(); }
  mzIUnknown* getTreeKeeper() const { return treeKeeper.get(); }

  static const proxyClassC description;

 private:
  mzSmartPtr<mzIUnknown> treeKeeper;
  // Declared after the keeper, so that the view has gone before the keeper may free the tree.
  metaTreeViewC view;
};
