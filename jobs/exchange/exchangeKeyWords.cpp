// The key words of native exchange documents: headers, documents, variables and variants.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* exchangeKeyWords[] = {
    "CHECKINOUT", "UPGRADE", "HEADER", "DESTPRJDIR", "DOCUMENT", "MIDENT", "CADIDENT", "CADSYSTEM", "NORMIDENT",
    "PRJPATH", "MEMBERS", "USERDATA", "DEFAULTNB", "DEFAULTNN", "DEFAULTNT", "DEFAULTLINA", "PREVIEW3D", "PREVIEW",
    "EXTENSION", "DEFTABFILE", "SHOW3D", "PSAUTOCREATEPRVFROMVIEW", "PSAUTOCREATEBMPFROMVIEW", "USEDFILES",
    "WANTFILES", "BITMAPS", "VIEWNAMES", "VARSETTABLE", "VARSET", "VARIABLES", "VAR", "VARNAME", "VARTNAME",
    "VARDESC", "VARTYPE", "VARUNIT", "VARPREC", "VARHIDDEN", "VARDELETED", "VARVALUE", "CURVARSET", "VARIANTS",
    "VARIANT",
};
const keyWordDeclarationC exchangeKeyWordsDeclared(exchangeKeyWords);

}  // namespace
