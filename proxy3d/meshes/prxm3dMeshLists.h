// The script lists of the mesh documents: an assembly's members, a part's patches, its point
// and normal tables (stored 3D points), and a patch's point and normal numbers (integers, a
// number given truncated toward zero and required finite).
#pragma once

#include "base/mzNumberText.h"
#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"
#include "draw2d/shapes/mObjPoint3dC.h"
#include "model3d/meshes/mMeshMemberC.h"
#include "model3d/meshes/mMeshPatchC.h"
#include "proxy/finiteNumberArgument.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxListValueT.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"
#include "proxy3d/meshes/prxm3dMeshMemberC.h"
#include "proxy3d/meshes/prxm3dMeshPatchC.h"
#include "proxy3d/prxm3dPointC.h"

template <>
struct prxClassNameT<mMeshMemberC> {
  static const char* get() { return "class mMeshMemberC"; }
};

template <>
struct prxClassNameT<mMeshPatchC> {
  static const char* get() { return "class mMeshPatchC"; }
};

template <>
struct prxClassNameT<mObjPoint3dC> {
  static const char* get() { return "class mObjPoint3dC"; }
};

template <>
struct prxClassNameT<int> {
  static const char* get() { return "int"; }
};

template <>
struct prxClassNameT<metaObjListValContainerT<int>> {
  static const char* get() { return "class metaObjListValContainerT<int>"; }
};

template <>
struct prxListValueT<int> {
  static int argument(proxyAutoParaListC& arguments, int index) { return finiteIntegerArgument(arguments, index); }
  static void read(const metaTreeC* item, proxyAutoTypeCastC& result) {
    result.setInt(item->value.isDouble() ? doubleToInt32(item->value.getDouble()) : 0);
  }
  static void readMissing(proxyAutoTypeCastC& result) { result.setInt(0); }
  static void write(metaTreeC* item, int value) {
    item->value.setDouble(item->value.getPosition(), double(value));
    // A word item that becomes a number leaves the keyed caches over the list.
    ++metaTreeChangeCounter;
  }
  static void append(metaTreeC* listNode, int value) { metaObjListValContainerT<int>(listNode, 0).append(value); }
};

using prxm3dMeshMembersC = prxmObjListObjTypeContainerTemplateC<prxm3dMeshMemberC, mMeshMemberC>;
using prxm3dMeshPatchesC = prxmObjListObjTypeContainerTemplateC<prxm3dMeshPatchC, mMeshPatchC>;
using prxm3dPointListC = prxmObjListObjTypeContainerTemplateC<prxm3dPointC, mObjPoint3dC>;
using prxmIntValueListC = prxmObjListBaseTypeContainerTemplateC<int, metaObjListValContainerT<int>>;
