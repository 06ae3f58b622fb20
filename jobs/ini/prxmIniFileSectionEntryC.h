// The script object of one entry of an INI file (or of a plug-in call's custom data): its key
// (Key) and its text (Text). A put of either answers the integer 1.
#pragma once

#include <cstdint>

#include "jobs/ini/mIniEntryC.h"
#include "jobs/ini/prxmIniFileBaseC.h"

template <>
struct prxClassNameT<mIniEntryC> {
  static const char* get() { return "class mIniEntryC"; }
};

class prxmIniFileSectionEntryC : public prxmIniFileBaseC {
 public:
  // Shares the source's node when the source is a view, as the entry list passes it.
  explicit prxmIniFileSectionEntryC(const metaObjectC& source) : prxmIniFileBaseC(source) { setClass(description); }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
