// The custom data of a plug-in call: a CUSTOMDATA node holding key/text entries (ENTRIES of
// ENTRY, as an INI section holds them) and the two page lists under OPTIONS, each added when
// first reached.
#pragma once

#include <cstdint>

#include "core/metaObjectC.h"
#include "dlliface/mDllIfaceOptPageListC.h"
#include "core/keyNodeField.h"
#include "jobs/ini/mIniEntryListC.h"

class mDllIfaceCustomDataC : public metaObjectC {
 public:
  static constexpr const char* classKey = "CUSTOMDATA";

  using metaObjectC::metaObjectC;

  mIniEntryListC getSectionEntries() { return mIniEntryListC(fieldNode(node, "ENTRIES"), 0); }
  mDllIfaceOptPageListC getTransferOptions() { return mDllIfaceOptPageListC::of(node, "TRANSFEROPTPAGES"); }
  mDllIfaceOptPageListC getGlobalOptions() { return mDllIfaceOptPageListC::of(node, "GLOBALOPTPAGES"); }
};
