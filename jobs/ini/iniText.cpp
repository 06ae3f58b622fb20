#include "jobs/ini/iniText.h"

#include <cstring>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "jobs/ini/iniTreeBuilderC.h"
#include "platform/textFile.h"

namespace {

constexpr std::string_view blanks = " \t";
// What ends or cuts a line as the reader takes it.
constexpr std::string_view lineBreakers("\r\n\0", 3);

// Plain loops: lines are short, and the generic searches cost more per line than they save.
std::string_view trimSpaces(std::string_view text) {
  size_t first = 0;
  size_t end = text.size();
  while (first < end && text[first] == ' ') ++first;
  while (end > first && text[end - 1] == ' ') --end;
  return text.substr(first, end - first);
}

// The line as the reader sees it: ended at a zero byte, less one trailing CR.
std::string_view readerLine(std::string_view line) {
  size_t zero = line.find('\0');
  if (zero != std::string_view::npos) line = line.substr(0, zero);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// A header is a line whose first character after blanks is "[" with a "]" after it; its name
// is the text up to the first "]" without the spaces around it, and the rest is ignored. So
// "Name[de]=x", "if [ -f x ]" and ";[old]" are no headers.
bool isHeader(std::string_view line, std::string_view& name) {
  size_t open = 0;
  while (open < line.size() && (line[open] == ' ' || line[open] == '\t')) ++open;
  if (open == line.size() || line[open] != '[') return false;
  const void* close = std::memchr(line.data() + open + 1, ']', line.size() - open - 1);
  if (!close) return false;
  name = trimSpaces(line.substr(open + 1, size_t(static_cast<const char*>(close) - line.data()) - open - 1));
  return true;
}

metaTreeC* newStringNode(std::string_view text) {
  metaTreeC* node = new metaTreeC;
  node->value.setString(nullptr, text.data() ? text.data() : "", int(text.size()));
  return node;
}

// A new word node holding a string, as a field of the tree.
metaTreeC* newStringField(const char* key, std::string_view text) {
  metaTreeC* field = metaTreeC::newWithKeyword(key);
  metaTreeC::linkAsFirstChildren(newStringNode(text), field);
  return field;
}

// The first child of record with the key word, as peekFieldNode finds it, without the views
// a lookup through the access API builds: the writer looks up three fields per entry.
const metaTreeC* keyNodeOf(const metaTreeC* record, std::string_view key) {
  for (const metaTreeC* child = record->firstChild; child; child = child->next)
    if (child->hasKeyword(key)) return child;
  return nullptr;
}

// The field's text as the writer writes it; a missing key node reads as the empty text, and
// complete is cleared: the getters the writer stands for would have added it.
std::string_view fieldText(const metaTreeC* record, std::string_view key, bool& complete) {
  const metaTreeC* keyNode = keyNodeOf(record, key);
  if (!keyNode) {
    complete = false;
    return {};
  }
  const metaTreeC* value = keyNode->firstChild;
  if (!value || !value->value.isString()) return {};
  const str& text = *value->value.getText();
  return {text.c_str(), size_t(text.length())};
}

bool staysOnItsLine(std::string_view text) { return text.find_first_of(lineBreakers) == std::string_view::npos; }

// The written header line reads back as this section's header.
bool carriesName(std::string_view name) { return staysOnItsLine(name) && name.find(']') == std::string_view::npos; }

// The written line key "=" text reads back as this entry: no comment, no header, and the
// key ends at its "=".
bool carriesEntry(std::string_view key, std::string_view text, std::string_view line) {
  if (!staysOnItsLine(key) || !staysOnItsLine(text) || key.find('=') != std::string_view::npos) return false;
  size_t first = key.find_first_not_of(blanks);
  if (first != std::string_view::npos && key[first] == ';') return false;
  std::string_view name;
  return !isHeader(line, name);
}

// The text of the tree under root; complete tells whether every field the writer reads was
// there. False when a name, key or text would not read back as it stands.
bool formatIniText(const metaTreeC* root, std::string& out, bool& complete) {
  out.clear();
  complete = true;
  const metaTreeC* sections = root ? keyNodeOf(root, "SECTIONS") : nullptr;
  if (!sections) {
    complete = root == nullptr;
    return true;
  }
  for (const metaTreeC* section = sections->firstChild; section; section = section->next) {
    std::string_view name = fieldText(section, "NAME", complete);
    if (!carriesName(name)) return false;
    out += '[';
    out += name;
    out += "]\n";
    const metaTreeC* entries = keyNodeOf(section, "ENTRIES");
    if (!entries) {
      complete = false;
      continue;
    }
    for (const metaTreeC* entry = entries->firstChild; entry; entry = entry->next) {
      std::string_view key = fieldText(entry, "KEY", complete);
      std::string_view text = fieldText(entry, "TEXT", complete);
      size_t start = out.size();
      out += key;
      out += '=';
      out += text;
      if (!carriesEntry(key, text, std::string_view(out).substr(start))) return false;
      out += '\n';
    }
  }
  return true;
}

// Adds what the writer reads and finds missing, as its getters do.
void completeIniFields(metaTreeC* root) {
  metaTreeC* sections = fieldNode(root, "SECTIONS");
  if (!sections) return;
  for (metaTreeC* section = sections->firstChild; section; section = section->next) {
    fieldNode(section, "NAME");
    metaTreeC* entries = fieldNode(section, "ENTRIES");
    for (metaTreeC* entry = entries->firstChild; entry; entry = entry->next) {
      fieldNode(entry, "KEY");
      fieldNode(entry, "TEXT");
    }
  }
}

// How the text came: with CR LF folded to LF, or as stored on disk, where the CR of a CR LF
// is dropped from each line here, so the text never has to be folded as a whole.
enum class lineEndsE { folded, asStored };

mIniFileC parseLines(std::string_view text, const char* path, lineEndsE lineEnds) {
  iniTreeBuilderC make;
  using words = iniTreeBuilderC;
  metaTreeC* root = metaTreeC::newWithKeyword(mIniFileC::classKey);
  metaTreeC* lastTop = nullptr;
  iniTreeBuilderC::appendNew(root, lastTop, newStringField("FNAME", path ? path : ""));
  metaTreeC* sections = nullptr;
  metaTreeC* lastSection = nullptr;
  metaTreeC* entries = nullptr;
  metaTreeC* lastEntry = nullptr;
  metaTreeC* lastInSection = nullptr;

  const char* const bytes = text.data();
  const size_t size = text.size();
  // Most texts hold no zero byte: their lines need not be searched for one.
  const bool zeroBytes = size > 0 && std::memchr(bytes, 0, size) != nullptr;
  // The bytes of the text from a part of it on.
  auto readableFrom = [size, bytes](std::string_view part) { return size - size_t(part.data() - bytes); };
  for (size_t start = 0; start < size;) {
    const void* lineFeed = std::memchr(bytes + start, '\n', size - start);
    size_t end = lineFeed ? size_t(static_cast<const char*>(lineFeed) - bytes) : size;
    std::string_view line(bytes + start, end - start);
    start = end + 1;
    if (lineEnds == lineEndsE::asStored && lineFeed && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (zeroBytes) line = readerLine(line);
    else if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    std::string_view name;
    if (isHeader(line, name)) {
      if (!sections) sections = make.appendWord(root, lastTop, words::sections);
      metaTreeC* section = make.appendWord(sections, lastSection, words::section);
      lastInSection = nullptr;
      make.appendStringField(section, lastInSection, words::name, name, readableFrom(name));
      entries = nullptr;
      lastEntry = nullptr;
      continue;
    }

    if (!lastSection || line.empty() || line.front() == ';') continue;
    const void* equalsSign = std::memchr(line.data(), '=', line.size());
    if (!equalsSign) continue;
    size_t equals = size_t(static_cast<const char*>(equalsSign) - line.data());
    if (!entries) entries = make.appendWord(lastSection, lastInSection, words::entries);
    metaTreeC* entry = make.appendWord(entries, lastEntry, words::entry);
    metaTreeC* lastField = nullptr;
    std::string_view key = trimSpaces(line.substr(0, equals));
    std::string_view value = line.substr(equals + 1);
    make.appendStringField(entry, lastField, words::key, key, readableFrom(key));
    make.appendStringField(entry, lastField, words::text, value, readableFrom(value));
  }
  ++metaTreeChangeCounter;
  return mIniFileC(root, 1);
}

}  // namespace

mIniFileC parseIniText(std::string_view text, const char* path) { return parseLines(text, path, lineEndsE::folded); }

mIniFileC readIniText(const char* path) {
  std::string text;
  if (!path || !textFile::readRegularDiskText(path, text)) return mIniFileC();
  return parseLines(text, path, lineEndsE::asStored);
}

bool formatIniText(const metaTreeC* root, std::string& text) {
  bool complete = true;
  return formatIniText(root, text, complete);
}

uint32_t writeIniText(mIniFileC& file, const char* path) {
  bool complete = true;
  std::string text;
  if (!path || !formatIniText(file.getNode(), text, complete) || !textFile::writeTextFile(path, text)) return 0;
  if (!complete) completeIniFields(file.getNode());
  return 1;
}
