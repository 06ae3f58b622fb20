// The key words of the records every document shares: attributes, preferences and classification.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* documentKeyWords[] = {
    "AUTHOR", "COMPANY", "CHANGEDATE", "VERSION", "UNITBASE", "DESIGNUNITBASE", "CLASSIFICATIONINFO",
    "DOCCLASSIFYINFO", "DOCCLASSIFYIDINFO", "DOCCLASSIFYIDLIST", "DOCCLASSIFYVARINFO", "DOCCLASSIFYVARLIST",
    "CLASSID", "VARID", "TABVAR",
};
const keyWordDeclarationC documentKeyWordsDeclared(documentKeyWords);

}  // namespace
