// The key words of the lists a script creates by name.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* listKeyWords[] = {
    "STRLIST", "OBJLIST",
};
const keyWordDeclarationC listKeyWordsDeclared(listKeyWords);

}  // namespace
