#include <gtest/gtest.h>

#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "sketchdiv/IRILostObjectsCollector.h"
#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchManager.h"
#include "tests/draw2d/shapeTestHelpers.h"

namespace {

using point = vectorC2d<double>;

struct lineS {
  double x1, y1, x2, y2;
  int32_t source;
};

class collectorC : public IRILostObjectsCollector {
 public:
  RILostObjectOrphanage* getOrphanage() override { return &orphanage; }
  RILostObjectOrphanage orphanage;
};

RISketchGeoLoop rectangleLoop() {
  RISketchGeoLoop loop;
  loop.addLine(0, 0, 4, 0, 10);
  loop.addLine(4, 0, 4, 2, 11);
  loop.addLine(4, 2, 0, 2, 12);
  loop.addLine(0, 2, 0, 0, 13);
  return loop;
}

void expectLines(RISketchGeoLoop& loop, std::initializer_list<lineS> expected) {
  ASSERT_EQ(loop.lineCount(), expected.size());
  uint32_t i = 0;
  for (const lineS& e : expected) {
    const RISketchGeoLine& line = *loop.lineAt(i++);
    EXPECT_EQ(line.start.x, e.x1) << i;
    EXPECT_EQ(line.start.y, e.y1) << i;
    EXPECT_EQ(line.end.x, e.x2) << i;
    EXPECT_EQ(line.end.y, e.y2) << i;
    EXPECT_EQ(line.getSource(), e.source) << i;
  }
}

}  // namespace

TEST(SketchGeoLoop, IntakeOfViewsBoxesAndManager) {
  shapeTest::treeC clockwise("ARC{POINT{0,1},POINT{1,0},POINT{0,-1}}");
  shapeTest::treeC closed("ARC{POINT{1,0},POINT{-1,0},POINT{1,0}}");
  shapeTest::treeC circle("CIRCLE{POINT{1,2},RAD{3}}");
  RISketchGeoLoop loop;
  loop.setEps(1e-4);
  mBaseArc2dC clockwiseView(clockwise.node(), 0);
  mBaseArc2dC closedView(closed.node(), 0);
  mBaseCircle2dC circleView(circle.node(), 0);
  loop.addArc(clockwiseView, 1);
  loop.addArc(closedView, 2);
  loop.addCircle(circleView, 3);
  ASSERT_EQ(loop.arcCount(), 3u);
  const RISketchGeoArc& turned = *loop.arcAt(0);
  EXPECT_NEAR(turned.startPoint.y, -1.0, 1e-12);
  EXPECT_NEAR(turned.endPoint.y, 1.0, 1e-12);
  EXPECT_LT(turned.startAngle, turned.endAngle);
  EXPECT_EQ(turned.getTolerance(), 1e-4);
  EXPECT_EQ(turned.getSource(), 1);
  EXPECT_TRUE(loop.arcAt(1)->isFullCircle());
  const RISketchGeoArc& full = *loop.arcAt(2);
  EXPECT_TRUE(full.isFullCircle());
  EXPECT_EQ(full.getDirection(), 1);
  EXPECT_EQ(full.radius, 3.0);
  EXPECT_EQ(full.getSource(), 3);
  EXPECT_EQ(loop.arcAt(3), nullptr);

  const RISketchBoundingBox box = loop.getBoundingBox();
  EXPECT_EQ(box.minX, -2.0);
  EXPECT_EQ(box.maxY, 5.0);
  RISketchGeoLoop empty;
  EXPECT_EQ(empty.getBoundingBox().minX, 1e129);
  EXPECT_EQ(empty.getBoundingBox().maxY, -1e129);

  RISketchManager piece;
  EXPECT_EQ(piece.getBoundingBox().minX, 1e29);
  RISketchGeoLoop nearZero;
  nearZero.addLine(5e-7, 0, 3, 1);
  piece.addLoop(nearZero);
  EXPECT_EQ(nearZero.lineAt(0)->start.x, 0.0);
  EXPECT_EQ(piece.boxes[0].minX, 5e-7);  // taken before snapping
  piece.addLoop(loop);
  EXPECT_EQ(piece.countObjects(), 4u);
  EXPECT_EQ(piece.getBoundingBox().minX, -2.0);
  EXPECT_EQ(piece.getBoundingBox().maxX, 4.0);
  sketchListT<RISketchGeoLoop> inside;
  EXPECT_EQ(piece.copyLoopsInside(RISketchRect(0, 0, 3, 1), inside), 1u);
  EXPECT_EQ(piece.appendEmptyLoop(), 2u);
  EXPECT_EQ(piece.loopAt(2)->lineCount(), 0u);
  EXPECT_EQ(piece.loopAt(3), nullptr);
  const RISketchManager copy = piece;
  EXPECT_EQ(copy.countObjects(), 4u);
  piece.clear();
  EXPECT_TRUE(piece.isEmpty());
  EXPECT_EQ(copy.loopCount(), 3u);
}

TEST(SketchGeoLoop, CrossingsAndSplitAlongCuts) {
  RISketchGeoLoop loop = rectangleLoop();
  const RISketchGeoLine cut(point(2, -10), point(2, 12));
  sketchPointList points;
  int count = 0;
  EXPECT_TRUE(loop.crossings(cut, points, count));
  EXPECT_EQ(count, 2);

  collectorC collector;
  sketchListT<RISketchGeoLoop> out;
  ASSERT_TRUE(loop.splitByCut(cut, out, true, 0, &collector));
  ASSERT_EQ(out.count(), 2u);
  expectLines(out[0], {{2, 2, 2, 0, -1}, {0, 0, 2, 0, 10}, {2, 2, 0, 2, 12}, {0, 2, 0, 0, 13}});
  expectLines(out[1], {{2, 0, 2, 2, -1}, {2, 0, 4, 0, 10}, {4, 0, 4, 2, 11}, {4, 2, 2, 2, 12}});
  expectLines(loop, {{0, 0, 4, 0, 10}, {4, 0, 4, 2, 11}, {4, 2, 0, 2, 12}, {0, 2, 0, 0, 13}});

  out.setEmpty();
  loop.splitByCut(cut, out, false, 0, &collector);
  loop.splitByCut(RISketchGeoLine(point(10, -10), point(10, 12)), out, true, 0, &collector);
  ASSERT_EQ(out.count(), 4u);
  EXPECT_EQ(out[0].lineCount(), 3u);
  EXPECT_EQ(out[1].lineCount(), 3u);
  EXPECT_EQ(out[2].lineCount(), 4u);
  EXPECT_EQ(out[3].lineCount(), 0u);

  // Horizontal: the first loop lies below and its segment along the cut runs right.
  out.setEmpty();
  loop.splitByCut(RISketchGeoLine(point(-1, 1), point(5, 1)), out, true, 0, &collector);
  ASSERT_EQ(out.count(), 2u);
  EXPECT_EQ(out[0].lineAt(0)->start.x, 0.0);
  EXPECT_EQ(out[0].lineAt(0)->end.x, 4.0);
  EXPECT_EQ(out[0].lineCount(), 4u);
  EXPECT_EQ(out[1].lineCount(), 4u);

  // A circle is split into halves, one a side; a line without a place on the plane is still
  // placed once, in a loop or as an orphan; a zero-length cut makes two loops; without a
  // collector nothing is split.
  RISketchGeoLoop round;
  round.addArc(point(0, 0), 1.0, 0.0, 360.0, 1, 5);
  round.addLine(std::nan(""), 0, 1, 1, 6);
  out.setEmpty();
  ASSERT_TRUE(round.splitByCut(RISketchGeoLine(point(0, -5), point(0, 5)), out, true, 0, &collector));
  ASSERT_EQ(out[0].arcCount(), 1u);
  ASSERT_EQ(out[1].arcCount(), 1u);
  EXPECT_EQ(out[0].arcAt(0)->getSource(), 5);
  EXPECT_LT(out[0].arcAt(0)->getBoundingBox().maxX, 1e-12);
  EXPECT_GT(out[1].arcAt(0)->getBoundingBox().minX, -1e-12);
  int placed = 0;
  for (uint32_t i = 0; i < collector.orphanage.lineCount(); ++i) placed += collector.orphanage.lineAt(i)->getSource() == 6;
  for (uint32_t k = 0; k < 2; ++k)
    for (uint32_t i = 0; i < out[k].lineCount(); ++i) placed += out[k].lineAt(i)->getSource() == 6;
  EXPECT_EQ(placed, 1);
  out.setEmpty();
  loop.splitByCut(RISketchGeoLine(point(2, 1), point(2, 1)), out, true, 0, &collector);
  EXPECT_EQ(out.count(), 2u);
  EXPECT_FALSE(loop.splitByCut(cut, out, true, 0, nullptr));
  EXPECT_EQ(out.count(), 2u);
}
