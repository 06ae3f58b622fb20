// The script object of a plug-in call's custom data: its key/text entries (SectionEntries, the
// entry list of an INI section) and its option pages (TransferOptions, GlobalOptions).
#pragma once

#include "dlliface/mDllIfaceCustomDataC.h"
#include "dlliface/prxDllIfaceBaseC.h"

class prxDllIfaceCustomDataC : public prxDllIfaceBaseC {
 public:
  // Shares the source's node when the source is a view, as the record passes it.
  explicit prxDllIfaceCustomDataC(const metaObjectC& source) : prxDllIfaceBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
