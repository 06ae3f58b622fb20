#include <gtest/gtest.h>

#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchBoundingBox.h"
#include "sketchdiv/RISketchRect.h"
#include "sketchdiv/sketchPointList.h"

namespace {

using point = vectorC2d<double>;

sketchPointList pointsOf(std::initializer_list<point> points) {
  sketchPointList list;
  for (const point& p : points) list.append(p);
  return list;
}

void expectPoints(const sketchPointList& list, std::initializer_list<point> expected) {
  ASSERT_EQ(list.count(), expected.size());
  uint32_t i = 0;
  for (const point& p : expected) {
    EXPECT_EQ(list[i].x, p.x) << i;
    EXPECT_EQ(list[i].y, p.y) << i;
    ++i;
  }
}

}  // namespace

TEST(SketchRect, ContainmentOverlapAndMeasures) {
  const RISketchRect r(1, 2, 5, 4);
  EXPECT_TRUE(r.containsPoint(1 - 0.0001, 2));
  EXPECT_FALSE(r.containsPoint(1 - 0.00011, 2));
  EXPECT_TRUE(r.isInside(r));
  EXPECT_FALSE(RISketchRect(1, 2, 5.0002, 4).isInside(r));

  struct {
    RISketchRect a, b;
    double measure;
  } overlaps[] = {
      {{0, 0, 2, 2}, {1, 1, 3, 3}, 1.0},
      {{0, 0, 1, 1}, {2, 0, 3, 1}, 1.0},  // the gap times the common height
      {{0, 0, 1, 1}, {1, 0, 2, 1}, 0.0},
  };
  for (const auto& o : overlaps) EXPECT_EQ(o.a.overlapMeasure(o.b), o.measure);

  const RISketchRect inverted(3, 4, 1, 1);
  EXPECT_EQ(inverted.width(), 2.0);
  EXPECT_EQ(inverted.area(), 6.0);
  double x = 0, y = 0;
  EXPECT_TRUE(inverted.centre(x, y));
  EXPECT_EQ(x, 2.0);
  EXPECT_EQ(y, 2.5);
  const RISketchBoundingBox box(3, 4, 1, 1);
  EXPECT_EQ(box.width(), -2.0);
  EXPECT_EQ(RISketchBoundingBox().maxX, 0.0);
}

TEST(SketchPointList, CleanSortAndMatch) {
  sketchPointList points = pointsOf({{1, 1}, {1.0001, 1}, {1, 0.9999}, {1.00005, 1.00005}, {3, 3}});
  removeCoincidentPoints(points);
  expectPoints(points, {{1, 1}, {3, 3}});

  sketchPointList byY = pointsOf({{0, 3}, {0, 1}, {0, 2}});
  sortPointsByY(byY);
  expectPoints(byY, {{0, 1}, {0, 2}, {0, 3}});

  // Enough points for gaps above 1; equal keys never cross within a pass.
  sketchPointList byX;
  for (int i = 0; i < 40; ++i) byX.append(point(double((i * 17) % 40 / 2), i));
  sortPointsByX(byX);
  for (uint32_t i = 1; i < byX.count(); ++i) EXPECT_LE(byX[i - 1].x, byX[i].x);

  sketchPointList b = pointsOf({{0, 0}, {5, 5}, {0.00005, 0}});
  removeMatchingPoints(sketchPointList(), b);
  EXPECT_EQ(b.count(), 3u);
  removeMatchingPoints(pointsOf({{0, 0}}), b);
  expectPoints(b, {{5, 5}});
}

TEST(SketchOrphanage, KeepsCopiesInOrder) {
  RILostObjectOrphanage* orphanage = new RILostObjectOrphanage;
  EXPECT_EQ(orphanage->arcCount(), 0u);
  EXPECT_EQ(orphanage->lineCount(), 0u);
  EXPECT_EQ(orphanage->arcAt(0), nullptr);
  EXPECT_EQ(orphanage->lineAt(0), nullptr);
  RISketchGeoLine line(point(0, 0), point(1, 0));
  orphanage->addLine(line);
  orphanage->addLine(line);
  orphanage->addArc(RISketchGeoArc(point(0, 0), 1, 0, 90, 0));
  EXPECT_EQ(orphanage->lineCount(), 2u);
  EXPECT_EQ(orphanage->arcCount(), 1u);
  EXPECT_NE(orphanage->lineAt(1), &line);
  orphanage->clear();
  EXPECT_EQ(orphanage->lineCount(), 0u);
  delete orphanage;
}
