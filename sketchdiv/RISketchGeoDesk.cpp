#include "sketchdiv/RISketchGeoDesk.h"

#include "memman/memManSystemC.h"
#include "sketchdiv/RISketchCurveTally.h"
#include "sketchdiv/RISketchDivider.h"
#include "sketchdiv/loopsToModel.h"
#include "sketchdiv/sketchPartDivision.h"

namespace {

// The limit the whole-part division works with.
constexpr int32_t partBurstValue = 50;

}  // namespace

void RISketchGeoDesk::clear() {
  sketches.clear();
  pieces.clear();
}

void RISketchGeoDesk::reset() {
  burstValue = leastBurstValue;
  sketchEps = defaultSketchEps;
  clear();
}

void RISketchGeoDesk::setBurstValue(int32_t value) {
  burstValue = uint32_t(value) < uint32_t(leastBurstValue) ? leastBurstValue : value;
}

int RISketchGeoDesk::divide() {
  RISketchDivider divider;
  divider.setDesk(this);
  divider.setLimit(uint32_t(burstValue));
  RISketchManager none;
  divider.setObjects(sketches.count() > 0 ? sketches[0] : none);
  const int result = divider.divide(true);
  sketchListT<RISketchManager> divided;
  divider.getResult(divided);
  pieces.appendAll(divided);
  return result;
}

bool RISketchGeoDesk::getResults(sketchListT<m3dSketchC>& out) {
  RISketchCurveTally placed;
  bool whole = pieces.count() > 0;
  for (uint32_t i = 0; i < pieces.count(); ++i) whole = loopsToModel(pieces[i], out, &placed) && whole;
  return whole && (sketches.count() == 0 || placed.placesEvery(sketches[0]));
}

int RISketchGeoDesk::dividePart(m3dPartC& part) {
  setBurstValue(partBurstValue);
  divideSketchesOfPart(*this, part);
  reset();
  return 0;
}

bool RISketchGeoDesk::pieceToSketch(RISketchManager& piece, sketchListT<m3dSketchC>& out) {
  return loopsToModel(piece, out);
}

str RISketchGeoDesk::withLeadingZeros(int number) {
  str text;
  for (int bound : {10000, 1000, 100, 10})
    if (number < bound) text += "0";
  text += str(number).c_str();
  return text;
}

void* RISketchGeoDesk::operator new(size_t size) { return getMemManSystem(0)->allocate(static_cast<uint32_t>(size)); }

void RISketchGeoDesk::operator delete(void* payload) { getMemManSystem(0)->free(payload); }
