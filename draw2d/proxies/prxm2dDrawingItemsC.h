// The figure list of a drawing (its "DRAWINGITEMS"): the FIGURE children as figure objects,
// and the drawing's bounding rectangle, computed at the first request on this object and kept
// as it was then.
#pragma once

#include "draw2d/proxies/boundRectCacheC.h"
#include "draw2d/documents/m2dFigureC.h"
#include "draw2d/proxies/prxm2dFigureC.h"
#include "geom/vectorC2d.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<m2dFigureC> {
  static const char* get() { return "class m2dFigureC"; }
};

class prxm2dDrawingItemsC : public prxmObjListObjTypeContainerTemplateC<prxm2dFigureC, m2dFigureC> {
 public:
  // Shares the source's node when the source is a view; an owning source is deep-copied.
  explicit prxm2dDrawingItemsC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  // The corner of the rectangle of every figure's shapes, as computed at the first call.
  const vectorC2d<double>& getCorner(bool maximum);

  static const proxyClassC description;

 private:
  boundRectCacheC boundRect;
};
