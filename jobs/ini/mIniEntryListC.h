// The entry list of an INI section (and of a plug-in call's custom data): the ENTRY children
// of a list node, in child order, and its lookups by key. Keys compare without regard to the
// case of ASCII letters, and of equal keys the last one wins, as a later line of an INI file
// overrides an earlier one.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "core/metaObjKeyContainerTemplateC.h"
#include "jobs/ini/mIniEntryC.h"

using mIniEntryListC = metaObjKeyContainerTemplateC<mIniEntryC>;

// A new empty ENTRY as the list node's last child; an entry over nothing without a list node.
mIniEntryC addIniEntry(mIniEntryListC& list);
// The last entry whose KEY equals key; an entry over nothing when none does. Every entry
// looked at gets a KEY when it has none.
mIniEntryC findIniEntry(mIniEntryListC& list, const char* key);
// The TEXT of findIniEntry's match with found 1; without a match "" and found 0.
str getIniEntryText(mIniEntryListC& list, const char* key, int* found);
// The TEXT of findIniEntry's match, or fallback when there is none.
str getIniEntryTextOr(mIniEntryListC& list, const char* key, const char* fallback);

// From the last child of list backwards, the first child with the word itemKey whose string
// field fieldKey (read as a get, so created when missing) equals wanted without regard to the
// case of ASCII letters; null when none does.
metaTreeC* findLastItemByFieldNoCase(metaTreeC* list, const char* itemKey, const char* fieldKey, const char* wanted);
