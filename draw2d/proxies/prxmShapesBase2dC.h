// The script object of a list of 2D shapes (a figure's items, a sketch loop): the object-list
// members over all children of the list node, each handed out as a shape object, and members
// that move, turn and transform every shape at once. The bounding rectangle is computed at the
// first request on this object and kept as it was then, also when the shapes move.
#pragma once

#include "draw2d/proxies/boundRectCacheC.h"
#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "geom/vectorC2d.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListContainerTemplateC.h"

class prxmShapesBase2dC : public prxDescribedT<prxmShapesBase2dC, prxmObjListContainerTemplateC<prxmShapeBase2dC>> {
 public:
  using prxDescribedT::prxDescribedT;

  // The corner of the rectangle of the shapes, as computed at the first call.
  const vectorC2d<double>& getCorner(bool maximum);

  static const proxyClassC description;

 private:
  boundRectCacheC boundRect;
};
