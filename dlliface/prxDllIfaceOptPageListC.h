// The script object of a list of option pages (TransferOptions, GlobalOptions): the keyed
// list of its OPTPAGE children, widened by the members that add, find, delete, merge and
// update pages by ID, which take every child of the list as a page. Members that take a page
// or a list take any object: a library object inside a tree is worked on in place, any other
// object as a copy of its tree, and a value that is no object as a page or list without a
// node.
#pragma once

#include "dlliface/mDllIfaceOptPageListC.h"
#include "dlliface/prxmDllIfaceOptionPageC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

class prxDllIfaceOptPageListC
    : public prxDescribedT<prxDllIfaceOptPageListC,
                           prxmObjListObjTypeContainerTemplateC<prxmDllIfaceOptionPageC, mDllIfaceOptionPageC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
