// The script object of a figure of a 2D drawing ("FIGURE"): whether it is a group, its view
// number, and its shapes, insert point, hatches, preferences and attributes, each a new
// object over the child (made when missing) that shares the figure's tree.
#pragma once

#include "draw2d/proxies/prxm2dDocumentC.h"
#include "proxy/prxDescribedT.h"

class prxm2dFigureC : public prxDescribedT<prxm2dFigureC, prxm2dDocumentC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
