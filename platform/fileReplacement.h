// The one way whole files are written: a document, a list, an INI file or an export either
// replaces the old file completely or leaves it as it was. The bytes go to a temporary file
// in the target's folder, which is flushed and closed, each step checked, and only then
// renamed over the target; on any failure the temporary is removed.
//
// The new file keeps the old one's permission bits (and its owner and group where allowed).
// A symbolic link stays and the file it leads to is replaced. A target that exists and is no
// regular file (a device, a pipe) is written in place, and so is a writable file in a folder
// that takes no new files, as no temporary can be made beside it.
#pragma once

#include <string_view>

namespace fileReplacement {

// True when path holds exactly bytes afterwards. False when it cannot be written, or when a
// write, the flush, the close or the rename fails; the old file is then untouched (except in
// the in-place cases above) and no temporary is left. A file that exists but may not be
// written is refused, as opening it for writing would be.
bool replaceFile(const char* path, std::string_view bytes);

}  // namespace fileReplacement
