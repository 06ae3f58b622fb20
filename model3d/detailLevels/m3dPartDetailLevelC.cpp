#include "model3d/detailLevels/m3dPartDetailLevelC.h"

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "model3d/features/m3dPartItemsC.h"

metaObjKeyContainerTemplateC<m3dPartDetailLevelEntryC> m3dPartDetailLevelC::getEntries() {
  return metaObjKeyContainerTemplateC<m3dPartDetailLevelEntryC>(fieldNode(node, "PARTLODENTS"), 0);
}

m3dPartDetailLevelEntryC m3dPartDetailLevelC::findEntry(const char* name) {
  metaObjKeyContainerTemplateC<m3dPartDetailLevelEntryC> entries = getEntries();
  const uint32_t count = entries.getCount();
  for (uint32_t i = 0; i < count; ++i) {
    m3dPartDetailLevelEntryC entry = entries.getItem(int(i));
    if (entry.getName() == name) return m3dPartDetailLevelEntryC(entry.getNode(), 0);
  }
  return m3dPartDetailLevelEntryC();
}

nameListC m3dPartDetailLevelC::getEntryNames() {
  nameListC names;
  metaObjKeyContainerTemplateC<m3dPartDetailLevelEntryC> entries = getEntries();
  const uint32_t count = entries.getCount();
  for (uint32_t i = 0; i < count; ++i) *names.newElement() = entries.getItem(int(i)).getName();
  return names;
}

int m3dPartDetailLevelC::recalcWithDetailLevel(const char* name, m3dPartItemsC& items) {
  m3dPartDetailLevelEntryC entry = findEntry(name);
  if (!entry.isValid()) return 0;
  metaObjListStrContainerC excluded = entry.getExcludedFeatures();
  const uint32_t count = excluded.getCount();
  for (uint32_t i = 0; i < count; ++i) {
    const str featureName = excluded.getItem(int(i));
    metaTreeC* feature = items.findFeatureByName(featureName).getNode();
    if (!feature) continue;
    metaTreeC::unlink(feature);
    ++metaTreeChangeCounter;
    metaTreeC::deleteTree(feature);
  }
  return 1;
}
