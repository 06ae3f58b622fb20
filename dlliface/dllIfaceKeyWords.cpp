// The key words of plug-in descriptions: formats, option pages, custom data and call records.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* dllIfaceKeyWords[] = {
    "DLLIFACE", "INFO", "NAME", "DESC", "VERSION", "DATE", "IOPAIRS", "IOPAIR", "INFMT", "OUTFMTS", "OUTFMT",
    "FILEEXT", "GROUP", "TOOLBARBMP", "COSTS", "DETECTMODE", "OUTMODE", "SCANMODE", "VERSIONS", "VERSIONSDESC",
    "CUSTOMDATA", "ENTRIES", "OPTIONS", "TRANSFEROPTPAGES", "GLOBALOPTPAGES", "OPTPAGE", "ID", "TYP", "OPTTYPES",
    "OPTTYPE", "OPTITEMS", "OPTITEM", "OPTGROUPS", "OPTGROUP", "LPOS", "LSIZ", "DEPS", "DEP", "VAL", "MIN", "MAX",
    "STEP", "NLINES", "GBT", "MASK", "FDLGCAP", "FDLGTYP", "VALMAP", "STRMAP", "STRDESCMAP", "BMPMAP", "EXTLST",
    "EXTITM", "EXT", "IFACEEXEIO", "INPUTDATA", "OUTPUTDATA", "OUTPUTLOCATION", "RESTEXT", "RECID", "DLLOUTFILELIST",
};
const keyWordDeclarationC dllIfaceKeyWordsDeclared(dllIfaceKeyWords);

}  // namespace
