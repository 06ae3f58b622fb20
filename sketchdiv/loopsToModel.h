// The way back from the engine to the model: one piece of a division as a new sketch.
#pragma once

#include "model3d/sketches/m3dSketchC.h"
#include "sketchdiv/sketchListT.h"

class RISketchCurveTally;
class RISketchManager;

// Appends to sketches a new "SKETCH" without parent that holds, for every loop of the piece
// that has curves, a "LOOP" of its curves in the order they follow each other: "LINE" from
// start to end, "CIRCLE" (centre and radius) for a full circle, "ARC" through the start, middle
// and end point of any other arc. Nothing else of a sketch is written. Each loop drops its
// later equal curves first. When placed is given, every curve written is added to it.
//
// False when the piece does not convert whole (the sketch is appended all the same): a loop's
// curves do not all follow one another, so its chain leaves one out or takes one twice, a
// value is not finite, or no loop has a curve.
bool loopsToModel(RISketchManager& piece, sketchListT<m3dSketchC>& sketches, RISketchCurveTally* placed = nullptr);
