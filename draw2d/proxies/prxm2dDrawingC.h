// The script object of a 2D drawing ("DRAWING"): its figure list, preferences and attributes,
// each a new object over the child (made when missing) that shares the drawing's tree.
#pragma once

#include "draw2d/proxies/prxm2dDocumentC.h"
#include "proxy/prxDescribedT.h"

class prxm2dDrawingC : public prxDescribedT<prxm2dDrawingC, prxm2dDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
