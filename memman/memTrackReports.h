// The memory reports over the live blocks of the heap and of the slot arena. Each one builds
// its text while the heap's in-report flag is set; the to-sink forms write it with
// writeMemTrackSink.
#pragma once

#include <cstdint>
#include <string>

#include "memman/memTrackBlockS.h"

// Appends "Id %6d," (id >= 0), "Parent %6d," (parent >= 0), then
// "Mem %6d, Cnt %6d, Name %s (%d) (%016x)\n": size times count, count, the block's type
// name, its recorded size and its payload address.
void formatMemTrackLine(std::string& out, int64_t id, int64_t parent, const memTrackBlockS& block, uint32_t count);

// The heading with the process id, one line per size and type name, and "Total Bytes : %d".
void memSummaryReport(std::string& out);

// The heading with the process id, then one line per live block numbered from 0 with the
// number of its parent (the first block in walk order whose payload holds the block's
// payload address or, for an arena block, whose links lead to it), followed, with MZMEMTRACK_LOCATION, by the block's allocation stack
// (arena blocks keep none).
void memDetailReport(std::string& out);

// The summary, then with MZMEMTRACK_LEAK the detail report.
void memReport(std::string& out);
void memReportToSink();
