// The script object of one option page: its Id and Desc, its types, options and groups as
// keyed lists, the page operations (copy, merge, update; look up, add and delete by ID) and
// builders that make a whole option or group in one call. Members that take a page take any
// object: a library object inside a tree is worked on in place, any other object as a copy of
// its tree, and a value that is no object as a page without a node.
#pragma once

#include <cstdint>

#include "dlliface/mDllIfaceOptionPageC.h"
#include "dlliface/prxDllIfaceBaseC.h"

template <>
struct prxClassNameT<mDllIfaceOptionPageC> {
  static const char* get() { return "class mDllIfaceOptionPageC"; }
};

class prxmDllIfaceOptionPageC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view, as the page lists pass it.
  explicit prxmDllIfaceOptionPageC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }
  // Over node, owned when owns is set.
  prxmDllIfaceOptionPageC(metaTreeC* node, uint32_t owns) : prxDllIfaceBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
