// The script object of one section of an INI file: its name (Name) and its entry list
// (Entries). A put of the name answers the integer 1.
#pragma once

#include <cstdint>

#include "jobs/ini/mIniSectionC.h"
#include "jobs/ini/prxmIniFileBaseC.h"

template <>
struct prxClassNameT<mIniSectionC> {
  static const char* get() { return "class mIniSectionC"; }
};

class prxmIniFileSectionC : public prxmIniFileBaseC {
 public:
  // Shares the source's node when the source is a view, as the section list passes it.
  explicit prxmIniFileSectionC(const metaObjectC& source) : prxmIniFileBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
