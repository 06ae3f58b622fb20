// The script object of an entry list: the ENTRY children of an INI section's ENTRIES (or of
// a plug-in call's custom data), with FindEntry, the lookup by key in front of the keyed
// list's members.
#pragma once

#include "jobs/ini/mIniEntryListC.h"
#include "jobs/ini/prxmIniFileSectionEntryC.h"
#include "proxy/prxDescribedT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"

class prxmIniFileSectionEntriesC
    : public prxDescribedT<prxmIniFileSectionEntriesC,
                           prxmObjListObjTypeContainerTemplateC<prxmIniFileSectionEntryC, mIniEntryC>> {
 public:
  using prxDescribedT::prxDescribedT;

  static const proxyClassC description;
};
