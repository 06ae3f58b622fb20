// The detail levels of a part ("PARTLOD"): under "PARTLODENTS" the "PARTLODENT" entries, each
// naming the features a simplified representation leaves out. Switching to a level deletes
// those features from the part.
#pragma once

#include <cstdint>

#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjectC.h"
#include "model3d/detailLevels/m3dPartDetailLevelEntryC.h"
#include "model3d/features/m3dFeatGenC.h"

class m3dPartItemsC;

class m3dPartDetailLevelC : public metaObjectC {
 public:
  static constexpr const char* classKey = "PARTLOD";

  m3dPartDetailLevelC() = default;
  m3dPartDetailLevelC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}

  // The entries under "PARTLODENTS", created when missing.
  metaObjKeyContainerTemplateC<m3dPartDetailLevelEntryC> getEntries();
  uint32_t countEntries() { return getEntries().getCount(); }
  // The first entry whose "NAME" is name, byte for byte; an empty view when none.
  m3dPartDetailLevelEntryC findEntry(const char* name);
  // The name of every entry, in order.
  nameListC getEntryNames();
  // Deletes from items, for each name the entry excludes in order, the first feature of that
  // name; names without a feature are skipped. 0, nothing changing, when no entry has the
  // name; else 1.
  int recalcWithDetailLevel(const char* name, m3dPartItemsC& items);
};
