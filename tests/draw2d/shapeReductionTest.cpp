#include "draw2d/shapes/shapeReduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/metaTreeC.h"
#include "draw2d/shapes/mBaseArc2dC.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/shapes/mBaseIntCrv2dC.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::treeC;

namespace {

using pointsT = std::vector<vectorC2d<double>>;

// The classification as a state machine over an array from which absorbed points are removed
// one at a time: the plain quadratic form the linear one must agree with.
void classifyByRemoval(pointsT& p, std::vector<int>& codes, double e) {
  auto unit = [](vectorC2d<double> v) {
    v.setLength(1.0);
    return v;
  };
  for (size_t i = 0;;) {
    if (p.size() < i + 4) {
      codes.insert(codes.end(), p.size() - i, 0);
      return;
    }
    if (isOnCircleOf3(p[i], p[i + 1], p[i + 2], p[i + 3], e)) {
      p.erase(p.begin() + long(i + 2));
      size_t j = i + 3;
      while (j < p.size() && !(std::fabs(p[j].x - p[i].x) <= 1e-8 && std::fabs(p[j].y - p[i].y) <= 1e-8) &&
             isOnCircleOf3(p[i], p[i + 1], p[i + 2], p[j], e))
        p.erase(p.begin() + long(i + 2));
      if (j < p.size() && std::fabs(p[j].x - p[i].x) <= 1e-8 && std::fabs(p[j].y - p[i].y) <= 1e-8) {
        p.pop_back();
        codes.insert(codes.end(), {2, 2});
        return;
      }
      codes.insert(codes.end(), {1, 1});
      i += 2;
    } else if (!codes.empty() && codes.back() == 0) {
      const vectorC2d<double> a = unit(p[i + 1] - p[i]);
      const vectorC2d<double> b = unit(p[i] - p[i - 1]);
      if (a.x * b.x + a.y * b.y > 1 - e / 100) {
        p.erase(p.begin() + long(i));
      } else {
        codes.push_back(0);
        ++i;
      }
    } else {
      codes.push_back(0);
      ++i;
    }
  }
}

// The shapes made from the points, one text per shape.
std::vector<std::string> reduce(const pointsT& input, double tolerance = 1e-5) {
  point2dArrayC points;
  for (const vectorC2d<double>& p : input) appendPoint(points, p);
  treeC list("LIST");
  mShapeList2dC out(list.node(), 0);
  const int made = reducePointsToPrimitives(points, tolerance, out);
  std::vector<std::string> shapes;
  for (metaTreeC* shape = list.node()->firstChild; shape; shape = shape->next)
    shapes.push_back(metaObjectC(shape, 0).writeToStringValue(1, 0).c_str());
  EXPECT_EQ(size_t(made), shapes.size());
  return shapes;
}

pointsT onCircle(double cx, double cy, double r, double from, double to, double step) {
  pointsT points;
  for (double a = from; a < to; a += step) points.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
  points.emplace_back(cx + r * std::cos(to), cy + r * std::sin(to));
  return points;
}

}  // namespace

TEST(ShapeReduction, LinesMergeOnlyWhileFourPointsRemain) {
  pointsT eight;
  for (int i = 0; i < 8; ++i) eight.emplace_back(i, 0);
  EXPECT_EQ(reduce(eight), (std::vector<std::string>{"LINE{POINT{0,0}POINT{5,0}}", "LINE{POINT{5,0}POINT{6,0}}",
                                                      "LINE{POINT{6,0}POINT{7,0}}"}));
  EXPECT_EQ(reduce(pointsT(eight.begin(), eight.begin() + 4)).size(), 3u);
  EXPECT_EQ(reduce(pointsT(eight.begin(), eight.begin() + 2)),
            (std::vector<std::string>{"LINE{POINT{0,0}POINT{1,0}}"}));
  EXPECT_TRUE(reduce(pointsT(eight.begin(), eight.begin() + 1)).empty());

  const pointsT bend = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}};
  EXPECT_EQ(reduce(bend), (std::vector<std::string>{"LINE{POINT{0,0}POINT{3,0}}", "LINE{POINT{3,0}POINT{3,1}}",
                                                      "LINE{POINT{3,1}POINT{3,2}}", "LINE{POINT{3,2}POINT{3,3}}"}));
}

TEST(ShapeReduction, RunsOnACircleBecomeArcsOrACircle) {
  treeC circleTree("CIRCLE{POINT{1,1},RAD{2}}");
  treeC list("LIST");
  mShapeList2dC out(list.node(), 0);
  ASSERT_EQ(mBaseShape2dC(circleTree.node(), 0).toIntCurve(0.01, 1e-5, out), 1);
  mBaseCircle2dC circle(list.node()->firstChild, 0);
  ASSERT_TRUE(circle.isKeyword("CIRCLE"));
  expectPoint(circle.getMiddlePoint(), 1, 1, 1e-9);
  EXPECT_NEAR(circle.getRadius(), 2, 1e-9);

  // An open run: one arc from the first point through the second to the last.
  const pointsT quarter = onCircle(0, 0, 1, 0, 1.5, 0.1);
  const std::vector<std::string> arc = reduce(quarter);
  ASSERT_EQ(arc.size(), 1u);
  treeC arcTree(arc[0].c_str());
  mBaseArc2dC fitted(arcTree.node(), 0);
  expectPoint(fitted.getStartPoint(), quarter[0].x, quarter[0].y);
  expectPoint(fitted.getCenterPoint(), quarter[1].x, quarter[1].y);
  expectPoint(fitted.getEndPoint(), quarter.back().x, quarter.back().y);

  // Three points never make an arc.
  EXPECT_EQ(reduce(pointsT(quarter.begin(), quarter.begin() + 3)).size(), 2u);
}

TEST(ShapeReduction, LinearClassificationAgreesWithRemovalOneByOne) {
  std::mt19937 random(18);
  std::uniform_real_distribution<double> coordinate(-5, 5);
  int seen[3] = {0, 0, 0};
  for (int round = 0; round < 300; ++round) {
    // Scattered and repeated points, straight runs, open and closed runs on circles.
    pointsT input(1, vectorC2d<double>(coordinate(random), coordinate(random)));
    while (input.size() < 40) {
      const unsigned kind = random() % 4;
      const vectorC2d<double> at(coordinate(random), coordinate(random));
      if (kind < 2) input.push_back(kind ? input.back() : at);
      for (int k = 0; kind == 2 && k < 5; ++k) input.emplace_back(at.x + k, at.y + 0.5 * k);
      const pointsT run = onCircle(at.x, at.y, 2, at.x, at.x + (random() % 2 ? 6.283185307179586 : 2.0), 0.3);
      if (kind == 3) input.insert(input.end(), run.begin(), run.end());
    }
    pointsT expected = input;
    std::vector<int> expectedCodes;
    classifyByRemoval(expected, expectedCodes, 1e-5);

    point2dArrayC points;
    for (const vectorC2d<double>& p : input) appendPoint(points, p);
    intArrayC codes;
    classifyPointRuns(points, codes, 1e-5);
    ASSERT_EQ(points.elementCount, expected.size()) << round;
    ASSERT_EQ(codes.elementCount, expectedCodes.size()) << round;
    for (uint32_t k = 0; k < points.elementCount; ++k)
      EXPECT_TRUE(points[k].x == expected[k].x && points[k].y == expected[k].y) << round << " " << k;
    for (uint32_t k = 0; k < codes.elementCount; ++k) EXPECT_EQ(codes[k], expectedCodes[k]) << round << " " << k;
    for (uint32_t k = 0; k < codes.elementCount; ++k) ++seen[codes[k]];
  }
  // Every kind of run came up.
  for (int kind : seen) EXPECT_GT(kind, 50);
}

TEST(ShapeReduction, CurvesReduceTheirOwnPointsAndStoreNothingNonFinite) {
  treeC curve("ICRV2D{POINT{0,0},POINT{1e999,0},POINT{1,0},POINT{2,0},POINT{2,5}}");
  mBaseIntCrv2dC view(curve.node(), 0);
  point2dArrayC points;
  EXPECT_EQ(view.appendPoints(points, 0.5), 5);
  treeC list("LIST");
  mShapeList2dC out(list.node(), 0);
  EXPECT_EQ(mBaseShape2dC(curve.node(), 0).toIntCurve(123.0, 1e-5, out), 3);
  EXPECT_EQ(list.text(), "LIST{LINE{POINT{0,0}POINT{1,0}}LINE{POINT{1,0}POINT{2,0}}LINE{POINT{2,0}POINT{2,5}}}");
  // The value beyond the double range cannot be moved: the curve stays as it is.
  EXPECT_EQ(view.scale(2) + view.transform(shapeTest::planeMatrix(1, 0, 1, 0, 1, 0)), 0);
  EXPECT_EQ(curve.text(), "ICRV2D{POINT{0,0}POINT{1e999,0}POINT{1,0}POINT{2,0}POINT{2,5}}");
}
