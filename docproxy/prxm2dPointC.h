// The script object of a stored 2D point (a "POINT" node of two numbers): "x" and "y" read
// and write the node, and its default member gives a detached vector of both. A point over no
// node reads (0, 0) and ignores puts. The point objects of lines, arcs, circles, curves and
// insert points are these.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxm2dPointC : public prxDescribedT<prxm2dPointC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
