// The script object of a shape's attributes ("SHAPEATTR"): its type, width and cosmetic flag,
// each the stored number truncated toward zero, read-only, in front of the members of every
// shape object.
#pragma once

#include "draw2d/proxies/prxmShapeBase2dC.h"
#include "proxy/prxDescribedT.h"

class prxmShapeAttr2dC : public prxDescribedT<prxmShapeAttr2dC, prxmShapeBase2dC> {
 public:
  static constexpr const char* classKey = "SHAPEATTR";

  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
