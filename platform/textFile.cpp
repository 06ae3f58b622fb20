#include "platform/textFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>

#include "platform/fileReplacement.h"

namespace textFile {

namespace {

enum class fileKindsE { any, regularOnly };

// Reads what is left of the file into bytes from filled on; the size taken from the open file
// is only a first guess, so a file that grows while it is read is read to its end.
bool readToEnd(int file, std::string& bytes, size_t filled) {
  while (true) {
    if (filled == bytes.size()) {
      // Probes for more through a small buffer: growing the whole text to find its end would
      // copy it.
      char probe[4096];
      ssize_t got = read(file, probe, sizeof probe);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return got == 0;
      bytes.append(probe, size_t(got));
      filled = bytes.size();
      continue;
    }
    ssize_t got = read(file, bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      bytes.resize(filled);
      return got == 0;
    }
    filled += size_t(got);
  }
}

// The whole file as stored into bytes; errno tells why when false.
bool readFile(const char* path, std::string& bytes, fileKindsE kinds) {
  if (!path) {
    errno = EINVAL;
    return false;
  }
  // Without O_NONBLOCK, opening a pipe waits for a writer before the kind can be told.
  int file = open(path, O_RDONLY | O_CLOEXEC | (kinds == fileKindsE::regularOnly ? O_NONBLOCK : 0));
  if (file < 0) return false;
  bool ok = true;
  try {
    struct stat info;
    std::string disk;
    if (fstat(file, &info) != 0) {
      ok = false;
    } else if (kinds == fileKindsE::regularOnly && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
      errno = ENODEV;
      ok = false;
    } else if (S_ISREG(info.st_mode)) {
      disk.resize(size_t(info.st_size));
    }
    if (ok) ok = readToEnd(file, disk, 0);
    if (ok) bytes.swap(disk);
  } catch (const std::bad_alloc&) {
    errno = ENOMEM;
    ok = false;
  } catch (const std::length_error&) {
    errno = ENOMEM;
    ok = false;
  }
  int reason = errno;
  close(file);
  errno = reason;
  return ok;
}

bool readFoldedFile(const char* path, std::string& text, fileKindsE kinds) {
  std::string disk;
  if (!readFile(path, disk, kinds)) return false;
  foldLineEnds(disk);
  text.swap(disk);
  return true;
}

}  // namespace

std::string toDiskText(std::string_view text) {
  std::string disk;
  disk.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') disk += '\r';
    disk += c;
  }
  return disk;
}

std::string fromDiskText(std::string_view diskText) {
  std::string text(diskText);
  foldLineEnds(text);
  return text;
}

void foldLineEnds(std::string& text) {
  char* bytes = text.data();
  const size_t size = text.size();
  size_t kept = 0;
  size_t from = 0;
  // Moves the runs between the CRs of CR LF pairs down over the dropped CRs.
  while (from < size) {
    const void* found = std::memchr(bytes + from, '\r', size - from);
    size_t cr = found ? size_t(static_cast<const char*>(found) - bytes) : size;
    size_t runEnd = cr < size && (cr + 1 == size || bytes[cr + 1] != '\n') ? cr + 1 : cr;
    if (kept != from) std::memmove(bytes + kept, bytes + from, runEnd - from);
    kept += runEnd - from;
    from = runEnd == cr ? cr + 1 : runEnd;
  }
  text.resize(kept);
}

bool readTextFile(const char* path, std::string& text) { return readFoldedFile(path, text, fileKindsE::any); }

bool readRegularTextFile(const char* path, std::string& text) {
  return readFoldedFile(path, text, fileKindsE::regularOnly);
}

bool readRegularDiskText(const char* path, std::string& bytes) {
  return readFile(path, bytes, fileKindsE::regularOnly);
}

bool writeTextFile(const char* path, std::string_view text) {
  return path && fileReplacement::replaceFile(path, toDiskText(text));
}

bool appendTextFile(const char* path, std::string_view text) {
  if (!path) return false;
  FILE* file = std::fopen(path, "ab");
  if (!file) return false;
  std::string disk = toDiskText(text);
  bool ok = std::fwrite(disk.data(), 1, disk.size(), file) == disk.size();
  ok = (std::fclose(file) == 0) && ok;
  return ok;
}

}  // namespace textFile
