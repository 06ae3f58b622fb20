// A list typed by its element view: all children of the view's node, whatever their key
// words, in order, each seen as a non-owning T. T is built over (node, owns).
#pragma once

#include <cstdint>

#include "core/metaObjListObjectContainerC.h"

template <class T>
class metaObjListObjectCommonBaseTemplateC : public metaObjListObjectContainerC {
 public:
  metaObjListObjectCommonBaseTemplateC() = default;
  metaObjListObjectCommonBaseTemplateC(metaTreeC* root, uint32_t owns)
      : metaObjectVirtualDataBaseC(root, owns), metaObjListObjectContainerC(root, owns) {}
  metaObjListObjectCommonBaseTemplateC(const metaObjectVirtualDataBaseC& handle, int ownMode)
      : metaObjectVirtualDataBaseC(handle, ownMode), metaObjListObjectContainerC(handle, ownMode) {}

  // An empty view when there is no such item.
  T getItem(int index, uint32_t* found = nullptr) { return T(getItemNode(index, found), 0); }
};
