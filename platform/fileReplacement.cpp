#include "platform/fileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace fileReplacement {

namespace {

// As the kernel follows links when a path is opened.
constexpr int maxLinkHops = 40;
// Room for the temporary's prefix and suffix within a file name of 255 bytes.
constexpr size_t maxBaseNameInTemporary = 200;
constexpr int temporaryAttempts = 100;

std::string folderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool readLink(const std::string& path, std::string& link) {
  for (size_t size = 256;; size *= 2) {
    link.assign(size, '\0');
    ssize_t got = readlink(path.c_str(), link.data(), size);
    if (got < 0) return false;
    if (size_t(got) < size) {
      link.resize(size_t(got));
      return true;
    }
  }
}

// The file a write to path replaces: path itself, or the file its chain of links ends at
// (which need not exist yet).
bool resolveLinks(const char* path, std::string& target) {
  target = path;
  for (int hop = 0; hop <= maxLinkHops; ++hop) {
    struct stat info;
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::string link;
    if (!readLink(target, link)) return false;
    target = !link.empty() && link[0] == '/' ? link : folderOf(target) + "/" + link;
  }
  errno = ELOOP;
  return false;
}

bool writeAll(int file, std::string_view bytes) {
  const char* next = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = write(file, next, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    next += written;
    left -= size_t(written);
  }
  return true;
}

bool writeInPlace(const std::string& path, std::string_view bytes) {
  int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (file < 0) return false;
  bool written = writeAll(file, bytes);
  return close(file) == 0 && written;
}

// A new file beside target, created as a plain open creates files (the process's umask
// applies); -1 when none can be made, with errno telling why.
int createTemporary(const std::string& target, std::string& name) {
  static unsigned long counter = 0;
  std::string prefix = folderOf(target) + "/." + baseNameOf(target).substr(0, maxBaseNameInTemporary) + ".";
  for (int attempt = 0; attempt < temporaryAttempts; ++attempt) {
    name = prefix + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".tmp";
    int file = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file >= 0 || errno != EEXIST) return file;
  }
  return -1;
}

// The new file gets the old one's owner and group where the process may give them, then its
// permission bits (a change of owner may clear some).
bool takeOverAttributes(int file, const struct stat& old) {
  if ((old.st_uid != geteuid() || old.st_gid != getegid()) && fchown(file, old.st_uid, old.st_gid) != 0) {
    // The group alone, where the writer belongs to it; else the file stays the writer's, as
    // one it created would be.
    (void)!fchown(file, geteuid(), old.st_gid);
  }
  return fchmod(file, old.st_mode & 07777) == 0;
}

}  // namespace

bool replaceFile(const char* path, std::string_view bytes) {
  if (!path || !*path) return false;
  std::string target;
  if (!resolveLinks(path, target)) return false;
  struct stat old;
  bool exists = stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return writeInPlace(target, bytes);
  if (exists && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return false;

  std::string temporary;
  int file = createTemporary(target, temporary);
  if (file < 0) {
    if (exists && (errno == EACCES || errno == EPERM)) return writeInPlace(target, bytes);
    return false;
  }
  bool done = (!exists || takeOverAttributes(file, old)) && writeAll(file, bytes) && fdatasync(file) == 0;
  done = close(file) == 0 && done;
  done = done && std::rename(temporary.c_str(), target.c_str()) == 0;
  if (!done) unlink(temporary.c_str());
  return done;
}

}  // namespace fileReplacement
