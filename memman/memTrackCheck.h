// The consistency check of the heap's pages.
#pragma once

#include <string>

// "Memory check:", then "invalid page block" for a page that is not one (the rest of its
// list is not visited) and "Invalid Block %x" with the header address of each slot whose
// words do not fit its page. Pages are read through the kernel, so a corrupt list link
// never faults, and a list that loops back on itself counts as invalid.
void memoryCheck(std::string& out);
void memCheckToSink();
