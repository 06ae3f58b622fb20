#include "memman/memTrackCallStack.h"

#include "platform/codeSymbol.h"

namespace {

// Room for a symbol name as the stack lines print it, and for a module path.
constexpr size_t symbolNameRoom = 256;
constexpr size_t modulePathRoom = 1024;

void appendStackLine(fixedText& line, const char* name, uint64_t address, const char* module) {
  line.append("no file(").appendDecimal(0).append(") : ");
  line.append(name ? name : "unknwon", symbolNameRoom - 1);
  line.append(" (").appendHex(address).append(" Modul: ");
  line.append(module, modulePathRoom - 1).append(")\n");
}

constexpr size_t lineRoom = symbolNameRoom + modulePathRoom + 64;

}  // namespace

void formatCallStack(const uint64_t record[memTrackStackDepth], std::string& out) {
  for (int i = 0; i < memTrackStackDepth && record[i]; ++i) {
    codeSymbolS symbol = lookupCodeSymbol(record[i]);
    std::string name = demangleSymbolName(symbol.name);
    char buffer[lineRoom];
    fixedText line(buffer, sizeof buffer);
    appendStackLine(line, symbol.name ? name.c_str() : nullptr, record[i], symbol.module);
    out += line.text();
  }
}

void formatCallStackRaw(const uint64_t record[memTrackStackDepth], fixedText& out) {
  for (int i = 0; i < memTrackStackDepth && record[i]; ++i) {
    codeSymbolS symbol = lookupCodeSymbol(record[i]);
    char buffer[lineRoom];
    fixedText line(buffer, sizeof buffer);
    appendStackLine(line, symbol.name, record[i], symbol.module);
    out.append(line.text());
  }
}
