// One detail level of a part ("PARTLODENT"): its name and the names of the features it
// leaves out ("PARTLODEXCFEATLST", a list of strings).
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/keyNodeField.h"
#include "core/metaObjListStrContainerC.h"
#include "core/metaObjectC.h"

class m3dPartDetailLevelEntryC : public metaObjectC {
 public:
  static constexpr const char* classKey = "PARTLODENT";

  m3dPartDetailLevelEntryC() = default;
  m3dPartDetailLevelEntryC(metaTreeC* root, uint32_t owns) : metaObjectVirtualDataBaseC(root, owns), metaObjectC(root, owns) {}

  str getName() { return getStringField(node, "NAME"); }
  metaObjListStrContainerC getExcludedFeatures() { return metaObjListStrContainerC(fieldNode(node, "PARTLODEXCFEATLST"), 0); }
};
