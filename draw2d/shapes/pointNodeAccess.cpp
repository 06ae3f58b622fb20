#include "draw2d/shapes/pointNodeAccess.h"

#include "draw2d/shapes/mObjPoint2dC.h"

uint32_t countPoints2d(metaObjKeyContainerC& list) { return list.getKeyedCount(mObjPoint2dC::classKey); }

uint32_t countPoints3d(metaObjKeyContainerC& list) { return list.getKeyedCount(mObjPoint3dC::classKey); }

metaObjListValContainerT<double> lastPoint2d(metaObjKeyContainerC& list) {
  return metaObjListValContainerT<double>(lastChildWithKeyword(list, mObjPoint2dC::classKey), 0);
}

mObjPoint3dC lastPoint3d(metaObjKeyContainerC& list) {
  return mObjPoint3dC(lastChildWithKeyword(list, mObjPoint3dC::classKey), 0);
}

mObjPoint3dC getPoint3dObj(metaObjKeyContainerC& list, int index) {
  return mObjPoint3dC(index < 0 ? nullptr : list.keyedChildAt(index, mObjPoint3dC::classKey), 0);
}

metaTreeC* lastChildWithKeyword(metaObjKeyContainerC& list, const char* keyword) {
  const uint32_t count = list.getKeyedCount(keyword);
  return count ? list.keyedChildAt(int(count - 1), keyword) : nullptr;
}

metaTreeC* lastChild(metaObjListContainerC& list) {
  const uint32_t count = list.getCount();
  return count ? list.childAt(int(count - 1)) : nullptr;
}
