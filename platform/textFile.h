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
// The same in place.
void foldLineEnds(std::string& text);

// Reads the whole file at path into text (line ends folded). False when it cannot be opened or
// read, or when the text does not fit in memory; text then stays as it was.
bool readTextFile(const char* path, std::string& text);

// As readTextFile, for paths that name files a user keeps: anything but a regular file (a
// pipe, a device such as /dev/zero, a socket) is refused at once as unreadable, with errno
// ENODEV, without waiting for a writer or reading without end. A folder fails as with
// readTextFile (errno EISDIR).
bool readRegularTextFile(const char* path, std::string& text);
// As readRegularTextFile, the bytes as stored, for readers that fold the line ends as they go.
bool readRegularDiskText(const char* path, std::string& bytes);

// Writes text to path in the disk form, replacing the file whole or not at all
// (fileReplacement::replaceFile). False when the file cannot be written, or when a write, the
// close or the replacement fails; the old file then stays as it was.
bool writeTextFile(const char* path, std::string_view text);

// Appends text to path in the disk form, creating the file when missing. For logs, which
// grow and are never replaced.
bool appendTextFile(const char* path, std::string_view text);

}  // namespace textFile
