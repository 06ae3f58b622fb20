// The front of the division engine: it takes a sketch of the 3D model into the engine's own
// records (no link back to the tree), divides them with its curve limit and turns the pieces
// back into new stand-alone sketches. The limit and the point tolerance stay from one sketch
// to the next until a reset.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/str.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/sketches/m3dSketchC.h"
#include "sketchdiv/RISketchManager.h"
#include "sketchdiv/sketchListT.h"

class RISketchGeoDesk {
 public:
  static constexpr int32_t leastBurstValue = 15;
  static constexpr double defaultSketchEps = 1e-6;

  RISketchGeoDesk() = default;
  RISketchGeoDesk(const RISketchGeoDesk&) = delete;
  RISketchGeoDesk& operator=(const RISketchGeoDesk&) = delete;
  virtual ~RISketchGeoDesk() = default;

  // Empties the sketches and the pieces; the limit and the tolerance stay.
  void clear();
  // Limit 15, tolerance 1e-6, then clear.
  void reset();

  // Values below 15, compared without sign, store 15: a negative limit stays and means none.
  void setBurstValue(int32_t value);
  int32_t getBurstValue() const { return burstValue; }
  // Taken as it is, zero and negative values too; every loop taken in later carries it.
  void setSketchEps(double value) { sketchEps = value; }
  double getSketchEps() const { return sketchEps; }

  // Copies the sketch's loops in: the "LINE", "ARC" and "CIRCLE" children of each "LOOP" in
  // order (an arc counter-clockwise, a circle as a full arc), each with an identity of its own,
  // the numbers of its shapes; other children are skipped and the sketch is not changed. False,
  // nothing taken, for a sketch with a value that is not finite or whose extent overflows (a
  // side or the area of its box is not finite): it is not to be divided.
  bool addSketch(m3dSketchC& sketch);
  // Divides the first sketch taken in with the limit; its pieces are appended to those kept.
  // 0 divided, 1 no division within the limit or the engine's bounds, 2 the sketch is within
  // the limit (one piece), 4 no loops (also when no sketch was taken in).
  int divide();
  // Appends one new sketch per piece (loopsToModel). True when there was a piece and the
  // pieces are the whole sketch: every piece converts, and every curve of the sketch divided
  // comes back placed once, in whole.
  bool getResults(sketchListT<m3dSketchC>& out);

  // Takes in every "SKETCH" of the part's features, one entry each; true.
  bool addSketchesOf(m3dPartC& part);
  void appendPart(const m3dPartC& part) { parts.append(part); }
  uint32_t getPieceCount() const { return pieces.count(); }
  // Divides every sketch of the part with the limit 50 and rewrites the part as the divider's
  // script object does, then resets; 0.
  int dividePart(m3dPartC& part);
  // One piece as a sketch, by the rules of loopsToModel.
  bool pieceToSketch(RISketchManager& piece, sketchListT<m3dSketchC>& out);
  // The number with a leading "0" for each of 10000, 1000, 100 and 10 it lies below.
  static str withLeadingZeros(int number);
  // Whether the desk can take a sketch: always.
  bool isReady() const { return true; }

  // Desks live in the library's heap.
  static void* operator new(size_t size);
  static void operator delete(void* payload);

 private:
  int32_t burstValue = leastBurstValue;
  sketchListT<RISketchManager> pieces;
  double sketchEps = defaultSketchEps;
  sketchListT<RISketchManager> sketches;
  sketchListT<m3dPartC> parts;
};
