// The regrouping passes through the centres of pieces over the limit, and the final order.
#include "sketchdiv/RISketchAssociator.h"
#include "sketchdiv/RISketchDivider.h"

bool RISketchDivider::regroupPieces(sketchListT<RISketchManager>& over, sketchListT<RISketchManager>& out,
                                    uint8_t axis) {
  bool cut = false;
  tallyS tally;
  for (uint32_t i = 0; i < over.count(); ++i) {
    RISketchManager& piece = over[i];
    if (piece.countChains() == 1) piece.mergeLoops();
    const RISketchBoundingBox b = piece.getBoundingBox();
    sketchListT<double> coordinates;
    coordinates.append(axis == 1 ? (b.minX + b.maxX) / 2.0 : (b.minY + b.maxY) / 2.0);
    placeCuts(piece, coordinates, axis);
    if (coordinates.count() == 0) {
      // The cut is dropped: this piece and the rest go on uncut, for the other axis to try.
      for (uint32_t k = i; k < over.count(); ++k) out.append(over[k]);
      admit(out, tally);
      return cut;
    }
    const double c = coordinates[0];
    RISketchGeoLine line;
    if (axis == 1) line.setCoordinates(c, b.minY - 10.0, c, b.maxY + 10.0);
    else line.setCoordinates(b.minX - 10.0, c, b.maxX + 10.0, c);
    sketchListT<RISketchManager> halves;
    piece.splitByCut(line, halves, RISketchManager::everyLoop, this);
    (axis == 1 ? xCuts : yCuts).append(c);
    if (halves.count() == 2) cut = true;
    for (uint32_t k = 0; k < halves.count(); ++k) {
      RISketchManager& half = halves[k];
      if (half.countChains() == 1) {
        half.mergeLoops();
        out.append(half);
      } else {
        half.splitIntoChains(out);
      }
    }
    if (!admit(out, tally)) return cut;
  }
  return cut;
}

void RISketchDivider::orderPieces(sketchListT<RISketchManager>& list) {
  if (list.count() < 3) return;
  sketchListT<uint32_t> order;
  RISketchAssociator::neighbourOrder(list, order);
  sketchListT<RISketchManager> ordered;
  for (uint32_t i = 0; i < order.count(); ++i) ordered.append(list[order[i]]);
  list = ordered;
}
