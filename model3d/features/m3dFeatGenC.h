// The view every feature of a part's "ITEMS" list shares: its name ("NAME"), the name of what
// it is built from ("USED") and its parameters ("PARAM"). Slots 2-5 of a plain view run the
// body of the class registered for the node's key word in the feature registry, and give the
// slot's default for any other node: 0 centre lines, material role 2, split 1, names 1 with
// nothing appended.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/metaObjListValContainerT.h"
#include "memman/pageMemT.h"
#include "model3d/base/m3dGeomOpBaseC.h"
#include "model3d/documents/prjCenterLineDataC.h"

class m3dPartItemsC;
using nameListC = pageMemT<str, 3>;

class m3dFeatGenC : public m3dGeomOpBaseC {
 public:
  m3dFeatGenC() = default;
  m3dFeatGenC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), m3dGeomOpBaseC(root, owns) {}
  m3dFeatGenC(const metaObjectVirtualDataBaseC& other, int ownMode) : metaObjectVirtualDataBaseC(other, ownMode) {}
  // Shares the other's node; no tree is copied.
  m3dFeatGenC(const m3dFeatGenC& other) : metaObjectVirtualDataBaseC(other, 0), m3dGeomOpBaseC(other, 0) {}
  m3dFeatGenC& operator=(const m3dFeatGenC& other) = default;

  // Appends the feature's centre lines; returns the list's count.
  virtual int collectCenterLines(centerLineListC& lines);
  // 0 the feature adds material, 1 it removes material.
  virtual int getMaterialRole();
  virtual int splitIntoCopies();
  // Appends the names of the features this one is built from.
  virtual int getReferencedNames(nameListC& names);

  // Each finds or creates its child; a value of another kind reads as "".
  str getName();
  void setName(const char* name);
  str getUsedName();
  void setUsedName(const char* name);
  metaObjListValContainerT<double> getParam();

  // The list over the feature's parent; an empty list without a node.
  m3dPartItemsC getItems();
};

// True only for a word node whose key word is the one named.
bool isPartNode(const metaTreeC* node);
bool isPlaneNode(const metaTreeC* node);
bool isItemsNode(const metaTreeC* node);
bool isConnPointNode(const metaTreeC* node);
