// The script object of a stored 3D point (a "POINT3D" node of three numbers): "x", "y" and
// "z" read and write the node, and its default member gives a detached vector of all three.
// A node that does not hold three numbers reads (0, 0, 0); a point over no node ignores puts.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxm3dPointC : public prxDescribedT<prxm3dPointC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
