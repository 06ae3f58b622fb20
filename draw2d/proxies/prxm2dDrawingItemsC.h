// The figure list of a drawing (its "DRAWINGITEMS"): the FIGURE children as figure objects,
// and the drawing's bounding rectangle, computed at the first request on this object and kept
// as it was then.
#pragma once

#include "draw2d/proxies/boundRectCacheC.h"
#include "draw2d/documents/m2dFigureC.h"
#include "draw2d/proxies/prxm2dFigureC.h"
#include "geom/vectorC2d.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

template <>
struct prxClassNameT<m2dFigureC> {
  static const char* get() { return "class m2dFigureC"; }
};

class prxm2dDrawingItemsC
    : public prxDescribedT<prxm2dDrawingItemsC, prxmObjListObjTypeContainerTemplateC<prxm2dFigureC, m2dFigureC>> {
 public:
  using prxDescribedT::prxDescribedT;

  // The corner of the rectangle of every figure's shapes, as computed at the first call.
  const vectorC2d<double>& getCorner(bool maximum);

  static const proxyClassC description;

 private:
  boundRectCacheC boundRect;
};
