// The consistency check of the heap's pages and of the slot arena.
#pragma once

#include <string>

// "Memory check:", then "invalid page block" for a page that is not one (the rest of its
// list is not visited) and "Invalid Block %x" with the header address of each slot whose
// words do not fit its page. Pages are read through the kernel, so a corrupt list link
// never faults, and a list that loops back on itself counts as invalid. Last, "invalid node
// arena" when the arena's live bits disagree with its count of live blocks.
void memoryCheck(std::string& out);
void memCheckToSink();
