// The key words of the records of 2D drawings, figures and hatches.
#include "core/keyWordDeclarationC.h"

namespace {

constexpr const char* drawingKeyWords[] = {
    "DRAWINGITEMS", "DRAWINGPREFS", "DRWATTR", "FIGURITEMS", "FIGUREPREFS", "FGRATTR", "GROUP", "ANSICHTNO",
    "INSERTPOINT", "ROTATION", "SETTINGS", "DXFSETTINGS", "DXFINSERTX", "DXFINSERTY", "M2DHATCHES", "M2DHATCH",
    "M2DHATCHLOOPS", "M2DHATCHLOOPSHREFS", "M2DHATCHLINES", "ANGLE", "DISTANCE", "HATCHIDX",
};
const keyWordDeclarationC drawingKeyWordsDeclared(drawingKeyWords);

}  // namespace
