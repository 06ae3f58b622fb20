// An object argument as the tree the option model works on: the node of a library object
// inside a larger tree, shared, or a private copy of a whole tree (a root, or the text another
// object writes of itself). A value that is no object gives no tree. The argument and the
// tree it shares are held until the call ends, anchor and all, whatever the call does to them.
#pragma once

#include "core/metaObjectC.h"
#include "core/metaTreeViewC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzSmartPtr.h"

class proxyAutoParaListC;

class objectTreeArgumentC {
 public:
  objectTreeArgumentC(proxyAutoParaListC& arguments, int index);
  objectTreeArgumentC(const objectTreeArgumentC&) = delete;
  objectTreeArgumentC& operator=(const objectTreeArgumentC&) = delete;

  // The argument was an object (it may still give no tree).
  bool isObject() const { return object.get() != nullptr; }
  metaTreeC* getNode() const { return tree.getNode(); }

 private:
  mzSmartPtr<mzIDispatch> object;
  metaObjectC tree;
  metaTreeViewC held;
};
