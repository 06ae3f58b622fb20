// The rebuild of a piece by chains walks each chain among the curves whose ends lie near each
// other only. It must give exactly the pieces the walk over all curves of the piece gave: the
// reference below is that algorithm, compared over random pieces whose ends meet, almost meet
// (within the tolerance, within the coincidence of ends, just beyond) or stay apart.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "sketchdiv/RISketchManager.h"

namespace {

using point = vectorC2d<double>;

namespace reference {

template <class Object>
Object* curveBetween(sketchListT<Object>& list, const point& p, const point& q) {
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i].startsAt(p) && list[i].endsAt(q)) return &list[i];
  for (uint32_t i = 0; i < list.count(); ++i)
    if (list[i].startsAt(q) && list[i].endsAt(p)) return &list[i];
  return nullptr;
}

void splitIntoChains(RISketchManager& piece, sketchListT<RISketchManager>& out) {
  RISketchGeoLoop all;
  for (uint32_t i = 0; i < piece.loops.count(); ++i) {
    for (uint32_t k = 0; k < piece.loops[i].arcs.count(); ++k) all.appendArc(piece.loops[i].arcs[k]);
    for (uint32_t k = 0; k < piece.loops[i].lines.count(); ++k) all.appendLine(piece.loops[i].lines[k]);
  }
  sketchPointList ends;
  all.endPoints(ends);
  point start;
  all.firstPoint(start);
  sketchListT<RISketchGeoLoop> chains;
  bool startedAtFirstEnd = false;
  while (ends.count() > 0) {
    sketchPointList walked;
    sketchListT<str> names;
    all.walkChainTyped(start, walked, names);
    RISketchGeoLoop chain;
    for (uint32_t k = 0; 2 * k + 2 < walked.count() && 2 * k < names.count(); ++k) {
      const point from = walked[2 * k + 1];
      const point to = walked[2 * k + 2];
      if (names[2 * k] == "line") {
        RISketchGeoLine line(from, to);
        if (const RISketchGeoLine* replaced = curveBetween(all.lines, from, to)) line.setSource(replaced->getSource());
        chain.appendLine(line);
        continue;
      }
      RISketchGeoArc* arc = piece.findArc(from, to);
      if (!arc) arc = curveBetween(all.arcs, from, to);
      if (arc) {
        RISketchGeoArc copy = *arc;
        chain.appendArc(copy);
      }
    }
    if (chain.lineCount() + chain.arcCount() > 0) chains.append(chain);
    if (startedAtFirstEnd) ends.removeAt(0);
    removeMatchingPoints(walked, ends);
    if (ends.count() > 0) start = ends[0];
    startedAtFirstEnd = true;
  }
  sketchListT<RISketchGeoLoop> leftover;
  while (chains.count() > 0) {
    RISketchManager::takeOuterPiece(chains, out, leftover);
    chains.appendAll(leftover);
  }
}

}  // namespace reference

class randomPieceC {
 public:
  explicit randomPieceC(uint32_t seed) : random(seed) {}

  int pick(int most) { return std::uniform_int_distribution<int>(0, most)(random); }
  // A corner on a unit grid, now and then moved by less than the tolerance, less than the
  // coincidence of ends, or a little more.
  point corner(int size) {
    static const double nudges[] = {0.0, 0.0, 0.0, 0.0, 5e-7, 5e-5, 3e-4, -5e-5};
    const double nudge = nudges[pick(int(std::size(nudges)) - 1)];
    return point(pick(size) + nudge, pick(size) + (pick(1) ? nudge : 0.0));
  }

  RISketchManager piece(int size) {
    RISketchManager manager;
    const int loops = 1 + pick(7);
    int32_t source = 0;
    for (int l = 0; l < loops; ++l) {
      RISketchGeoLoop loop;
      const int kind = pick(3);
      if (kind == 0) {
        // A closed polygon through a few corners.
        const int n = 3 + pick(3);
        point first = corner(size);
        point at = first;
        for (int k = 1; k < n; ++k) {
          const point next = corner(size);
          loop.addLine(at, next, source++);
          at = next;
        }
        loop.addLine(at, first, source++);
      } else if (kind == 1) {
        // An open polyline, its lines stored in shuffled directions.
        point at = corner(size);
        for (int k = 0, n = 1 + pick(4); k < n; ++k) {
          const point next = corner(size);
          if (pick(1)) loop.addLine(at, next, source++);
          else loop.addLine(next, at, source++);
          at = next;
        }
      } else if (kind == 2) {
        // A half disc: an arc closed by its diameter, or a full circle.
        const point c = corner(size);
        const double r = 0.5 * (1 + pick(3));
        if (pick(2) == 0) {
          loop.addArc(c, r, 0.0, 360.0, 1, source++);
        } else {
          loop.addArc(c, r, 0.0, 180.0, 1, source++);
          loop.addLine(point(c.x - r, c.y), point(c.x + r, c.y), source++);
        }
      } else {
        // A rectangle, often sharing corners with the others on the grid.
        const point a = corner(size);
        const point b(a.x + 1 + pick(2), a.y + 1 + pick(2));
        loop.addLine(a.x, a.y, b.x, a.y, source++);
        loop.addLine(b.x, a.y, b.x, b.y, source++);
        loop.addLine(b.x, b.y, a.x, b.y, source++);
        loop.addLine(a.x, b.y, a.x, a.y, source++);
      }
      if (pick(4) == 0) loop.setEps(pick(1) ? 0.3 : 1e-9);
      manager.addLoop(loop);
    }
    return manager;
  }

 private:
  std::mt19937 random;
};

void describeLoop(RISketchGeoLoop& loop, std::string& text) {
  char buffer[256];
  for (uint32_t k = 0; k < loop.lines.count(); ++k) {
    const RISketchGeoLine& l = loop.lines[k];
    std::snprintf(buffer, sizeof buffer, " L(%a,%a,%a,%a;%d;%a)", l.start.x, l.start.y, l.end.x, l.end.y,
                  l.getSource(), l.getTolerance());
    text += buffer;
  }
  for (uint32_t k = 0; k < loop.arcs.count(); ++k) {
    const RISketchGeoArc& a = loop.arcs[k];
    std::snprintf(buffer, sizeof buffer, " A(%a,%a,%a,%a,%a;%a,%a,%a,%a;%d;%a)", a.centre.x, a.centre.y, a.radius,
                  a.startAngle, a.endAngle, a.startPoint.x, a.startPoint.y, a.endPoint.x, a.endPoint.y,
                  a.getSource(), a.getTolerance());
    text += buffer;
  }
  std::snprintf(buffer, sizeof buffer, " eps %a tag %d;", loop.eps(), loop.getTag());
  text += buffer;
}

std::string describe(RISketchManager& piece) {
  std::string text;
  char buffer[160];
  for (uint32_t i = 0; i < piece.loops.count(); ++i) {
    const RISketchBoundingBox& b = piece.boxes[i];
    std::snprintf(buffer, sizeof buffer, "\n  box %a %a %a %a:", b.minX, b.minY, b.maxX, b.maxY);
    text += buffer;
    describeLoop(piece.loops[i], text);
  }
  return text;
}

std::string describe(sketchListT<RISketchManager>& pieces) {
  std::string text;
  for (uint32_t i = 0; i < pieces.count(); ++i) text += "\npiece" + describe(pieces[i]);
  return text;
}

}  // namespace

TEST(SketchChainGroups, RebuildGivesExactlyThePiecesOfTheWalkOverAllCurves) {
  uint32_t pieces = 0;
  uint32_t multiLoopPieces = 0;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    randomPieceC random(seed);
    RISketchManager given = random.piece(2 + random.pick(6));
    // Now and then an end that is not finite, which keeps every curve in one group.
    if (seed % 10 == 0 && given.loops[0].lines.count() > 0)
      given.loops[0].lines[0].end.x = seed % 20 ? std::nan("") : HUGE_VAL;
    RISketchManager expectedPiece = given;
    sketchListT<RISketchManager> expected;
    reference::splitIntoChains(expectedPiece, expected);
    sketchListT<RISketchManager> rebuilt;
    // Into a list that already holds a piece: the rebuild appends.
    rebuilt.append(RISketchManager());
    EXPECT_TRUE(given.splitIntoChains(rebuilt));
    ASSERT_EQ(rebuilt.count(), expected.count() + 1) << "seed " << seed;
    EXPECT_EQ(rebuilt[0].loopCount(), 0u);
    sketchListT<RISketchManager> made;
    for (uint32_t i = 1; i < rebuilt.count(); ++i) made.append(rebuilt[i]);
    ASSERT_EQ(describe(made), describe(expected)) << "seed " << seed;
    // The rebuild leaves the piece's curves with the tolerance of the gathering, as before.
    ASSERT_EQ(describe(given), describe(expectedPiece)) << "seed " << seed;
    pieces += expected.count();
    for (uint32_t i = 0; i < expected.count(); ++i) multiLoopPieces += expected[i].loopCount() > 1;
  }
  // The inputs reach nesting and separate chains, not only one chain per piece.
  EXPECT_GT(pieces, 600u);
  EXPECT_GT(multiLoopPieces, 30u);
}
