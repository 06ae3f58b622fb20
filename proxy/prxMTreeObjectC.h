// A script's view of one raw node of a keyword tree: steps to the neighbouring nodes,
// tests and reads the node's token, and replaces it with a word, a string or a number.
// Steps that lead nowhere give a proxy without a node, which answers every test with 0.
//
// The proxy does not own its node. It may hold a reference on a keeper, the object that
// keeps the node's tree alive, and every proxy reached from it holds the same keeper, so
// a node proxy stays usable for as long as a script holds it.
#pragma once

#include <cstdint>

#include "mzcom/mzSmartPtr.h"
#include "proxy/proxyObjectC.h"

class metaTreeC;

class prxMTreeObjectC : public proxyObjectC {
 public:
  // node and treeKeeper may be null; the keeper gets a reference of the proxy's own.
  prxMTreeObjectC(metaTreeC* node, mzIUnknown* treeKeeper, uint8_t takeReference);

  const char* getTypeName() override;
  void* getNativePointer() override;

  metaTreeC* getNode() const { return node; }
  mzIUnknown* getTreeKeeper() const { return treeKeeper.get(); }

  // The class's own rows alone; nothing is inherited.
  static const proxyMethodEntryS* buildMethodTable();

 protected:
  metaTreeC* node;

 private:
  mzSmartPtr<mzIUnknown> treeKeeper;
};
