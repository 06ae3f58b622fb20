// The INI reader and writer on any bytes. Invariants: any bytes read to the end, from memory
// as text mode gives them and from a file alike, into the tree shapes the reader makes. The
// writer refuses exactly what the format cannot carry (a CR, LF or zero byte anywhere, "]" in a
// name, "=" in a key or ";" as its first character after blanks, an entry line that would read
// as a header), and whatever it accepts reads back as the same sections and entries, less only
// the spaces the reader trims around names and keys. The same bytes read as tree text give a
// tree of any shape: the writer writes it or refuses it without creating anything, and after a
// write, which adds only empty fields, it writes the same text again.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeWriterC.h"
#include "fuzz/fuzzCheck.h"
#include "jobs/ini/iniText.h"
#include "core/keyNodeField.h"
#include "platform/textFile.h"

namespace {

using entriesT = std::vector<std::pair<std::string, std::string>>;
using sectionsT = std::vector<std::pair<std::string, entriesT>>;

std::string textOf(const str& text) { return std::string(text.c_str(), size_t(text.length())); }

// The one string value of a field the reader made.
std::string readerField(const metaTreeC* node, const char* key) {
  FUZZ_CHECK(node->hasKeyword(key));
  const metaTreeC* value = node->firstChild;
  FUZZ_CHECK(value && value->value.isString() && !value->next && !value->firstChild);
  std::string text = textOf(*value->value.getText());
  FUZZ_CHECK(text.find('\n') == std::string::npos && text.find('\0') == std::string::npos);
  return text;
}

bool trimmed(const std::string& text) { return text.empty() || (text.front() != ' ' && text.back() != ' '); }

// The sections of a tree the reader made, checking that it holds nothing else.
sectionsT readerSections(const mIniFileC& file, const char* path) {
  const metaTreeC* root = file.getNode();
  FUZZ_CHECK(root && root->hasKeyword("INIFILE") && !root->next && !root->parent);
  const metaTreeC* fileName = root->firstChild;
  FUZZ_CHECK(fileName && readerField(fileName, "FNAME") == path);
  sectionsT sections;
  const metaTreeC* list = fileName->next;
  if (!list) return sections;
  FUZZ_CHECK(list->hasKeyword("SECTIONS") && !list->next && list->firstChild);
  for (const metaTreeC* section = list->firstChild; section; section = section->next) {
    FUZZ_CHECK(section->hasKeyword("SECTION"));
    std::string name = readerField(section->firstChild, "NAME");
    FUZZ_CHECK(trimmed(name) && name.find(']') == std::string::npos);
    entriesT entries;
    if (const metaTreeC* entryList = section->firstChild->next) {
      FUZZ_CHECK(entryList->hasKeyword("ENTRIES") && !entryList->next && entryList->firstChild);
      for (const metaTreeC* entry = entryList->firstChild; entry; entry = entry->next) {
        FUZZ_CHECK(entry->hasKeyword("ENTRY") && entry->firstChild && entry->firstChild->next);
        FUZZ_CHECK(!entry->firstChild->next->next);
        std::string key = readerField(entry->firstChild, "KEY");
        FUZZ_CHECK(trimmed(key) && key.find('=') == std::string::npos);
        entries.emplace_back(key, readerField(entry->firstChild->next, "TEXT"));
      }
    }
    sections.emplace_back(name, entries);
  }
  return sections;
}

std::string trimSpaces(const std::string& text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A string field as the writer reads it: the key node's first child when it is a string.
std::string writerField(const metaTreeC* record, const char* key) {
  for (const metaTreeC* child = record->firstChild; child; child = child->next) {
    if (!child->hasKeyword(key)) continue;
    const metaTreeC* value = child->firstChild;
    return value && value->value.isString() ? textOf(*value->value.getText()) : std::string();
  }
  return {};
}

// The sections and entries of any tree as the writer sees them: every child of SECTIONS and
// of its ENTRIES, whatever its key word.
sectionsT writerSections(const metaTreeC* root) {
  sectionsT sections;
  const metaTreeC* list = root ? root->firstChild : nullptr;
  while (list && !list->hasKeyword("SECTIONS")) list = list->next;
  for (const metaTreeC* section = list ? list->firstChild : nullptr; section; section = section->next) {
    entriesT entries;
    const metaTreeC* entryList = section->firstChild;
    while (entryList && !entryList->hasKeyword("ENTRIES")) entryList = entryList->next;
    for (const metaTreeC* entry = entryList ? entryList->firstChild : nullptr; entry; entry = entry->next)
      entries.emplace_back(writerField(entry, "KEY"), writerField(entry, "TEXT"));
    sections.emplace_back(writerField(section, "NAME"), entries);
  }
  return sections;
}

bool breaksLine(const std::string& text) { return text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos; }

// What no INI line can carry, by the reader's rules.
bool cannotCarry(const sectionsT& sections) {
  for (const auto& [name, entries] : sections) {
    if (breaksLine(name) || name.find(']') != std::string::npos) return true;
    for (const auto& [key, text] : entries) {
      if (breaksLine(key) || breaksLine(text) || key.find('=') != std::string::npos) return true;
      size_t first = key.find_first_not_of(" \t");
      if (first == std::string::npos) continue;
      if (key[first] == ';') return true;
      if (key[first] == '[' && (key + text).find(']', first) != std::string::npos) return true;
    }
  }
  return false;
}

// What a write and a read give back of the sections.
sectionsT carried(sectionsT sections) {
  for (auto& [name, entries] : sections) {
    name = trimSpaces(name);
    for (auto& entry : entries) entry.first = trimSpaces(entry.first);
  }
  return sections;
}

// The writer's text for the tree under root, checked against what it holds: refused exactly
// when it holds what no INI line can carry, else read back as the same sections and entries.
bool checkWriter(const metaTreeC* root, std::string& written) {
  sectionsT sections = writerSections(root);
  bool accepted = formatIniText(root, written);
  FUZZ_CHECK(accepted == !cannotCarry(sections));
  if (accepted) {
    mIniFileC again = parseIniText(textFile::fromDiskText(textFile::toDiskText(written)), "f");
    FUZZ_CHECK(readerSections(again, "f") == carried(sections));
  }
  return accepted;
}

std::string treeText(const metaTreeC* root) {
  metaTreeWriterC writer(4096);
  writer.writeAll(root, false);
  return std::string(writer.data(), writer.length());
}

const char* scratchPath() {
  static const std::string path = "/tmp/rudezaze-iniFileFuzz-" + std::to_string(getpid()) + ".ini";
  return path.c_str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  mIniFileC file = parseIniText(textFile::fromDiskText(bytes), "f");
  sectionsT sections = readerSections(file, "f");

  // Now and then through a file on disk, which must read the same.
  if (std::hash<std::string>()(bytes) % 16 == 0) {
    FILE* out = std::fopen(scratchPath(), "wb");
    FUZZ_CHECK(out && std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fclose(out) == 0);
    mIniFileC fromDisk = readIniText(scratchPath());
    std::remove(scratchPath());
    FUZZ_CHECK(readerSections(fromDisk, scratchPath()) == sections);
  }

  std::string before = treeText(file.getNode());
  std::string written;
  checkWriter(file.getNode(), written);
  FUZZ_CHECK(treeText(file.getNode()) == before);

  // Any tree, from the bytes as tree text (up to a zero byte, as a string is read).
  metaObjectC tree = metaObjectC::readFromString(bytes.c_str(), 1);
  if (tree.isValid()) {
    mIniFileC any(tree.getNode(), 0);
    std::string anyBefore = treeText(any.getNode());
    std::string anyText;
    bool accepted = checkWriter(any.getNode(), anyText);
    FUZZ_CHECK(treeText(any.getNode()) == anyBefore);
    FUZZ_CHECK(writeIniText(any, "/dev/null") == uint32_t(accepted));
    if (!accepted) FUZZ_CHECK(treeText(any.getNode()) == anyBefore);
    std::string again;
    FUZZ_CHECK(formatIniText(any.getNode(), again) == accepted);
    if (accepted) FUZZ_CHECK(again == anyText);
  }
  return 0;
}
