// The script object of any 2D shape (an item of a figure's shape list): its conversion into
// lines, arcs and circles, in front of the members common to every stored object. The 2D
// factory's conversions turn it into the typed shape objects, which build on it.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmShapeBase2dC : public prxDescribedT<prxmShapeBase2dC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
