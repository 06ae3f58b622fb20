#include "memman/memTrackTypeName.h"

#include <cstdint>
#include <cstring>
#include <typeinfo>

#include "memman/memSlotArenaC.h"
#include "memman/memTrackHooks.h"
#include "platform/codeSymbol.h"
#include "platform/safeMemoryRead.h"

namespace {

// The C++ runtime's three kinds of class type record, each found through a type of its kind.
struct plainProbe {};
struct singleBaseProbe : plainProbe {};
struct otherProbe {};
struct multipleBaseProbe : plainProbe, otherProbe {};

// The record's first word is the address of its own virtual table; it is copied as plain bytes.
uint64_t tableOfTypeRecord(const std::type_info& record) {
  uint64_t table;
  std::memcpy(&table, static_cast<const void*>(&record), sizeof table);
  return table;
}

bool isClassTypeRecordTable(uint64_t table) {
  static const uint64_t tables[] = {tableOfTypeRecord(typeid(plainProbe)), tableOfTypeRecord(typeid(singleBaseProbe)),
                                    tableOfTypeRecord(typeid(multipleBaseProbe))};
  for (uint64_t known : tables)
    if (table == known) return true;
  return false;
}

// A NUL-terminated text of at most room - 1 characters, read page by page.
bool readText(uint64_t address, char* out, size_t room) {
  constexpr uint64_t pageSize = 4096;
  size_t got = 0;
  while (got + 1 < room) {
    size_t piece = size_t(pageSize - (address + got) % pageSize);
    if (piece > room - 1 - got) piece = room - 1 - got;
    if (!safeMemoryRead(reinterpret_cast<const void*>(address + got), out + got, piece)) return false;
    if (std::memchr(out + got, 0, piece)) return true;
    got += piece;
  }
  return false;
}

// The name from the run-time type record in front of a primary virtual table: the table is
// preceded by the offset to the complete object (0 for a primary table) and the record.
std::string typeNameFromRecord(uint64_t table) {
  uint64_t prefix[2];
  if (table < 16 || !safeMemoryRead(reinterpret_cast<const void*>(table - 16), prefix, sizeof prefix)) return {};
  uint64_t offsetToTop = prefix[0], record = prefix[1];
  if (offsetToTop != 0 || record == 0 || record % alignof(std::type_info) != 0) return {};
  uint64_t recordWords[2];  // the record's own table, then its mangled name
  if (!safeMemoryRead(reinterpret_cast<const void*>(record), recordWords, sizeof recordWords)) return {};
  if (!isClassTypeRecordTable(recordWords[0])) return {};
  char mangled[1024];
  if (!readText(recordWords[1], mangled, sizeof mangled)) return {};
  return demangleTypeName(mangled);
}

// "ns::C::f(int) const" gives "ns::C": the parameter list goes, then everything from the
// last "::" outside template arguments. A name without a class part stays whole.
std::string classOfFunction(std::string name) {
  size_t close = name.rfind(')');
  if (close != std::string::npos) {
    int depth = 0;
    for (size_t i = close + 1; i-- > 0;) {
      if (name[i] == ')') ++depth;
      else if (name[i] == '(' && --depth == 0) {
        name.resize(i);
        break;
      }
    }
  }
  size_t cut = std::string::npos;
  int depth = 0;
  for (size_t i = 0; i + 1 < name.size(); ++i) {
    char c = name[i];
    if (c == '<' || c == '(') ++depth;
    else if ((c == '>' || c == ')') && depth > 0) --depth;
    else if (depth == 0 && c == ':' && name[i + 1] == ':') cut = i++;
  }
  if (cut != std::string::npos && cut > 0) name.resize(cut);
  return name;
}

std::string limited(std::string name) {
  if (name.size() > memTrackTypeNameLimit) name.resize(memTrackTypeNameLimit);
  return name;
}

}  // namespace

std::string objectTypeName(const void* payload) {
  std::string answer = "array";
  uint64_t table;
  std::memcpy(&table, payload, sizeof table);
  uint64_t firstEntry;
  if (table == 0 || table % sizeof(void*) != 0 ||
      !safeMemoryRead(reinterpret_cast<const void*>(table), &firstEntry, sizeof firstEntry))
    return answer;
  std::string recorded = typeNameFromRecord(table);
  if (!recorded.empty()) return limited(recorded);
  if (!isExecutableAddress(firstEntry)) return answer;
  answer = "class";
  codeSymbolS symbol = lookupCodeSymbol(firstEntry);
  if (symbol.name) {
    std::string name = classOfFunction(demangleSymbolName(symbol.name));
    if (!name.empty()) answer = name;
  }
  return limited(answer);
}

std::string blockTypeName(const memTrackBlockS& block) {
  if (!block.header) return memSlotArenaC::reportName;
  if (readMemTrackSwitches() & memTrackTypeInfoBit) {
    // A block too small for a table pointer holds no object with one, and only its own bytes
    // may be read (AddressSanitizer guards the rest of its slot).
    std::string name = block.size < sizeof(uint64_t) ? "array" : objectTypeName(block.payload);
    if (!name.empty()) return name;
  }
  return "unk";
}
