// Scratch files for tests: a unique path below the system's temporary folder, removed afterwards.
#pragma once

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace testFiles {

class scratchFile {
 public:
  explicit scratchFile(const std::string& name) {
    static int counter = 0;
    path_ = "/tmp/rudezaze-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + "-" + name;
    std::remove(path_.c_str());
  }
  ~scratchFile() { std::remove(path_.c_str()); }
  scratchFile(const scratchFile&) = delete;
  scratchFile& operator=(const scratchFile&) = delete;
  const char* path() const { return path_.c_str(); }

 private:
  std::string path_;
};

// A folder of its own below the system's temporary folder, so that a file left behind in it
// shows; removed with the files it holds.
class scratchFolder {
 public:
  scratchFolder() {
    char name[] = "/tmp/rudezaze-test-XXXXXX";
    path_ = mkdtemp(name) ? name : "";
  }
  ~scratchFolder() {
    for (const std::string& entry : entries()) unlink(file(entry.c_str()).c_str());
    rmdir(path_.c_str());
  }
  scratchFolder(const scratchFolder&) = delete;
  scratchFolder& operator=(const scratchFolder&) = delete;

  std::string file(const char* name) const { return path_ + "/" + name; }
  // The names in the folder.
  std::set<std::string> entries() const {
    std::set<std::string> names;
    if (DIR* folder = opendir(path_.c_str())) {
      while (dirent* entry = readdir(folder)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.insert(name);
      }
      closedir(folder);
    }
    return names;
  }

 private:
  std::string path_;
};

inline std::string readBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void writeBytes(const char* path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace testFiles
