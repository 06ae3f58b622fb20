// The script object of a plug-in call's custom data: its key/text entries (SectionEntries, the
// entry list of an INI section) and its option pages (TransferOptions, GlobalOptions).
#pragma once

#include "dlliface/mDllIfaceCustomDataC.h"
#include "dlliface/prxDllIfaceBaseC.h"
#include "proxy/prxDescribedT.h"

class prxDllIfaceCustomDataC : public prxDescribedT<prxDllIfaceCustomDataC, prxDllIfaceBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
