// Printing call-stack records, one line per frame:
//   "no file(0) : <symbol> (<address> Modul: <module>)\n"
// Modules carry no line information, so the file is always "no file" and the line 0; a
// frame that no symbol covers is named "unknwon".
#pragma once

#include <cstdint>
#include <string>

#include "memman/memTrackHooks.h"
#include "platform/fixedText.h"

// With readable (demangled) symbol names.
void formatCallStack(const uint64_t record[memTrackStackDepth], std::string& out);

// With the raw symbol names, without allocating: for the crash log inside a signal handler.
void formatCallStackRaw(const uint64_t record[memTrackStackDepth], fixedText& out);
