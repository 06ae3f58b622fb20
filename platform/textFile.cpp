#include "platform/textFile.h"

#include <cstdio>

#include "platform/fileReplacement.h"

namespace textFile {

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

bool readTextFile(const char* path, std::string& text) {
  if (!path) return false;
  FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  std::string disk;
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) disk.append(chunk, got);
  bool ok = !std::ferror(file);
  std::fclose(file);
  if (ok) text = fromDiskText(disk);
  return ok;
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
