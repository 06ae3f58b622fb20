// The key words of part-server jobs.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* partServerKeyWords[] = {
    "JOB", "DOCNAME", "OUTPATH", "METAFILE", "FILENAMES",
};
const keyWordDeclarationC partServerKeyWordsDeclared(partServerKeyWords);

}  // namespace
