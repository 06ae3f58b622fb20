#include "platform/binaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

namespace binaryFile {

namespace {

bool readExactly(int file, std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = read(file, bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += size_t(got);
  }
  return true;
}

}  // namespace

bool readRegularFile(const char* path, std::string& bytes, uint64_t maxSize) {
  if (!path) return false;
  // Without O_NONBLOCK, opening a pipe waits for a writer before the kind can be told.
  const int file = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (file < 0) return false;
  struct stat info;
  bool ok = fstat(file, &info) == 0 && S_ISREG(info.st_mode) && info.st_size >= 0 && uint64_t(info.st_size) <= maxSize;
  if (ok) {
    try {
      std::string read(size_t(info.st_size), '\0');
      ok = readExactly(file, read);
      if (ok) bytes.swap(read);
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  close(file);
  return ok;
}

}  // namespace binaryFile
