// What the heap needs of the memory tracker: the MZMEMTRACK_* switches, read once before
// the heap's first block, the call stack kept in a block header, and the report of a misuse.
#pragma once

#include <cstdint>

// Bits of the switch word; a switch is set when its environment variable exists.
constexpr uint32_t memTrackTypeInfoBit = 1;  // MZMEMTRACK_TYPEINFO
constexpr uint32_t memTrackLeakBit = 2;      // MZMEMTRACK_LEAK
constexpr uint32_t memTrackLocationBit = 4;  // MZMEMTRACK_LOCATION

// A call-stack record: code addresses, ending at the first zero entry or after all of them.
constexpr int memTrackStackDepth = 16;

// Reads the switches on the first call; every later call returns the same word.
uint32_t readMemTrackSwitches();

// The report file named by MZMEMTRACK_OUTPUT; empty for the debugger output.
const char* memTrackOutputPath();

// Stores the caller's call stack in the record.
void captureCallStack(uint64_t record[memTrackStackDepth]);

// Reports a misuse of the heap, such as a block freed twice.
void reportMemError(const char* message);
