// The members of every 2D document's script object (drawings and figures): the conversion of
// shapes into lines, arcs and circles, and the change of the unit base.
#pragma once

#include "draw2d/proxies/prxm2dBaseC.h"
#include "proxy/prxDescribedT.h"
#include "docproxy/prxmDocumentC.h"

class prxm2dDocumentC : public prxDescribedT<prxm2dDocumentC, prxmDocumentC<prxm2dBaseC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
