// The key words of INI files read as trees.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* iniFileKeyWords[] = {
    "INIFILE", "FNAME", "SECTIONS", "SECTION", "NAME", "ENTRIES", "ENTRY", "KEY", "TEXT",
};
const keyWordDeclarationC iniFileKeyWordsDeclared(iniFileKeyWords);

}  // namespace
