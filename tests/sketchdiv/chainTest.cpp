#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "sketchdiv/RIBaseObjectChain.h"
#include "sketchdiv/RILostObjectOrphanage.h"
#include "sketchdiv/RISketchGeoLoop.h"

namespace {

using point = vectorC2d<double>;

struct stepS {
  double x1, y1, x2, y2;
  int32_t source;
};

// The chain's curves as (start, end, source), destroying the chain.
std::vector<stepS> takeChain(RIBaseObjectChain* head) {
  std::vector<stepS> steps;
  for (RIBaseObjectChain* node = head; node; node = node->getNext()) {
    const IRIBaseGeoObject* object = node->getObject();
    if (!object) continue;
    const point s = object->getStartPoint(), e = object->getEndPoint();
    steps.push_back({s.x, s.y, e.x, e.y, object->getSource()});
  }
  delete head;
  return steps;
}

void expectChain(RISketchGeoLoop& loop, std::initializer_list<stepS> expected) {
  RIBaseObjectChain* head = nullptr;
  ASSERT_TRUE(loop.buildChain(head));
  ASSERT_NE(head, nullptr);
  const std::vector<stepS> steps = takeChain(head);
  ASSERT_EQ(steps.size(), expected.size());
  size_t i = 0;
  for (const stepS& e : expected) {
    const stepS& s = steps[i++];
    EXPECT_NEAR(s.x1, e.x1, 1e-12) << i;
    EXPECT_NEAR(s.y1, e.y1, 1e-12) << i;
    EXPECT_NEAR(s.x2, e.x2, 1e-12) << i;
    EXPECT_NEAR(s.y2, e.y2, 1e-12) << i;
    EXPECT_EQ(s.source, e.source) << i;
  }
}

}  // namespace

TEST(SketchChain, BuildsBoundaryOrder) {
  RISketchGeoLoop shuffled;
  shuffled.addLine(4, 0, 4, 2, 1);
  shuffled.addLine(0, 0, 0, 2, 2);
  shuffled.addLine(4, 2, 0, 2, 3);
  shuffled.addLine(0, 0, 4, 0, 4);
  expectChain(shuffled, {{4, 0, 4, 2, 1}, {4, 2, 0, 2, 3}, {0, 2, 0, 0, 2}, {0, 0, 4, 0, 4}});

  RISketchGeoLoop lens;
  lens.addLine(0, 0, 2, 0, 1);
  lens.addArc(point(1, 0), 1.0, 0.0, 180.0, 0, 2);
  expectChain(lens, {{0, 0, 2, 0, 1}, {2, 0, 0, 0, 2}});

  RISketchGeoLoop doubled;
  // The second round runs the other way round; the first of two equal lines stays.
  doubled.addLine(0, 0, 1, 0, 1);
  doubled.addLine(1, 1, 1, 0, 2);
  doubled.addLine(1, 1, 0, 1, 3);
  doubled.addLine(0, 1, 0, 0, 4);
  doubled.addLine(1, 0, 0, 0, 5);
  doubled.addLine(1, 0, 1, 1, 6);
  doubled.addLine(0, 1, 1, 1, 7);
  doubled.addLine(0, 0, 0, 1, 8);
  expectChain(doubled, {{0, 0, 1, 0, 1}, {1, 0, 1, 1, 2}, {1, 1, 0, 1, 3}, {0, 1, 0, 0, 4}});
  EXPECT_EQ(doubled.lineCount(), 4u);
  EXPECT_EQ(doubled.chainLines.count(), 4u);

  // Kept as built: two curves for two, but the first twice and the second missing.
  RISketchGeoLoop apart;
  apart.addLine(0, 0, 1, 0, 1);
  apart.addLine(5, 5, 6, 5, 2);
  expectChain(apart, {{0, 0, 1, 0, 1}, {1, 0, 0, 0, 1}});

  RISketchGeoLoop circle;
  circle.addArc(point(0, 0), 1.0, 0.0, 360.0, 1, 7);
  expectChain(circle, {{1, 0, 1, 0, 7}});

  RISketchGeoLoop nothing;
  RIBaseObjectChain* head = nullptr;
  ASSERT_TRUE(nothing.buildChain(head));
  EXPECT_EQ(head->getObject(), nullptr);
  EXPECT_EQ(head->getNext(), nullptr);
  delete head;
}

TEST(SketchChain, WalksAndCollapsesFullCircles) {
  RISketchGeoLoop triangle;
  triangle.addLine(0, 0, 2, 0);
  triangle.addLine(1, 1, 2, 0);
  triangle.addLine(1, 1, 0, 0);
  sketchPointList points;
  sketchListT<str> names;
  ASSERT_TRUE(triangle.walkChainTyped(point(0, 0), points, names));
  const point expected[] = {{0, 0}, {2, 0}, {1, 1}, {0, 0}};
  ASSERT_EQ(points.count(), 8u);
  for (uint32_t i = 0; i < 8; ++i) EXPECT_EQ(points[i].x, expected[i / 2].x) << i;
  ASSERT_EQ(names.count(), 6u);
  for (uint32_t i = 0; i < 6; ++i) EXPECT_TRUE(names[i] == "line");
  points.setEmpty();
  EXPECT_FALSE(triangle.walkChain(point(9, 9), points));
  EXPECT_EQ(points.count(), 0u);

  // A run of equal full circles keeps its first member; the line after it stays.
  RISketchGeoArc first(point(0, 0), 1.0, 0.0, 360.0, 1);
  RISketchGeoArc same(point(0.5, 0), 0.5, 0.0, 360.0, 1);
  RISketchGeoArc elsewhere(point(5, 0), 1.0, 0.0, 360.0, 1);
  RISketchGeoLine line(point(0, 0), point(1, 0));
  auto* head = new RIBaseObjectChain;
  for (IRIBaseGeoObject* object : std::initializer_list<IRIBaseGeoObject*>{&first, &same, &same, &elsewhere, &line})
    head->append(object);
  RISketchGeoLoop::collapseFullCircles(head);
  std::vector<const IRIBaseGeoObject*> kept;
  for (RIBaseObjectChain* node = head; node; node = node->getNext()) kept.push_back(node->getObject());
  EXPECT_EQ(kept, (std::vector<const IRIBaseGeoObject*>{&first, &elsewhere, &line}));
  // Appending after the tail was collapsed away lands behind the new last node.
  head->append(&first);
  head->getNext()->getNext()->getNext()->unlink();
  head->append(&same);
  kept.clear();
  for (RIBaseObjectChain* node = head; node; node = node->getNext()) kept.push_back(node->getObject());
  EXPECT_EQ(kept, (std::vector<const IRIBaseGeoObject*>{&first, &elsewhere, &line, &same}));
  delete head;
}

TEST(SketchChain, LongAndBrokenInputEnds) {
  auto* head = new RIBaseObjectChain;
  RISketchGeoLine line;
  for (int i = 0; i < 100000; ++i) head->append(&line);
  int nodes = 0;
  for (RIBaseObjectChain* node = head; node; node = node->getNext()) ++nodes;
  EXPECT_EQ(nodes, 100000);
  delete head;

  RISketchGeoLoop broken;
  const double nan = std::nan("");
  for (int i = 0; i < 1000; ++i) broken.addLine(i % 2 ? nan : double(i), nan, nan, double(i));
  sketchPointList points;
  broken.walkChain(point(0, nan), points);
  broken.walkChain(point(0, 0), points);
  RIBaseObjectChain* chain = nullptr;
  broken.buildChain(chain);
  delete chain;
  EXPECT_EQ(broken.orientation(), 0);
}
