#include "core/keywordRegistry.h"

#include <cstring>

keywordRegistryStatisticsS keywordRegistryStatistics = {0, 0, 0, 0};

namespace {

// Below this many entries a scan is cheaper than halving.
constexpr uint32_t halvingFrom = 6;

int compareKeyword(const metaObjectInterfaceListEntryC& entry, const char* keyword) {
  return std::strcmp(entry.keyword.c_str(), keyword);
}

}  // namespace

void registryCreate(metaObjectInterfaceListC*& slot) {
  if (!slot) slot = new metaObjectInterfaceListC;
}

void registryDestroy(metaObjectInterfaceListC*& slot) {
  delete slot;
  slot = nullptr;
}

int registrySearch(const metaObjectInterfaceListC* registry, const char* keyword, uint32_t& insertAt) {
  uint32_t lo = 0;
  uint32_t hi = registry->elementCount;
  while (lo < hi) {
    uint32_t mid = (lo + hi) / 2;
    int order = compareKeyword((*registry)[mid], keyword);
    if (order == 0) return int(mid);
    if (order < 0) lo = mid + 1;
    else hi = mid;
  }
  insertAt = hi;
  return -1;
}

void registerKeyword(metaObjectInterfaceListC* registry, const char* keyword, void* prototype, int32_t priority,
                     const char* tieName) {
  if (!registry || !keyword) return;
  if (!tieName) tieName = "";
  uint32_t insertAt = 0;
  int found = registrySearch(registry, keyword, insertAt);
  if (found >= 0) {
    metaObjectInterfaceListEntryC& entry = (*registry)[uint32_t(found)];
    bool wins = entry.priority < priority ||
                (entry.priority == priority && std::strcmp(tieName, entry.tieName) < 0);
    if (wins) {
      entry.keyword = keyword;
      entry.prototype = prototype;
      entry.priority = priority;
      entry.tieName = tieName;
      ++keywordRegistryStatistics.entriesReplaced;
    } else if (entry.priority == priority) {
      ++keywordRegistryStatistics.registrationsIgnored;
    }
    return;
  }
  registry->newElement();
  for (uint32_t i = registry->elementCount - 1; i > insertAt; --i) (*registry)[i] = (*registry)[i - 1];
  metaObjectInterfaceListEntryC& entry = (*registry)[insertAt];
  entry.priority = priority;
  entry.keyword = keyword;
  entry.prototype = prototype;
  entry.tieName = tieName;
  ++keywordRegistryStatistics.entriesInserted;
}

void* findKeyword(const metaObjectInterfaceListC* registry, const char* keyword) {
  if (!registry || !keyword || !*keyword) return nullptr;
  uint32_t count = registry->elementCount;
  if (count >= halvingFrom) {
    uint32_t insertAt = 0;
    int found = registrySearch(registry, keyword, insertAt);
    return found >= 0 ? (*registry)[uint32_t(found)].prototype : nullptr;
  }
  for (uint32_t i = 0; i < count; ++i) {
    if (compareKeyword((*registry)[i], keyword) == 0) return (*registry)[i].prototype;
  }
  return nullptr;
}
