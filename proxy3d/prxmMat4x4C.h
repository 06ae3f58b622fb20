// The script object of a stored 4x4 matrix (a "MAT" node of 16 numbers, column by column):
// its columns x, y, z and t read as detached 3D vectors and put from 3D vectors straight
// into the node; its default member gives a detached matrix. A node that does not hold 16
// numbers reads as the identity; one over no node ignores puts.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmMat4x4C : public prxDescribedT<prxmMat4x4C, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
