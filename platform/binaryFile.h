// Reading a file a user names as raw bytes, unchanged (no line ends folded).
#pragma once

#include <cstdint>
#include <string>

namespace binaryFile {

// Reads the whole regular file at path into bytes, its size taken from the open file. False,
// bytes left as they were, when the path is no regular file (a folder, a pipe or a device is
// refused at once, without waiting for a writer), cannot be opened or read, is larger than
// maxSize (refused before anything is allocated), or yields fewer bytes than its size.
bool readRegularFile(const char* path, std::string& bytes, uint64_t maxSize);

}  // namespace binaryFile
