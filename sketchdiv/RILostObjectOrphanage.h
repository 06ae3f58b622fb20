// The store of curves that a split could give to neither side: copies, in the order received.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sketchdiv/RISketchGeoArc.h"
#include "sketchdiv/RISketchGeoLine.h"
#include "sketchdiv/sketchListT.h"

class RILostObjectOrphanage {
 public:
  RILostObjectOrphanage() = default;
  virtual ~RILostObjectOrphanage() = default;

  void clear();
  void addArc(const RISketchGeoArc& arc) { arcs.append(arc); }
  void addLine(const RISketchGeoLine& line) { lines.append(line); }
  uint32_t arcCount() const { return arcs.count(); }
  uint32_t lineCount() const { return lines.count(); }
  // Null at or beyond the count.
  RISketchGeoArc* arcAt(uint32_t index) { return arcs.at(index); }
  RISketchGeoLine* lineAt(uint32_t index) { return lines.at(index); }

  // Orphanages live in the library's heap.
  static void* operator new(size_t size);
  static void operator delete(void* payload);

  sketchListT<RISketchGeoArc> arcs;
  sketchListT<RISketchGeoLine> lines;
};
