// Names for code addresses from the dynamic symbol tables of the loaded modules. There are
// no source files or line numbers.
#pragma once

#include <cstdint>
#include <string>

struct codeSymbolS {
  const char* name;    // the raw (mangled) symbol that covers the address; null when none does
  const char* module;  // the path of the module holding the address; "" when none does
};

// Takes no lock of its own and allocates nothing.
codeSymbolS lookupCodeSymbol(uint64_t address);

// True when the address lies in an executable segment of a loaded module.
bool isExecutableAddress(uint64_t address);

// The readable form of a symbol name; names that are not C++ manglings stay as they are.
std::string demangleSymbolName(const char* name);

// The readable form of a mangled type name as the run-time type records hold it.
std::string demangleTypeName(const char* mangledType);
