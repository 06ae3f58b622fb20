#include "model3d/detailLevels/m3dPartDetailLevelC.h"

#include <string_view>
#include <unordered_map>
#include <vector>

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
  std::vector<str> names;
  names.reserve(count);
  for (uint32_t i = 0; i < count; ++i) names.push_back(excluded.getItem(int(i)));

  // Each name takes the first feature of that name that no earlier name took, which is what
  // deleting them one after the other with a search from the first feature deletes. The
  // features are indexed by name once: the features of a name are chained in list order.
  struct namedS {
    metaTreeC* feature;
    std::string_view name;
    uint32_t sameNameAfter;
  };
  constexpr uint32_t none = UINT32_MAX;
  std::vector<namedS> features;
  metaTreeC* list = items.getNode();
  for (metaTreeC* item = list ? list->firstChild : nullptr; item; item = item->next) {
    uint32_t found = 0;
    const str& itemName = metaObjectC(peekFieldNode(item, "NAME"), 0).getNodeStringValue(&found);
    if (found) features.push_back({item, std::string_view(itemName.c_str()), none});
  }
  std::unordered_map<std::string_view, uint32_t> firstOfName;
  for (uint32_t i = uint32_t(features.size()); i-- > 0;) {
    const auto [at, added] = firstOfName.try_emplace(features[i].name, i);
    if (!added) {
      features[i].sameNameAfter = at->second;
      at->second = i;
    }
  }
  // The names are all matched before anything is deleted, so that the keys, which point into
  // the features' names, stay valid, and so does a list of names held by a deleted feature.
  std::vector<metaTreeC*> doomed;
  for (const str& featureName : names) {
    const auto at = firstOfName.find(std::string_view(featureName.c_str()));
    if (at == firstOfName.end() || at->second == none) continue;
    doomed.push_back(features[at->second].feature);
    at->second = features[at->second].sameNameAfter;
  }
  for (metaTreeC* feature : doomed) {
    metaTreeC::unlink(feature);
    ++metaTreeChangeCounter;
    metaTreeC::deleteTree(feature);
  }
  return 1;
}
