// A piece of the division engine: the loops of one sketch or of one piece, each with the box
// it had when it was added. Held by value in every list of pieces.
#pragma once

#include <cstdint>

#include "sketchdiv/RIIntersectionStruct.h"
#include "sketchdiv/RISketchBoundingBox.h"
#include "sketchdiv/RISketchGeoLoop.h"
#include "sketchdiv/sketchListT.h"

class IRILostObjectsCollector;

class RISketchManager {
 public:
  // splitByCut modes: every loop is split, or only the first one.
  static constexpr uint8_t everyLoop = 1;
  static constexpr uint8_t firstLoop = 0;

  // Takes the loop's box, snaps the given loop's near-zero coordinates to 0.0, then keeps
  // copies of both.
  void addLoop(RISketchGeoLoop& loop);
  // The same, moving the loop in: the caller's loop is left empty.
  void takeLoop(RISketchGeoLoop& loop);
  // The same with the loop's box, as the caller has just taken it from the loop.
  void takeLoop(RISketchGeoLoop& loop, const RISketchBoundingBox& box);
  // Arcs plus lines over all loops: the count held against the limit.
  uint32_t countObjects() const;
  // Null at or beyond the count.
  RISketchGeoLoop* loopAt(uint32_t index) { return loops.at(index); }
  uint32_t loopCount() const { return loops.count(); }
  bool isEmpty() const { return loops.count() == 0; }
  void clear();
  // Appends the piece to the list by moving it in: the piece is left empty.
  static void moveInto(RISketchManager& piece, sketchListT<RISketchManager>& list);
  // Exchanges the loops and boxes of the two pieces without copying them.
  void swapWith(RISketchManager& other) {
    loops.swapWith(other.loops);
    boxes.swapWith(other.boxes);
  }
  // Around the stored loop boxes; from +1e29 to -1e29 without loops.
  RISketchBoundingBox getBoundingBox() const;
  // Every loop's crossings with the cut appended to points; count receives their number.
  bool crossings(const RISketchGeoLine& cut, sketchPointList& points, int& count);
  // Appends copies of the loops whose box lies inside the rectangle; the list's count.
  uint32_t copyLoopsInside(const RISketchRect& rectangle, sketchListT<RISketchGeoLoop>& out) const;
  // A new loop without curves (and its empty box); its index.
  uint32_t appendEmptyLoop();
  // Drops the later duplicate curves of every loop.
  void removeDuplicatesInLoops();

  // Splitting along a vertical or horizontal cut. Appends the first side (left, or below),
  // then the second; a cut that crosses nothing, a slanted cut or a missing collector hands on
  // one copy of the piece. In first-loop mode the first loop is split and closed along the cut
  // and every further loop goes whole to one side; in every-loop mode every loop is split and
  // the halves are closed by the stretches of the cut between pairs of crossings. Parts that
  // fit neither side equally go to the first. The piece itself stays as it is.
  void splitByCut(const RISketchGeoLine& cut, sketchListT<RISketchManager>& out, uint8_t mode,
                  IRILostObjectsCollector* collector);
  // The same in first-loop mode, the piece giving its loops away instead of copying them: it is
  // left empty. out must not hold the piece.
  void splitAwayByCut(const RISketchGeoLine& cut, sketchListT<RISketchManager>& out,
                      IRILostObjectsCollector* collector);

  // Chains. The chain test and the rebuild gather every curve into one scratch loop, which
  // leaves the piece's curves with that loop's tolerance 1e-6.
  // How many separate chains the curves form; 0 without curves.
  uint32_t countChains();
  // Whether countChains is 1; walks no further than a second chain.
  bool formsOneChain();
  // One loop of every arc and line, loop after loop, arcs first.
  void mergeLoops();
  // One new piece per outer chain with the chains nested in it, appended in the order made.
  // Rebuilt lines keep the identity of the line they replace. Always true.
  bool splitIntoChains(sketchListT<RISketchManager>& out);
  // One grouping pass: the loop of largest box with the loops nested in it becomes a piece;
  // the loops neither nested nor equal to it go to leftover. Consumes loops.
  static void takeOuterPiece(sketchListT<RISketchGeoLoop>& loops, sketchListT<RISketchManager>& out,
                             sketchListT<RISketchGeoLoop>& leftover);
  // Whether one of the loops lies inside the other (box containment, then a ray's crossings);
  // container receives the outer one.
  static bool isNested(RISketchGeoLoop& a, RISketchGeoLoop& b, RISketchGeoLoop*& container);
  // The first arc of any loop running between p and q either way, each coordinate within its
  // loop's eps; null when none does.
  RISketchGeoArc* findArc(const vectorC2d<double>& p, const vectorC2d<double>& q);
  // Every loop's curves run head to tail; the first loop runs clockwise, the others
  // counter-clockwise, as far as the orientation test sees them.
  void orientLoops();

  // Queries offered to callers of the engine.
  // Copies of the loops the cut crosses go to crossed, the others to uncrossed.
  void partitionByCut(const RISketchGeoLine& cut, sketchListT<RISketchGeoLoop>& crossed,
                      sketchListT<RISketchGeoLoop>& uncrossed);
  // Crossings of the axis line through the middle of a and b (vertical for axis 1) reaching
  // 10 beyond the piece's box.
  int countCutCrossings(double a, double b, uint8_t axis);
  // Whether some end point lies on no loop's walk.
  bool hasStrayEnds() const;
  bool loopsInsideBox();
  // The first loop that takes the curve keeps it.
  bool insertArcIfLinked(RISketchGeoArc& arc);
  bool insertLineIfLinked(RISketchGeoLine& line);
  // Removes the loop that is this very record (with its box).
  bool removeLoop(const RISketchGeoLoop* loop);
  bool anyLoopHasStrayEnds() const;
  // Every loop's tag becomes its index.
  void setLoopTags();
  // The crossings of the axis line at c (vertical for axis 1) with each loop, tagged by loop.
  void collectCrossings(double c, sketchListT<RIIntersectionStruct>& records, uint8_t axis);
  // Whether no loop is crossed more often than limit.
  bool checkCrossings(const sketchListT<RIIntersectionStruct>& records, uint32_t limit) const;
  // The first centre, halving the extent level by level from low to high, at which no loop is
  // crossed more than limit times. At most maxFreeCutCandidates centres are tried.
  static constexpr uint32_t maxFreeCutCandidates = 4096;
  void findFreeVerticalCut(uint32_t limit, double& coordinate, bool& found);
  void findFreeHorizontalCut(uint32_t limit, double& coordinate, bool& found);

  // Neighbours: copies of the vertical and horizontal lines of every loop, and whether some
  // loop shares an edge with the line (the first such loop's overlap).
  void collectAxisLines(sketchListT<RISketchGeoLine>& out) const;
  bool sharesEdge(const RISketchGeoLine& line, double& overlap) const;

  sketchListT<RISketchGeoLoop> loops;
  sketchListT<RISketchBoundingBox> boxes;

 private:
  // The chains counted; most + 1 as soon as there are more than most.
  uint32_t countChainsUpTo(uint32_t most);
  void findFreeCut(uint32_t limit, uint8_t axis, double& coordinate, bool& found);
  void split(const RISketchGeoLine& cut, sketchListT<RISketchManager>& out, uint8_t mode,
             IRILostObjectsCollector* collector, bool giveAway);
  // Every curve of every loop, arcs before lines, appended through a scratch loop of eps 1e-6.
  void gatherInto(RISketchGeoLoop& scratch);
};
