// Keyword registries: which class handles the nodes of a key word. A registry maps key words
// to prototypes, is filled by static registrars at library start and emptied at unload.
// A registry lives in a process-wide slot, null while it does not exist.
#pragma once

#include <cstdint>

#include "core/metaObjectInterfaceListEntryC.h"

// Statistics only.
struct keywordRegistryStatisticsS {
  uint32_t registrarsConstructed;
  uint32_t entriesInserted;
  uint32_t entriesReplaced;
  uint32_t registrationsIgnored;
};
extern keywordRegistryStatisticsS keywordRegistryStatistics;

// A new empty registry when the slot is empty.
void registryCreate(metaObjectInterfaceListC*& slot);
// Frees the registry with its entries (not the prototypes) and empties the slot.
void registryDestroy(metaObjectInterfaceListC*& slot);
// Inserts a new key word in order; a present one takes the new prototype and priority when
// the new priority is higher. Between equal priorities the registration whose tieName comes
// first in byte order wins, whichever came first, so the outcome never depends on the order in
// which static registrars run; equal tie names keep the first. tieName is static text.
void registerKeyword(metaObjectInterfaceListC* registry, const char* keyword, void* prototype, int32_t priority,
                     const char* tieName = "");
// The prototype of the key word, or null (also for a null registry and an empty key word).
void* findKeyword(const metaObjectInterfaceListC* registry, const char* keyword);
// The index of the key word's entry, or -1 with insertAt set to where it would go.
int registrySearch(const metaObjectInterfaceListC* registry, const char* keyword, uint32_t& insertAt);
