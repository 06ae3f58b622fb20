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

// Stores the call stack in the record, from the return address into this function upwards.
void captureCallStack(uint64_t record[memTrackStackDepth]);

// Writes the message, "stack track :" and the current call stack to the tracker's sink; the
// heap reports a block freed twice with it.
void reportMemError(const char* message);
