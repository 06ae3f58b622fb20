// Divides the loops of one sketch into pieces of whole loops with at most `limit` curves each,
// by vertical and horizontal cuts: first in the gaps between the islands (again on every piece
// by a child divider), then, while a piece is over the limit, through the centre of its box,
// the axis alternating from pass to pass. The pieces come back in neighbourhood order with
// their loops oriented. Curves a split cannot place stay in the divider's orphanage.
//
// Use: setLimit, setDesk, setObjects, divide(true), getResult. Every loop is bounded: one
// division holds at most maxPieces pieces in a list of pieces and maxCurves curves in them,
// re-divides at most maxSweeps times, regroups at most maxPasses times and divides or cuts
// pieces of at most maxWork curves in all; reaching a bound answers overLimit.
#pragma once

#include <cstdint>

#include "sketchdiv/IRILostObjectsCollector.h"
#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RINumericRange.h"
#include "sketchdiv/RISketchManager.h"

class RISketchGeoDesk;

class RISketchDivider final : public IRILostObjectsCollector {
 public:
  // Results of divide.
  static constexpr int divided = 0;
  // Still over the limit after the regrouping passes, or a bound of the division reached.
  static constexpr int overLimit = 1;
  // The whole set lies within the limit: one piece, a copy of the set.
  static constexpr int withinLimit = 2;
  static constexpr int noLoops = 4;

  static constexpr uint32_t maxPieces = 4096;
  static constexpr uint64_t maxCurves = 65536;
  static constexpr uint32_t maxSweeps = 1000;
  static constexpr uint32_t maxPasses = 1000;
  // The curves of all the pieces a division re-divides, or cuts and rebuilds, anew (a piece
  // met again is not counted again): the bounds above each hold, yet together they allow
  // hours. A curve costs 3-10 us in Release, so this ends any division within about a second
  // or two; 4,096 islands in a row take 49,000, a loop of 4,000 curves 72,000.
  static constexpr uint64_t maxWork = 200'000;
  // The most a cut is moved off the end points it meets.
  static constexpr uint32_t maxCutMoves = 1000;

  RISketchDivider() = default;
  RISketchDivider(const RISketchDivider&) = delete;
  RISketchDivider& operator=(const RISketchDivider&) = delete;
  ~RISketchDivider() = default;

  RILostObjectOrphanage* getOrphanage() override { return &orphanage; }

  // Compared without sign: 0xFFFFFFFF takes everything.
  void setLimit(uint32_t value) { limit = value; }
  // Not owned; only handed on to child dividers.
  void setDesk(RISketchGeoDesk* value) { desk = value; }
  // Forgets the previous division and takes copies of the loops: the first plays the outer
  // boundary, the others are the islands.
  void setObjects(const RISketchManager& manager);
  // top: whether the pieces are re-divided, regrouped, ordered and oriented.
  int divide(bool top);
  // out receives copies of the pieces.
  void getResult(sketchListT<RISketchManager>& out) const;
  // Moves the pieces over the limit, last first, from list to over; true when there were none.
  bool checkPieceLimits(sketchListT<RISketchManager>& list, sketchListT<RISketchManager>& over) const;
  // Whether a bound of the division ended it.
  bool boundReached() const { return bounded; }
  // The curves counted against the work bound so far.
  uint64_t workDone() const { return work; }
  // maxWork unless set; a division ends once its work goes beyond it.
  void setWorkBound(uint64_t value) { workBound = value; }

  // The box around all islands; false without islands.
  bool islandsBox(RISketchBoundingBox& out);
  // The first of the longest ranges; false for an empty list.
  static bool longestRange(const sketchListT<RINumericRange>& ranges, RINumericRange& out);

  // Steps of the division, open to tests.
  // Moves each coordinate (towards smaller values, by a hundredth of the box width) until its
  // cut line meets no end point; removes a coordinate whose line crosses the set once or that
  // cannot be cleared. axis 1: vertical cuts, 0: horizontal.
  void placeCuts(RISketchManager& manager, sketchListT<double>& coordinates, uint8_t axis);
  // The cut coordinates in the gaps between the islands' extents.
  void islandCuts();
  // Pieces along the island cuts, rebuilt by chains, largest first, single loops absorbed.
  void buildPieces();
  // One pass through the centres of the pieces over the limit; whether some piece was cut.
  bool regroupPieces(sketchListT<RISketchManager>& over, sketchListT<RISketchManager>& out, uint8_t axis);
  // Neighbours follow each other, from the first piece on.
  void orderPieces(sketchListT<RISketchManager>& list);

  uint32_t limit = 0;
  RISketchManager objects;
  RISketchGeoDesk* desk = nullptr;
  sketchListT<RISketchManager> pieces;
  RISketchGeoLoop outerLoop;
  sketchListT<RISketchGeoLoop> islands;
  RISketchBoundingBox box;
  sketchListT<double> yCuts;
  sketchListT<double> xCuts;
  RILostObjectOrphanage orphanage;

 private:
  // The pieces of a growing list counted so far and the curves they hold.
  struct tallyS {
    uint32_t counted = 0;
    uint64_t curves = 0;
  };
  // Whether the list stays within the bounds, counting the pieces the tally has not seen yet;
  // marks the division bounded otherwise.
  bool admit(const sketchListT<RISketchManager>& list, tallyS& tally);
  bool admit(const sketchListT<RISketchManager>& list);
  bool allWithinLimit(const sketchListT<RISketchManager>& list, uint32_t from) const;
  // Counts a piece about to be divided or cut anew; marks the division bounded and answers
  // false once the work goes beyond the bound.
  bool spend(uint32_t curves);
  void cutVertically(const RISketchBoundingBox& outerBox);
  void cutHorizontally(const RISketchBoundingBox& outerBox);
  void rebuildByChains();
  void sortAndAbsorb();
  // The sweeps of child dividers over the pieces; false when a bound ended them.
  bool redivide(bool more);
  int regroup();

  // What a regrouping pass does with one piece: its cut is dropped (one crossing, or it cannot
  // be cleared), it cuts the piece in two, or it leaves the piece whole.
  enum class pieceCutE { dropped, cut, uncut };
  // One piece of a pass: merged when its curves form one chain, then cut through the centre of
  // its box; the halves, merged or rebuilt by chains, are appended to made and c receives the
  // cut's coordinate. The piece is left as the pass changed it.
  pieceCutE regroupOne(RISketchManager& piece, uint8_t axis, sketchListT<RISketchManager>& made, double& c);
  // The passes over pieces kept by content: a piece met again with the same axis takes what
  // was made of it before, with the same cut record and the same lost curves.
  struct regroupStateS;
  bool regroupPass(regroupStateS& state, uint8_t axis, uint32_t pass);
  // Moves the ids over the limit, last first, from out to over; true when there were none.
  bool splitOverLimit(regroupStateS& state);
  // Forgets what passes before the last of each axis made, and the pieces nothing holds.
  void forgetOldPasses(regroupStateS& state, uint32_t pass);

  bool bounded = false;
  uint64_t work = 0;
  uint64_t workBound = maxWork;
};
