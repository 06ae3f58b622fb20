// A snapshot of the heap's type statistics and its later comparison with the heap as it is.
#pragma once

#include <string>

// Stores the current statistics as the snapshot, replacing the previous one.
void takeMemSnapshot();

// "MZMEMTRACK Compare Snap", then a line
// "Mem %6d, Befor=%3d, After=%3d,Diff=%3d, Name %s (%d)" for each size and type name whose
// count changed: first those in both, then those gone since the snapshot, then new ones.
// Every comparison starts from the snapshot afresh, so comparing twice gives the same lines.
void compareMemSnapshot(std::string& out);
void compareMemSnapshotToSink();
