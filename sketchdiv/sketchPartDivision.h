// The division of a part's sketches and the rewrite of its feature list: every sketch over the
// desk's limit is replaced by numbered sketches of its pieces, and the one feature built on it
// by one copy per piece.
#pragma once

#include "model3d/documents/m3dPartC.h"
#include "model3d/sketches/m3dSketchC.h"
#include "sketchdiv/sketchListT.h"

class RISketchGeoDesk;

// For every "SKETCH" of the part's features in turn (the list as it stands after each
// rewrite): the desk divides it, and when every piece comes back whole the sketch is
// rewritten. Any other outcome leaves sketch and feature as they were. 0, always.
int divideSketchesOfPart(RISketchGeoDesk& desk, m3dPartC& part);

// Where the sketch stood, its copies <name>_DIV_SK0, 1, ..., each with its other children and
// the "LOOP"s of one piece; where its feature stood, the feature's copies <feature>_DIV_FT0,
// 1, ..., copy k built on sketch k. The sketch and the feature leave the part (views kept
// over them see them detached). Nothing changes unless exactly one feature refers to the
// sketch, that feature is another item and no feature refers to it, and the sketch has no
// cosmetic sketch: the copies would leave those references without their target.
void splitSketchIntoPieces(m3dPartC& part, m3dSketchC& sketch, sketchListT<m3dSketchC>& pieces);
