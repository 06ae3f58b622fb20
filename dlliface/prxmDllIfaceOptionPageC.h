// The script object of one option page: its Id and Desc, its types, options and groups as
// keyed lists, the page operations (copy, merge, update; look up, add and delete by ID) and
// builders that make a whole option or group in one call. Members that take a page take any
// object: a library object inside a tree is worked on in place, any other object as a copy of
// its tree, and a value that is no object as a page without a node.
#pragma once

#include "dlliface/mDllIfaceOptionPageC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

template <>
struct prxClassNameT<mDllIfaceOptionPageC> {
  static const char* get() { return "class mDllIfaceOptionPageC"; }
};

class prxmDllIfaceOptionPageC : public prxDescribedT<prxmDllIfaceOptionPageC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
