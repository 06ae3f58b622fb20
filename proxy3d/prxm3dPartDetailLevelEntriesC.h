// The script list of a part's detail levels: the "PARTLODENTS" node's "PARTLODENT" children,
// each a detail level object; other children are skipped by the list and visited by its
// enumerator.
#pragma once

#include "model3d/detailLevels/m3dPartDetailLevelEntryC.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxmObjListObjTypeContainerTemplateC.h"
#include "proxy3d/prxm3dPartDetailLevelEntryC.h"

template <>
struct prxClassNameT<m3dPartDetailLevelEntryC> {
  static const char* get() { return "class m3dPartDetailLevelEntryC"; }
};

using prxm3dPartDetailLevelEntriesC =
    prxmObjListObjTypeContainerTemplateC<prxm3dPartDetailLevelEntryC, m3dPartDetailLevelEntryC>;
using prxm3dPartDetailLevelEntryEnumC = prxmObjEnumC<prxm3dPartDetailLevelEntryC>;
