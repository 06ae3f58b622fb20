// Where the memory tracker's texts go: appended to the report file named by
// MZMEMTRACK_OUTPUT, or else to the debugger output in pieces of 80 characters.
#pragma once

#include <string_view>

constexpr size_t memTrackSinkPiece = 80;

void writeMemTrackSink(std::string_view text);

// The same with an explicit report file; null or empty means the debugger output. A file
// that cannot be written sends the text to the debugger output instead, so it is not lost.
void writeMemTrackText(const char* path, std::string_view text);
