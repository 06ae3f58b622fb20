// Scratch files for tests: a unique path below the system's temporary folder, removed afterwards.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <fstream>
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
