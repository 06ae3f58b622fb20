#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sketchdiv/RINumericRange.h"
#include "sketchdiv/RISketchGeoArc.h"
#include "sketchdiv/RISketchGeoLine.h"
#include "sketchdiv/geoObjectFunctions.h"

namespace {

using point = vectorC2d<double>;

void expectBox(const RISketchBoundingBox& box, double minX, double minY, double maxX, double maxY) {
  EXPECT_NEAR(box.minX, minX, 1e-12);
  EXPECT_NEAR(box.minY, minY, 1e-12);
  EXPECT_NEAR(box.maxX, maxX, 1e-12);
  EXPECT_NEAR(box.maxY, maxY, 1e-12);
}

RISketchGeoArc radiansArc(double start, double end) {
  RISketchGeoArc arc;
  arc.radius = 1.0;
  arc.startAngle = start;
  arc.endAngle = end;
  arc.updatePoints();
  return arc;
}

}  // namespace

TEST(SketchGeoArc, BoxesFullCirclesAndTolerance) {
  struct {
    double start, end, minX, minY, maxX, maxY;
  } cases[] = {
      {0, 90, 0, 0, 1, 1},
      {90, 180, -1, 0, 0, 1},
      {45, 135, -0.70710678118655, 0.70710678118655, 0.70710678118655, 1},
      {300, 60, 0.5, -0.86602540378444, 1, 0.86602540378444},
      {120, 30, -1, -1, 1, 0.86602540378444},
      {0, 360, -1, -1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << "-" << c.end);
    RISketchGeoArc arc(point(0, 0), 1.0, c.start, c.end, 0);
    expectBox(arc.getBoundingBox(), c.minX, c.minY, c.maxX, c.maxY);
  }

  // The same polar angle at both ends sweeps from there up to a whole turn.
  RISketchGeoArc closed = radiansArc(5.235987755982989, 5.235987755982989);
  expectBox(closed.getBoundingBox(), 0.5, -0.86602540378444, 1, -0.86602540378444);

  EXPECT_TRUE(RISketchGeoArc(point(0, 0), 1.0, 0.0, 360.0, 0).isFullCircle());
  EXPECT_FALSE(RISketchGeoArc(point(0, 0), 1.0, 0.0, 359.9, 0).isFullCircle());
  RISketchGeoArc arc;
  arc.setTolerance(0.5);
  arc.set(point(0, 0), 1.0, 0.0, 360.0, 0);
  EXPECT_TRUE(arc.isFullCircle());
  EXPECT_EQ(arc.getTolerance(), 1e-6);
  arc.set(point(0, 0), 1.0, 10.0, 370.0, 0);
  EXPECT_FALSE(arc.isFullCircle());
}

TEST(SketchGeoArc, ReverseSnapIntersectAndEquality) {
  RISketchGeoArc arc = radiansArc(0.5, 2.0);
  const point start = arc.startPoint, middle = arc.midPoint, end = arc.endPoint;
  EXPECT_TRUE(arc.reverse());
  EXPECT_EQ(arc.startAngle, 2.0);
  EXPECT_EQ(arc.endAngle, 0.5 + 6.283185307179586);
  EXPECT_EQ(arc.startPoint.x, end.x);
  EXPECT_EQ(arc.endPoint.y, start.y);
  EXPECT_EQ(arc.midPoint.x, middle.x);
  EXPECT_EQ(arc.midPoint.y, middle.y);

  RISketchGeoLine line(point(1e-6, -1e-6), point(1.1e-6, 2));
  line.snapToZero();
  EXPECT_EQ(line.start.x, 0.0);
  EXPECT_EQ(line.start.y, 0.0);
  EXPECT_EQ(line.end.x, 1.1e-6);

  RISketchGeoArc quarter(point(0, 0), 1.0, 0.0, 90.0, 0);
  point p1(7, 7), p2(8, 8);
  EXPECT_EQ(quarter.intersectLine(RISketchGeoLine(point(-5, -0.5), point(5, -0.5)), p1, p2), 0);
  EXPECT_EQ(p1.x, noPointMarker);
  EXPECT_EQ(p2.y, noPointMarker);
  p1 = point(7, 7);
  p2 = point(8, 8);
  EXPECT_EQ(quarter.intersectLine(RISketchGeoLine(point(-5, 5), point(5, 5)), p1, p2), 0);
  EXPECT_EQ(p1.x, 7.0);
  EXPECT_EQ(p2.x, 8.0);
  EXPECT_EQ(quarter.intersectLine(RISketchGeoLine(point(0.5, -5), point(0.5, 5)), p1, p2), 1);
  EXPECT_NEAR(p2.y, std::sqrt(0.75), 1e-12);

  RISketchGeoLine segment(point(0, 0), point(2, 0));
  EXPECT_TRUE(segment.isCutClean(RISketchGeoLine(point(1, -1), point(1, 1))));
  EXPECT_TRUE(segment.isCutClean(RISketchGeoLine(point(5, -1), point(5, 1))));
  EXPECT_FALSE(segment.isCutClean(RISketchGeoLine(point(0, -1), point(0, 1))));
  // Through one end of the quarter with the other end on the same side.
  EXPECT_FALSE(quarter.isCutClean(RISketchGeoLine(point(0, -5), point(0, 5))));
  EXPECT_TRUE(quarter.isCutClean(RISketchGeoLine(point(0.5, -5), point(0.5, 5))));

  EXPECT_FALSE(segment.isEqual(&quarter));
  EXPECT_FALSE(quarter.isEqual(&segment));
  EXPECT_FALSE(segment.isEqual(nullptr));
  const RISketchGeoLine turned(point(2, 0), point(0, 0));
  EXPECT_TRUE(segment.isEqual(&turned));
  RISketchGeoArc other = quarter;
  EXPECT_TRUE(quarter.isEqual(&other));
  other.midPoint.x += 1e-5;
  EXPECT_FALSE(quarter.isEqual(&other));
}

TEST(SketchGeoArc, ThreePointsAnglesAndPointOperations) {
  const RISketchGeoArc arc(point(1, 0), point(0, 1), point(-1, 0));
  EXPECT_NEAR(arc.centre.x, 0.0, 1e-12);
  EXPECT_NEAR(arc.centre.y, 0.0, 1e-12);
  EXPECT_NEAR(arc.radius, 1.0, 1e-12);
  EXPECT_NEAR(arc.startAngle, 0.0, 1e-12);
  EXPECT_NEAR(arc.endAngle, 3.141592653589793, 1e-12);
  EXPECT_EQ(arc.midPoint.y, 1.0);
  const RISketchGeoArc collinear(point(0, 0), point(1, 1), point(2, 2));
  EXPECT_EQ(collinear.centre.x, 0.0);
  EXPECT_EQ(collinear.centre.y, 0.0);
  EXPECT_EQ(arc.angleOfPoint(arc.centre), 0.0);
  EXPECT_NEAR(arc.angleOfPoint(point(0, -1)), 270.0, 1e-9);
  EXPECT_EQ(RISketchGeoLine(point(0, 2), point(4, 6)).midpoint().y, 4.0);
  point sum(1, 2);
  (sum += point(3, 4)) += point(1, 1);
  EXPECT_EQ((sum / 5.0).y, 1.4);
  EXPECT_EQ(sum.dot(point(2, 1)), 17.0);
  EXPECT_EQ(sum.perpendicular().x, -7.0);
  point tiny(-0.9e-6, 1e-6), other(4, 4);
  tiny.snapToZero(1e-6);
  EXPECT_EQ(tiny.x, 0.0);
  EXPECT_EQ(tiny.y, 1e-6);
  swapPoints(tiny, other);
  EXPECT_EQ(tiny.x, 4.0);
  EXPECT_EQ(other.y, 1e-6);
  EXPECT_EQ(signOf(-0.0), 0);
  EXPECT_EQ(signOf(std::nan("")), 0);
}

TEST(SketchGeoSplit, PartsKeepIdentityAndOrder) {
  sketchListT<RISketchGeoLine> lines;
  RISketchGeoLine line(point(0, 0), point(2, 0));
  line.setSource(7);
  line.setTolerance(1e-3);
  line.splitAtPoint(point(1, 1), lines);  // off the segment
  line.splitAtPoint(point(2, 0), lines);  // an end
  ASSERT_EQ(lines.count(), 2u);
  line.splitByCut(RISketchGeoLine(point(0.5, -1), point(0.5, 1)), lines);
  ASSERT_EQ(lines.count(), 4u);
  EXPECT_EQ(lines[2].end.x, 0.5);
  EXPECT_EQ(lines[3].start.x, 0.5);
  EXPECT_EQ(lines[3].getSource(), 7);
  EXPECT_EQ(lines[3].getTolerance(), 1e-3);
  // A cut along the line leaves it whole.
  line.splitByCut(RISketchGeoLine(point(-1, 0), point(3, 0)), lines);
  EXPECT_EQ(lines.count(), 5u);

  // A half circle cut twice by a horizontal line: three parts in angle order.
  RISketchGeoArc half(point(0, 0), 1.0, 0.0, 180.0, 0);
  half.setSource(3);
  sketchListT<RISketchGeoArc> arcs;
  half.splitByCut(RISketchGeoLine(point(-2, 0.5), point(2, 0.5)), arcs);
  ASSERT_EQ(arcs.count(), 3u);
  double swept = 0.0;
  for (uint32_t i = 0; i < arcs.count(); ++i) {
    EXPECT_EQ(arcs[i].getSource(), 3);
    swept += arcs[i].endAngle - arcs[i].startAngle;
  }
  EXPECT_NEAR(swept, 3.141592653589793, 1e-12);

  // A full circle becomes two halves; a cut that misses keeps it.
  RISketchGeoArc circle(point(0, 0), 1.0, 0.0, 360.0, 1);
  circle.setSource(4);
  arcs.setEmpty();
  circle.splitByCut(RISketchGeoLine(point(0, -2), point(0, 2)), arcs);
  circle.splitByCut(RISketchGeoLine(point(5, -2), point(5, 2)), arcs);
  ASSERT_EQ(arcs.count(), 3u);
  EXPECT_FALSE(arcs[0].isFullCircle());
  EXPECT_NEAR(arcs[0].endAngle - arcs[0].startAngle, 3.141592653589793, 1e-12);
  EXPECT_NEAR(arcs[1].endAngle - arcs[1].startAngle, 3.141592653589793, 1e-12);
  EXPECT_EQ(arcs[1].getSource(), 4);
  EXPECT_TRUE(arcs[2].isFullCircle());
}

TEST(SketchGeoArc, FarAndNonFiniteAnglesReturnAtOnce) {
  RISketchGeoArc far = radiansArc(1e300, 0.0);
  RISketchGeoArc reversed = radiansArc(0.0, 1e300);
  far.containsPoint(point(1, 0));
  EXPECT_TRUE(std::isfinite(far.endAngle));
  EXPECT_GE(far.endAngle, 1e300 * (1 - 1e-15));
  reversed.reverse();
  EXPECT_TRUE(std::isfinite(reversed.endAngle));
  far = radiansArc(1e300, 0.0);
  far.reverse();
  EXPECT_TRUE(std::isfinite(far.startAngle) && std::isfinite(far.endAngle));

  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (auto [start, end] : {std::pair{nan, 1.0}, {0.0, inf}, {-inf, inf}, {inf, -inf}}) {
    RISketchGeoArc arc = radiansArc(start, end);
    sketchListT<RISketchGeoArc> parts;
    point p1, p2;
    arc.getBoundingBox();
    arc.isCutClean(RISketchGeoLine(point(0, -2), point(0, 2)));
    arc.intersectLine(RISketchGeoLine(point(0, -2), point(0, 2)), p1, p2);
    arc.splitByCut(RISketchGeoLine(point(0, -2), point(0, 2)), parts);
    arc.splitAtPoint(point(0, 1), parts);
    arc.containsPoint(point(0, 1));
    arc.fixEndOrder();
    arc.reverse();
    arc.snapToZero();
    EXPECT_FALSE(arc.isEqual(&far));
    arc.setFullCircle(1);
    arc.splitByCut(RISketchGeoLine(point(0, -2), point(0, 2)), parts);
  }
}

TEST(NumericRange, OrderOverlapAndSplit) {
  const RINumericRange ordered(5, 2, 0);
  EXPECT_EQ(ordered.getMin(), 2.0);
  EXPECT_EQ(ordered.getMax(), 5.0);

  const RINumericRange a(0, 1, 0), b(1, 2, 3), c(1.5, 2, 0);
  RINumericRange out(7, 8, 9);
  EXPECT_TRUE(a.overlapsWith(b));
  ASSERT_TRUE(RINumericRange::intersection(a, b, out));
  EXPECT_EQ(out.getMin(), 1.0);
  EXPECT_TRUE(out.isEmpty());
  EXPECT_EQ(out.getFlag(), 3);
  ASSERT_TRUE(RINumericRange::unionWith(a, b, out));
  EXPECT_EQ(out.getMin(), 0.0);
  EXPECT_EQ(out.getMax(), 2.0);

  out.set(7, 8, 9);
  EXPECT_FALSE(a.overlapsWith(c));
  EXPECT_FALSE(RINumericRange::intersection(a, c, out));
  EXPECT_FALSE(RINumericRange::unionWith(a, c, out));
  EXPECT_EQ(out.getMin(), 7.0);
  EXPECT_EQ(out.getMax(), 8.0);
  for (const RINumericRange& gap : {RINumericRange::gapBetween(a, c), RINumericRange::gapBetween(c, a)}) {
    EXPECT_EQ(gap.getMin(), 1.0);
    EXPECT_EQ(gap.getMax(), 1.5);
  }
  EXPECT_EQ(RINumericRange::gapBetween(a, b).length(), 0.0);

  EXPECT_TRUE(RINumericRange(0, 1e-14, 0).isEmpty());
  EXPECT_FALSE(RINumericRange(0, 2e-14, 0).isEmpty());
  EXPECT_TRUE(RINumericRange(0, 1e-18, 0).isEqual(RINumericRange(0, 0, 1)));

  sketchListT<RINumericRange> halves;
  RINumericRange(0, 10, 0).splitAtPercent(50.0, halves);
  RINumericRange(3, 3, 0).splitAtPercent(50.0, halves);
  RINumericRange(4, 6, 0).splitAtPercent(0.0, halves);
  ASSERT_EQ(halves.count(), 3u);
  EXPECT_EQ(halves[0].getMax(), 5.0);
  EXPECT_EQ(halves[1].getMin(), 5.0);
  EXPECT_EQ(halves[1].getFlag(), 1);
  EXPECT_EQ(halves[2].getMin(), 4.0);
  EXPECT_EQ(halves[2].getMax(), 6.0);
}
