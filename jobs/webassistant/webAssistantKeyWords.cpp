// The key words of web-assistant jobs and their list files.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* webAssistantKeyWords[] = {
    "JOB", "DOCNAME", "OUTPATH", "ASSISTANTDATA", "FORMATS", "FORMAT", "FORMATID", "CADFORMAT", "VERSION", "VIEWS",
    "VIEW", "VIEWID", "VIEWNAME", "VIEWNO", "FILENAMES", "ERRMSG", "LIST", "IDENT", "NB", "NN", "ASSPARTNAMES",
    "CUSTOMMSG", "ERRORMSG",
};
const keyWordDeclarationC webAssistantKeyWordsDeclared(webAssistantKeyWords);

}  // namespace
