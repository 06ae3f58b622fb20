// The base of the script objects of the 3D model family: their Factory is the 3D factory, in
// front of the members common to every stored object.
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxm3dBaseC : public prxDescribedT<prxm3dBaseC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
