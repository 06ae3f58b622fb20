// The script object of the sketch division engine ("prxm3dsketchdivider" of the 3D factory):
// its curve limit ("BurstValue") and point tolerance ("SketchEPS") live in the desk it owns
// and hold for every later "DivideSketch", which divides every sketch of a part over the limit
// and writes the pieces back as numbered sketches, each with a copy of its feature. It is no
// view of a node: it has no "classkey" and no members but its own.
#pragma once

#include <cstdint>

#include "model3d/documents/m3dPartC.h"
#include "model3d/sketches/m3dSketchC.h"
#include "proxy/proxyObjectC.h"
#include "sketchdiv/sketchListT.h"

class RISketchGeoDesk;
class prxm3dPartC;

class prxm3dSketchDividerC : public proxyObjectC {
 public:
  // Limit 15, tolerance 1e-6.
  explicit prxm3dSketchDividerC(uint8_t takeReference = 0);
  ~prxm3dSketchDividerC() override;

  // Divides every "SKETCH" of the part's features over the limit; 0, whatever became of them.
  int divideSketch(prxm3dPartC& part);
  // The rewrite of one divided sketch and its feature (sketchPartDivision.h).
  void splitSketch(m3dPartC& part, m3dSketchC& sketch, sketchListT<m3dSketchC>& pieces);

  double getSketchEps() const;
  double setSketchEps(double value);
  int32_t getBurstValue() const;
  // Stores at least 15, compared without sign; returns value as given.
  int32_t setBurstValue(int32_t value);

  static const proxyClassC description;

 private:
  RISketchGeoDesk* desk;
};
