// The script object of a list of option pages (TransferOptions, GlobalOptions): the keyed
// list of its OPTPAGE children, widened by the members that add, find, delete, merge and
// update pages by ID, which take every child of the list as a page. Members that take a page
// or a list take any object: a library object inside a tree is worked on in place, any other
// object as a copy of its tree, and a value that is no object as a page or list without a
// node.
#pragma once

#include "dlliface/mDllIfaceOptPageListC.h"
#include "dlliface/prxmDllIfaceOptionPageC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

class prxDllIfaceOptPageListC
    : public prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptionPageC, mDllIfaceOptionPageC> {
 public:
  // Shares the source's node when the source is a view, as the format and the custom data
  // pass it.
  explicit prxDllIfaceOptPageListC(const metaObjectC& source) : prxmObjListObjTypeContainerTemplateC(source) {
    setClass(description);
  }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
