// The script object of a part-server job: its output path (Outpath), document name (DocName)
// and meta file (MetaFile), each read and set as a text; a put answers the job, so that calls
// chain. Its Factory is the common one, the meta-object factory.
#pragma once

#include <cstdint>

#include "jobs/partserver/mPSJobC.h"
#include "proxy/prxMetaObjectBaseC.h"

class prxmPSJobC : public prxMetaObjectBaseC {
 public:
  // Shares the source's node when the source is a view; an owning source is copied.
  explicit prxmPSJobC(const metaObjectC& source) : prxMetaObjectBaseC(source) { setClass(description); }
  prxmPSJobC(metaTreeC* node, uint32_t owns) : prxMetaObjectBaseC(node, owns) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
