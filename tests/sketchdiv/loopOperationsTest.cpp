#include <gtest/gtest.h>

#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchGeoLoop.h"

namespace {

using point = vectorC2d<double>;

RISketchGeoLoop diamond() {
  RISketchGeoLoop loop;
  loop.addLine(0, 0, 1, 1);
  loop.addLine(1, 1, 2, 0);
  loop.addLine(2, 0, 1, -1);
  loop.addLine(1, -1, 0, 0);
  return loop;
}

}  // namespace

TEST(SketchLoopOperations, OrientationIdentityAndEnds) {
  RISketchGeoLoop loop = diamond();
  EXPECT_EQ(loop.orientation(), 0);
  loop.reverse();
  EXPECT_EQ(loop.orientation(), 1);
  RISketchGeoLoop flat;
  flat.addLine(0, 0, 0, 1e-9);
  flat.addLine(0, 1e-9, 0, 0);
  EXPECT_EQ(flat.orientation(), 0);  // one distinct end point
  RISketchGeoLoop leftward;
  leftward.addLine(3, 0, 0, 0);
  leftward.addLine(3, 0, 0, 0.5);
  EXPECT_EQ(leftward.orientation(), 0);  // the ending line turned: it runs right

  RISketchGeoLoop circle;
  circle.addArc(point(0, 0), 2.0, 0.0, 360.0, 1);
  sketchPointList ends;
  circle.endPoints(ends);
  ASSERT_EQ(ends.count(), 2u);
  EXPECT_NEAR(ends[0].x, ends[1].x, 1e-12);
  EXPECT_NEAR(ends[0].y, ends[1].y, 1e-12);

  RISketchGeoLoop copy = loop;
  EXPECT_TRUE(loop.isSameLoop(copy));
  copy.addArc(point(0, 0), 1.0, 0.0, 90.0, 0);
  EXPECT_FALSE(loop.isSameLoop(copy));
  RISketchGeoLoop moved = diamond();
  moved.lineAt(0)->end.y = 1.5;
  EXPECT_FALSE(diamond().isSameLoop(moved));

  EXPECT_FALSE(loop.hasStrayEnds());
  RISketchGeoLoop twoPaths = diamond();
  twoPaths.addLine(5, 5, 6, 5);
  twoPaths.addLine(6, 5, 5, 5);
  EXPECT_TRUE(twoPaths.hasStrayEnds());
  EXPECT_TRUE(twoPaths.holdsLine(RISketchGeoLine(point(5, 5), point(6, 5))));
  EXPECT_FALSE(twoPaths.holdsLine(RISketchGeoLine(point(5, 5), point(7, 5))));

  // Copies and assignment leave the chain copies out; the tag goes along.
  loop.chainLines.append(*loop.lineAt(0));
  loop.setTag(-1);
  RISketchGeoLoop assigned;
  assigned.chainLines.append(*loop.lineAt(1));
  assigned = loop;
  EXPECT_EQ(assigned.getTag(), -1);
  EXPECT_EQ(assigned.chainLines.count(), 1u);
  EXPECT_EQ(RISketchGeoLoop(loop).chainLines.count(), 0u);
  loop.reset();
  EXPECT_EQ(loop.lineCount(), 0u);
  EXPECT_EQ(loop.getTag(), RISketchGeoLoop::noTag);
}

TEST(SketchLoopOperations, FindingInsertingAndOrphans) {
  RISketchGeoLoop loop = diamond();
  loop.setEps(1e-3);
  loop.addArc(point(3, 0), 1.0, 90.0, 270.0, 0);
  EXPECT_TRUE(loop.liesOn(point(2, 0)));
  EXPECT_TRUE(loop.liesOn(point(0.5, 0.5)));
  EXPECT_FALSE(loop.liesOn(point(1, 0)));
  IRIBaseGeoObject* found = nullptr;
  ASSERT_TRUE(loop.findObjectAt(point(1.5, 0.5), found));
  EXPECT_EQ(found, loop.lineAt(1));
  EXPECT_FALSE(loop.findObjectAt(point(1, 0), found));

  EXPECT_EQ(loop.firstObject(), loop.lineAt(0));
  EXPECT_EQ(loop.nextObject(loop.lineAt(0)), loop.lineAt(1));
  EXPECT_EQ(loop.nextObject(loop.lineAt(3)), loop.lineAt(0));
  double distance = 0;
  EXPECT_EQ(loop.nearestObject(point(0, 0.1), found, distance, nullptr), loop.lineAt(0));
  EXPECT_NEAR(distance, 0.1, 1e-12);
  EXPECT_EQ(loop.nearestObject(point(0, 0.1), found, distance, loop.lineAt(0)), loop.lineAt(3));
  EXPECT_EQ(RISketchGeoLoop().nearestObject(point(0, 0), found, distance, nullptr), nullptr);
  EXPECT_EQ(distance, 1e+29);
  EXPECT_NEAR(loop.boxCentre().x, 1.5, 1e-12);

  // A diagonal joins two corners; a loose line, or a copy of the curve it would link to, does
  // not go in.
  RISketchGeoLine diagonal(point(0, 0), point(2, 0));
  EXPECT_TRUE(loop.insertLineIfLinked(diagonal));
  EXPECT_EQ(diagonal.getTolerance(), 1e-3);
  RISketchGeoLoop single;
  single.addLine(0, 0, 1, 0);
  RISketchGeoLine copy(point(0, 0), point(1, 0));
  EXPECT_FALSE(single.insertLineIfLinked(copy));
  RISketchGeoLine loose(point(0, 0), point(9, 9));
  EXPECT_FALSE(loop.insertLineIfLinked(loose));
  RISketchGeoArc bridge(point(1, 0), 1.0, 180.0, 360.0, 0);
  EXPECT_TRUE(loop.insertArcIfLinked(bridge));
  EXPECT_EQ(loop.lineCount(), 5u);
  EXPECT_EQ(loop.arcCount(), 2u);

  loop.lineAt(0)->marks[3] = 9;
  loop.clearMarks();
  EXPECT_EQ(loop.lineAt(0)->marks[3], 0);

  RILostObjectOrphanage orphanage;
  orphanage.addLine(RISketchGeoLine(point(0, 0), point(1, 0)));
  orphanage.addArc(bridge);
  const RISketchGeoLoop adopted = RISketchGeoLoop::loopFromOrphans(orphanage);
  EXPECT_EQ(adopted.lineCount(), 1u);
  EXPECT_EQ(adopted.arcCount(), 1u);
  EXPECT_EQ(orphanage.arcAt(0)->getTolerance(), 1e-6);
}
