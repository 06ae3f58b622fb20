// Text files as the stored format expects them: every LF is stored as CR LF,
// and CR LF reads back as LF. Binary files never go through here.
#pragma once

#include <string>
#include <string_view>

namespace textFile {

// The disk form of a text: each LF becomes CR LF.
std::string toDiskText(std::string_view text);

// The in-memory form of a disk text: each CR LF becomes LF; a lone CR stays.
std::string fromDiskText(std::string_view diskText);

// Reads the whole file at path into text (line ends folded). False when it cannot be opened or read.
bool readTextFile(const char* path, std::string& text);

// Writes text to path (replacing it) in the disk form. False when the file cannot be
// created, or when the write or the close fails.
bool writeTextFile(const char* path, std::string_view text);

// Appends text to path in the disk form, creating the file when missing.
bool appendTextFile(const char* path, std::string_view text);

}  // namespace textFile
