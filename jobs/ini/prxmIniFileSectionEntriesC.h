// The script object of an entry list: the ENTRY children of an INI section's ENTRIES (or of
// a plug-in call's custom data), with FindEntry, the lookup by key in front of the keyed
// list's members.
#pragma once

#include "jobs/ini/mIniEntryListC.h"
#include "jobs/ini/prxmIniFileSectionEntryC.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

class prxmIniFileSectionEntriesC : public prxmObjListObjTypeContainerTemplateC<prxmIniFileSectionEntryC, mIniEntryC> {
 public:
  // Shares the source's node when the source is a view.
  explicit prxmIniFileSectionEntriesC(const metaObjectC& source) : prxmObjListObjTypeContainerTemplateC(source) {
    setClass(description);
  }

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
