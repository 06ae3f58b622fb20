// The script object of a part-server job: its output path (Outpath), document name (DocName)
// and meta file (MetaFile), each read and set as a text; a put answers the job, so that calls
// chain. Its Factory is the common one, the meta-object factory.
#pragma once

#include "jobs/partserver/mPSJobC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmPSJobC : public prxDescribedT<prxmPSJobC, prxMetaObjectBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
