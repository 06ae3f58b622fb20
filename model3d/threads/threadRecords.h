// The thread computation: from the lines of a sketch and of its cosmetic sketch, one record
// per wall (a sketch line along the centre line, touching pieces joined) that faces away from
// the side the axis's left normal points to, with its mirror partner across the axis when
// there is one, and the nearest cosmetic line beside it.
#pragma once

#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "model3d/threads/cosThreadDataC.h"
#include "model3d/threads/threadLineDataC.h"

// Appends the records to records. frame places the sketch plane; centreStart and centreEnd
// are the axis in sketch coordinates (an axis of length 0, or one not finite, gives none);
// walls are the sketch's lines, cosmetics the cosmetic sketch's lines.
void buildThreadRecords(cosThreadListC& records, const matrixC4x4<double>& frame, const vectorC2d<double>& centreStart,
                        const vectorC2d<double>& centreEnd, const threadLineListC& walls, const threadLineListC& cosmetics);
