// The script object of one view of a wanted format: its id (ViewId) and number (ViewNo) as
// integers, its name (ViewName) and error message (ErrMsg) as texts, and the names of the
// files made for it (FileNames, a string list). A put answers the entry, so that calls chain.
#pragma once

#include "jobs/webassistant/mAssistantViewListEntryC.h"
#include "jobs/webassistant/prxmWebAssistantBaseC.h"
#include "proxy/prxDescribedT.h"

template <>
struct prxClassNameT<mAssistantViewListEntryC> {
  static const char* get() { return "class mAssistantViewListEntryC"; }
};

class prxmWebAssistantViewEntryC : public prxDescribedT<prxmWebAssistantViewEntryC, prxmWebAssistantBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
