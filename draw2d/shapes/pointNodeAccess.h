// Point nodes of a point list reached by key word: the "POINT" or "POINT3D" children of the
// list's node, counted and found through the list's index cache. A view over a missing child
// holds no node, so reading it gives the not-found result of the point readers.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerC.h"
#include "core/metaObjListContainerC.h"
#include "core/metaObjListValContainerT.h"
#include "draw2d/shapes/mObjPoint3dC.h"

uint32_t countPoints2d(metaObjKeyContainerC& list);
uint32_t countPoints3d(metaObjKeyContainerC& list);
metaObjListValContainerT<double> lastPoint2d(metaObjKeyContainerC& list);
mObjPoint3dC lastPoint3d(metaObjKeyContainerC& list);
mObjPoint3dC getPoint3dObj(metaObjKeyContainerC& list, int index);
// The last direct child with the key word, or null.
metaTreeC* lastChildWithKeyword(metaObjKeyContainerC& list, const char* keyword);
// The last direct child, or null.
metaTreeC* lastChild(metaObjListContainerC& list);
