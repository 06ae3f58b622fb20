// The key words of the object store's own records: extended attributes and their languages,
// dictionary pairs, references and checksums, keyed lists, the fields every document has, and
// the point and matrix values.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* storeKeyWords[] = {
    "EXTATTRLIST", "EXTLANGATTR", "ATTRLANGIDENT", "PAIR", "NAME", "DESC", "VALUE", "TYPE", "DOCNAMEPRE", "SHORTNAME",
    "MIDENT", "CODE", "DATA", "SIZE", "CRCTYPE", "CRCVALUE", "REFTRGPTR", "LOOP", "POINT", "POINT3D", "MAT",
};
const keyWordDeclarationC storeKeyWordsDeclared(storeKeyWords);

}  // namespace
