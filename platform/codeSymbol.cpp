#include "platform/codeSymbol.h"

#include <cxxabi.h>
#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <cstdlib>
#include <cstring>

namespace {

std::string demangled(const char* mangled) {
  int status = 0;
  char* readable = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  std::string name = status == 0 && readable ? readable : mangled;
  std::free(readable);
  return name;
}

struct segmentSearchS {
  uintptr_t address;
  bool executable;
};

int findExecutableSegment(dl_phdr_info* info, size_t, void* data) {
  auto* search = static_cast<segmentSearchS*>(data);
  for (int i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr)& segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD || !(segment.p_flags & PF_X)) continue;
    uintptr_t start = info->dlpi_addr + segment.p_vaddr;
    if (search->address >= start && search->address - start < segment.p_memsz) {
      search->executable = true;
      return 1;
    }
  }
  return 0;
}

}  // namespace

codeSymbolS lookupCodeSymbol(uint64_t address) {
  Dl_info info = {};
  void* symbolEntry = nullptr;
  if (!dladdr1(reinterpret_cast<void*>(address), &info, &symbolEntry, RTLD_DL_SYMENT)) return {nullptr, ""};
  const auto* symbol = static_cast<const ElfW(Sym)*>(symbolEntry);
  // dladdr names the nearest symbol below the address; it covers the address only when the
  // address lies within the symbol's size. Anything else would name an unrelated function.
  const char* name = nullptr;
  if (symbol && info.dli_sname && info.dli_saddr) {
    uintptr_t start = reinterpret_cast<uintptr_t>(info.dli_saddr);
    if (address == start || address - start < symbol->st_size) name = info.dli_sname;
  }
  return {name, info.dli_fname ? info.dli_fname : ""};
}

bool isExecutableAddress(uint64_t address) {
  segmentSearchS search = {uintptr_t(address), false};
  dl_iterate_phdr(findExecutableSegment, &search);
  return search.executable;
}

std::string demangleSymbolName(const char* name) {
  if (!name) return {};
  return std::strncmp(name, "_Z", 2) == 0 ? demangled(name) : name;
}

std::string demangleTypeName(const char* mangledType) {
  if (!mangledType) return {};
  // A leading '*' marks a type local to one module; it is not part of the mangling.
  return demangled(mangledType[0] == '*' ? mangledType + 1 : mangledType);
}
