// The key words an assembly's mates read: the list, the two ends, the value or its free form,
// and the connection points the ends name in a part.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* mateKeyWords[] = {"MATES", "VALUE", "FREEVAL", "CONNECT", "CONNPOINT", "NAME"};
const keyWordDeclarationC mateKeyWordsDeclared(mateKeyWords);

}  // namespace
