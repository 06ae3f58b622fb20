// The script object of one entry of an INI file (or of a plug-in call's custom data): its key
// (Key) and its text (Text). A put of either answers the integer 1.
#pragma once

#include <cstdint>

#include "jobs/ini/mIniEntryC.h"
#include "jobs/ini/prxmIniFileBaseC.h"
#include "proxy/prxDescribedT.h"

template <>
struct prxClassNameT<mIniEntryC> {
  static const char* get() { return "class mIniEntryC"; }
};

class prxmIniFileSectionEntryC : public prxDescribedT<prxmIniFileSectionEntryC, prxmIniFileBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
