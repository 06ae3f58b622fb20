#include "platform/textFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "platform/fileReplacement.h"

namespace textFile {

namespace {

enum class fileKindsE { any, regularOnly };

// The whole file into text; errno tells why when false.
bool readFile(const char* path, std::string& text, fileKindsE kinds) {
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
      disk.reserve(size_t(info.st_size));
    }
    char chunk[65536];
    while (ok) {
      ssize_t got = read(file, chunk, sizeof chunk);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        ok = got == 0;
        break;
      }
      disk.append(chunk, size_t(got));
    }
    if (ok) text = fromDiskText(disk);
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
  std::string text;
  text.reserve(diskText.size());
  for (size_t i = 0; i < diskText.size(); ++i) {
    if (diskText[i] == '\r' && i + 1 < diskText.size() && diskText[i + 1] == '\n') continue;
    text += diskText[i];
  }
  return text;
}

bool readTextFile(const char* path, std::string& text) { return readFile(path, text, fileKindsE::any); }

bool readRegularTextFile(const char* path, std::string& text) {
  return readFile(path, text, fileKindsE::regularOnly);
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
