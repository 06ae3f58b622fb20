// The crash log: on a fatal signal the call stack of the fault is appended to
// "mzdbgcrash.log" in the temporary folder. Installed when the library loads, whatever the
// tracking switches, and taken away when it unloads.
#pragma once

#include <cstdint>

#include "platform/fixedText.h"

// The log's path: the folder named by "tmp", else "temp" (names without regard to case,
// empty values passed over), else "/tmp", then "/mzdbgcrash.log". environment is a
// null-terminated array of "name=value" texts. False when no candidate fits the buffer.
bool crashLogPath(char* const* environment, fixedText& path);

// Writes the stack from the faulting code address and frame pointer to the log, in one
// write. Runs inside the signal handler: fixed buffers and system calls only.
void crashLogFilter(uint64_t pc, uint64_t framePointer);
