// The key words of the mesh documents' records.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* meshKeyWords[] = {
    "MESHSIZE", "MINPK",     "MAXPK",  "MESHPARTPREFS", "MESHASMPREFS", "UNITBASE", "MESH3DPKS",
    "MESH3DNORS", "POINT3D", "MESHPATCHES", "MESHPATCH", "MPKNRS", "MNORNRS", "MESHMEMS",
    "MESHMEM", "MAT", "MESHPARTTHRS", "MESHPARTTHR", "MPTS", "MPTE", "MPTD",
};
const keyWordDeclarationC meshKeyWordsDeclared(meshKeyWords);

}  // namespace
