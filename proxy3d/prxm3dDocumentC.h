// The members of every 3D document's script object (parts and assemblies): the change of the
// unit base and the splits of feature patterns, double-sided features and multiple sweeps,
// each also in the sub-documents unless a flag of 0 says otherwise. They answer 1.
#pragma once

#include "docproxy/prxmDocumentC.h"
#include "proxy/prxDescribedT.h"
#include "proxy3d/prxm3dBaseC.h"

class prxm3dDocumentC : public prxDescribedT<prxm3dDocumentC, prxmDocumentC<prxm3dBaseC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
