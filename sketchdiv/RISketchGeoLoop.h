// One closed loop of the division engine: its arcs and its lines by value in two lists (the
// order along the boundary is rebuilt by chains), the copies a chain points to, a point
// tolerance and a tag. Every curve carries the identity of the input curve it came from.
#pragma once

#include <cstdint>

#include "base/str.h"
#include "sketchdiv/RISketchGeoArc.h"
#include "sketchdiv/RISketchGeoLine.h"
#include "sketchdiv/sketchListT.h"
#include "sketchdiv/sketchPointList.h"

class IRILostObjectsCollector;
class RIBaseObjectChain;
class RILostObjectOrphanage;
class mBaseArc2dC;
class mBaseCircle2dC;

class RISketchGeoLoop {
 public:
  static constexpr int32_t noTag = 0x7FFFFFFF;

  RISketchGeoLoop() = default;
  // Copies the curves, the tolerance and the tag; the chain copies are not taken.
  RISketchGeoLoop(const RISketchGeoLoop& other);
  RISketchGeoLoop& operator=(const RISketchGeoLoop& other);
  // Exchanges everything with the other loop without copying a curve.
  void swapWith(RISketchGeoLoop& other);

  // Intake. The source is the identity of the input curve.
  void setEps(double value) { pointEps = value; }
  double eps() const { return pointEps; }
  void reset();
  void addLine(const vectorC2d<double>& start, const vectorC2d<double>& end,
               int32_t source = IRIBaseGeoObject::noSource);
  void addLine(double x1, double y1, double x2, double y2, int32_t source = IRIBaseGeoObject::noSource);
  // Runs counter-clockwise whatever the stored direction.
  void addArc(mBaseArc2dC& view, int32_t source = IRIBaseGeoObject::noSource);
  void addArc(const vectorC2d<double>& p1, const vectorC2d<double>& p2, const vectorC2d<double>& p3,
              int32_t source = IRIBaseGeoObject::noSource);
  void addArc(const vectorC2d<double>& centre, double radius, double startDegrees, double endDegrees,
              uint8_t direction, int32_t source = IRIBaseGeoObject::noSource);
  void addCircle(mBaseCircle2dC& view, int32_t source = IRIBaseGeoObject::noSource);
  // Give the object the loop's tolerance (the caller's object changes), then append a copy.
  void appendArc(RISketchGeoArc& arc);
  void appendLine(RISketchGeoLine& line);

  uint32_t lineCount() const { return lines.count(); }
  uint32_t arcCount() const { return arcs.count(); }
  // Null at or beyond the count.
  RISketchGeoLine* lineAt(uint32_t index) { return lines.at(index); }
  RISketchGeoArc* arcAt(uint32_t index) { return arcs.at(index); }
  void setTag(int32_t value) { tag = value; }
  int32_t getTag() const { return tag; }

  // From +1e129 to -1e129 when the loop holds nothing. Recomputes the arcs' points.
  RISketchBoundingBox getBoundingBox();
  vectorC2d<double> boxCentre();
  // The crossings of the infinite cut line with the lines' segments and the arcs, appended to
  // points (lines first); count receives their number. Whether there was any.
  bool crossings(const RISketchGeoLine& cut, sketchPointList& points, int& count);
  // The same for one line or one arc; the number of points appended.
  static int lineCrossings(const RISketchGeoLine& line, const RISketchGeoLine& cut, sketchPointList& points);
  static int arcCrossings(const RISketchGeoArc& arc, const RISketchGeoLine& cut, sketchPointList& points);

  // Chains.
  // A new chain in boundary order into head (the caller destroys it), of copies kept in
  // chainLines and chainArcs until the next buildChain. A loop without curves gives an empty head.
  bool buildChain(RIBaseObjectChain*& head);
  // Later curves equal to an earlier one are removed, lines then arcs.
  void removeDuplicates();
  bool firstPoint(vectorC2d<double>& point) const;
  // The points reached from start along curves joined end to end, each twice; each curve is
  // taken at most once. False, nothing appended, when no curve touches start.
  bool walkChain(const vectorC2d<double>& start, sketchPointList& points) const;
  // The same, with "line" or "arc" twice for every curve taken.
  bool walkChainTyped(const vectorC2d<double>& start, sketchPointList& points, sketchListT<str>& names) const;
  // Lines before arcs; excluded is never answered.
  IRIBaseGeoObject* findObjectStartingAt(const vectorC2d<double>& p, const IRIBaseGeoObject* excluded);
  IRIBaseGeoObject* findObjectEndingAt(const vectorC2d<double>& p, const IRIBaseGeoObject* excluded);
  // Removes the curve that is this very object.
  bool removeObject(const IRIBaseGeoObject* object);
  // Copies of the curves running from p to q, in list order.
  bool objectsBetween(const vectorC2d<double>& p, const vectorC2d<double>& q, sketchListT<RISketchGeoLine>& outLines,
                      sketchListT<RISketchGeoArc>& outArcs);
  // Shrinks every run of equal full circles in the chain to its first member.
  static void collapseFullCircles(RIBaseObjectChain* head);

  // The split along a vertical or horizontal cut into two loops appended to out, the first side
  // (left, or below) first; with close, each is closed by segments along the cut. Parts that
  // belong to neither side go to the collector's orphanage. False, nothing appended, without
  // a collector to take them.
  bool splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoLoop>& out, bool close, int unused,
                  IRILostObjectsCollector* collector) const;

  // Queries and in-place changes.
  // Start and end of every arc, then of every line.
  void endPoints(sketchPointList& points) const;
  // Whether the walk from the first point misses an end point (two separate paths, a gap).
  bool hasStrayEnds() const;
  bool liesOn(const vectorC2d<double>& p);
  bool holdsLine(const RISketchGeoLine& line) const;
  bool isSameLoop(RISketchGeoLoop& other);
  // 0 when the first curve leaving the leftmost end point rises or runs right, 1 when it falls
  // or runs left, 2 when it has no length; 0 for fewer than two distinct end points. May turn
  // that curve.
  int orientation();
  void reverse();
  void snapToZero();
  void clearMarks();
  // Appends the curve when both its ends meet curves of the loop and it equals neither.
  bool insertArcIfLinked(RISketchGeoArc& arc);
  bool insertLineIfLinked(RISketchGeoLine& line);
  // The first line, else the first arc.
  IRIBaseGeoObject* firstObject();
  // The curve that continues the given one at its end point.
  IRIBaseGeoObject* nextObject(const IRIBaseGeoObject* object);
  bool findObjectAt(const vectorC2d<double>& p, IRIBaseGeoObject*& object);
  // The curve whose nearer end lies closest to p, never the excluded one.
  IRIBaseGeoObject* nearestObject(const vectorC2d<double>& p, IRIBaseGeoObject*& object, double& distance,
                                  const IRIBaseGeoObject* excluded);
  // Whether one of the loop's vertical or horizontal lines shares more than an end point with
  // the given axis-parallel line: equal, lying inside it, holding it, or collinear with an
  // overlap above 0.001. overlap receives the shared length; the first such line decides.
  bool sharesEdge(const RISketchGeoLine& line, double& overlap) const;
  // How far from the line a point can lie and still pass its point-on-segment test (about
  // sqrt(tolerance * length / 2) across it), doubled: lines farther apart share no edge.
  static double edgeReach(const RISketchGeoLine& line);
  // A fresh loop of every orphan arc, then every orphan line.
  static RISketchGeoLoop loopFromOrphans(RILostObjectOrphanage& orphanage);

  sketchListT<RISketchGeoArc> arcs;
  sketchListT<RISketchGeoLine> lines;
  sketchListT<RISketchGeoLine> chainLines;
  sketchListT<RISketchGeoArc> chainArcs;
  double pointEps = 1e-6;
  int32_t tag = noTag;

 private:
  bool walk(const vectorC2d<double>& start, sketchPointList& points, sketchListT<str>* names) const;
  template <class Object>
  bool insertIfLinked(Object& object);
};

// The loop's box by value.
RISketchBoundingBox loopBoundingBox(RISketchGeoLoop& loop);
