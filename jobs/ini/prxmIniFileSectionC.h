// The script object of one section of an INI file: its name (Name) and its entry list
// (Entries). A put of the name answers the integer 1.
#pragma once

#include <cstdint>

#include "jobs/ini/mIniSectionC.h"
#include "jobs/ini/prxmIniFileBaseC.h"
#include "proxy/prxDescribedT.h"

template <>
struct prxClassNameT<mIniSectionC> {
  static const char* get() { return "class mIniSectionC"; }
};

class prxmIniFileSectionC : public prxDescribedT<prxmIniFileSectionC, prxmIniFileBaseC> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
