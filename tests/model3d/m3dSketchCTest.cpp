#include "model3d/sketches/m3dSketchC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "model3d/bodyFeatures/m3dFeatBodyC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/sketches/m3dArcC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::treeC;
using shapeTest::expectPoint;

namespace {

const char* const epsilonPart =
    "PART{ITEMS{SKETCH{NAME{\"Q\"},LOOP{LINE{POINT{0,0},POINT{9.999,0}},LINE{POINT{9.999,0},POINT{10,0.001}},"
    "LINE{POINT{10,0.001},POINT{10,10}},LINE{POINT{10,10},POINT{0,10}},LINE{POINT{0,10},POINT{0,0}}}},"
    "SKETCH{NAME{\"T\"},LOOP{LINE{POINT{0,0},POINT{10,0}},LINE{POINT{10,0},POINT{10,0.001}},"
    "LINE{POINT{10,0.001},POINT{0,0}}}}}}";
const char* const placedSketch =
    "SKETCH{CENTER{POINT{0,0},POINT{0,10}},SKETCHON{FACE{NAME{\"f\"},POINT3D{1,2,3},VEC3D{0,0,1}}},"
    "LOOP{LINE{POINT{1,2},POINT{3,4}},CIRCLE{POINT{1,1},RAD{2}}}}";

metaTreeC* item(const treeC& part, int index) { return metaObjectC(part.node()->firstChild, 0).childAt(index); }

vectorC2d<double> pointOf(metaTreeC* shape, int n) { return mBaseLine2dC(shape, 0).getPointAt(n); }

}  // namespace

TEST(m3dSketchC, EpsilonIsTheShortestShapeAndTheRepairJoinsOrRestoresLoops) {
  {
    // The first repair sets up the library's shared tables; the balance counts what follows.
    treeC warmUp(epsilonPart);
    m3dPartC(warmUp.node(), 0).fixSketchEpsilon(0.01);
  }
  poolBalance pool;
  {
    treeC part(epsilonPart);
    m3dSketchC q(item(part, 0), 0);
    m3dSketchC t(item(part, 1), 0);
    m3dShapeBaseC shortest;
    EXPECT_NEAR(q.getShortestShapeLength(shortest), 0.00141421356237, 1e-12);
    EXPECT_EQ(shortest.getNode(), q.getLoop(0).childAt(1));
    m3dShapeBaseC partShortest;
    EXPECT_NEAR(m3dPartC(part.node(), 0).getSketchEpsilon(partShortest), 0.001, 1e-15);
    EXPECT_EQ(partShortest.getNode(), t.getLoop(0).childAt(1));

    const std::string before = part.text();
    for (double eps : {0.0001, -1.0, std::numeric_limits<double>::quiet_NaN()}) EXPECT_EQ(q.fixSketchEpsilon(eps), 0) << eps;
    EXPECT_EQ(part.text(), before);

    // The tiny side of the triangle would leave two shapes: restored as copies, the old shape
    // detached for its viewer.
    metaTreeViewC oldSide(t.getLoop(0).childAt(1));
    EXPECT_EQ(t.fixSketchEpsilon(0.01), -1);
    EXPECT_EQ(part.text(), before);
    EXPECT_EQ(oldSide.getNode()->parent, nullptr);
    EXPECT_NE(t.getLoop(0).childAt(1), oldSide.getNode());

    EXPECT_EQ(q.fixSketchEpsilon(0.01), 1);
    const double expected[4][4] = {{0, 0, 10, 0}, {10, 0, 10, 10}, {10, 10, 0, 10}, {0, 10, 0, 0}};
    ASSERT_EQ(q.getShapeCount(), 4u);
    for (int i = 0; i < 4; ++i) {
      expectPoint(pointOf(q.getLoop(0).childAt(i), 0), expected[i][0], expected[i][1]);
      expectPoint(pointOf(q.getLoop(0).childAt(i), 1), expected[i][2], expected[i][3]);
    }
    EXPECT_DOUBLE_EQ(q.getShortestShapeLength(shortest), 10.0);
  }
  {
    treeC part(epsilonPart);
    EXPECT_EQ(m3dPartC(part.node(), 0).fixSketchEpsilon(0.01), 0);
  }
  pool.expectBalanced();

  m3dShapeBaseC none;
  treeC empty("PART{ITEMS}");
  treeC planeOnly("PART{ITEMS{PLANE}}");
  EXPECT_EQ(m3dPartC(empty.node(), 0).getSketchEpsilon(none), 0.0);
  EXPECT_EQ(m3dPartC(empty.node(), 0).fixSketchEpsilon(1.0), 0);
  EXPECT_EQ(m3dPartC(planeOnly.node(), 0).getSketchEpsilon(none), 1e8);
  treeC bare("SKETCH{NAME{\"S\"}}");
  m3dSketchC sketch(bare.node(), 0);
  vectorC2d<double> min, max;
  EXPECT_EQ(sketch.getShortestShapeLength(none), 1e8);
  EXPECT_FALSE(none.isValid());
  EXPECT_EQ(sketch.getBoundRect(min, max), 0);
  // A huge epsilon with no shape shorter than 1e8 leaves the loop alone.
  treeC huge("SKETCH{LOOP{LINE{POINT{0,0},POINT{2e8,0}},LINE{POINT{2e8,0},POINT{0,2e8}},LINE{POINT{0,2e8},POINT{0,0}}}}");
  const std::string hugeText = huge.text();
  EXPECT_EQ(m3dSketchC(huge.node(), 0).fixSketchEpsilon(1e9), 0);
  EXPECT_EQ(huge.text(), hugeText);
}

TEST(m3dSketchC, CentreLineQueries) {
  treeC sketchTree(
      "SKETCH{CENTER{POINT{0,0},POINT{0,10}},LOOP{LINE{POINT{0,12},POINT{0,2}},LINE{POINT{1e-9,0},POINT{1e-9,5}},"
      "LINE{POINT{1e-7,0},POINT{1e-7,5}},LINE{POINT{0,3},POINT{0,3}}}}");
  m3dSketchC sketch(sketchTree.node(), 0);
  const int expected[] = {1, 1, 0, 0};
  for (int i = 0; i < 4; ++i) {
    mBaseLine2dC line(sketch.getLoop(0).childAt(i), 0);
    EXPECT_EQ(sketch.isLineOnCenterLine(line), expected[i]) << i;
  }
  const sketchLineListC onAxis = sketch.getLinesOnCenterLine();
  ASSERT_EQ(onAxis.elementCount, 2u);
  EXPECT_EQ(onAxis[1].getNode(), sketch.getLoop(0).childAt(1));

  treeC plain("SKETCH{LOOP{LINE{POINT{0,0},POINT{0,1}}}}");
  m3dSketchC noCentre(plain.node(), 0);
  mBaseLine2dC line(noCentre.getLoop(0).childAt(0), 0);
  vectorC2d<double> a, b;
  EXPECT_EQ(noCentre.isLineOnCenterLine(line), 0);
  EXPECT_EQ(noCentre.getCenterLineEnds(a, b), 0);
  EXPECT_EQ(noCentre.getLinesOnCenterLine().elementCount, 0u);
  EXPECT_EQ(plain.text(), "SKETCH{LOOP{LINE{POINT{0,0}POINT{0,1}}}}");
}

TEST(m3dSketchC, PlacementScalesAndMirrorsInsideItsPlane) {
  treeC scaled(placedSketch);
  ASSERT_EQ(m3dSketchC(scaled.node(), 0).scale(2.0), 1);
  EXPECT_EQ(scaled.text(),
            "SKETCH{CENTER{POINT{0,0}POINT{0,20}}SKETCHON{FACE{NAME{\"f\"}POINT3D{2,4,6}VEC3D{0,0,1}}}"
            "LOOP{LINE{POINT{2,4}POINT{6,8}}CIRCLE{POINT{2,2}RAD{4}}}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}");

  treeC mirrored(placedSketch);
  matrixC4x4<double> flip = model3dTest::identity();
  flip.values[10] = -1.0;
  // Through the feature base, the same transform.
  m3dSketchC sketch(mirrored.node(), 0);
  ASSERT_EQ(static_cast<m3dFeatGenC&>(sketch).transform(flip), 1);
  EXPECT_EQ(mirrored.text(),
            "SKETCH{CENTER{POINT{0,0}POINT{0,-10}}SKETCHON{FACE{NAME{\"f\"}POINT3D{1,2,-3}VEC3D{0,0,-1}}}"
            "LOOP{LINE{POINT{1,-2}POINT{3,-4}}CIRCLE{POINT{1,-1}RAD{2}}}MAT{1,0,0,0,0,-1,0,0,0,0,-1,0,0,0,0,1}}");
  matrixC4x4<double> bad = model3dTest::identity();
  bad.values[12] = std::numeric_limits<double>::infinity();
  const std::string afterMirror = mirrored.text();
  EXPECT_EQ(static_cast<m3dSketchBaseC&>(sketch).transform(bad), 0);
  EXPECT_EQ(sketch.scale(std::nan("")), 0);
  EXPECT_EQ(mirrored.text(), afterMirror);

  treeC placed(placedSketch);
  m3dSketchC onFace(placed.node(), 0);
  vectorC2d<double> min, max;
  ASSERT_EQ(onFace.getBoundRect(min, max), 1);
  expectPoint(min, -1, -1);
  expectPoint(max, 3, 4);
  nameListC names;
  onFace.getReferencedNames(names);
  onFace.getSketchOn().setOnPlane("X");
  model3dTest::expectVector(onFace.getSketchOn().getOnFacePoint(), 0, 0, 0);
  onFace.getReferencedNames(names);
  ASSERT_EQ(names.elementCount, 2u);
  EXPECT_EQ(names[0], "f");
  EXPECT_EQ(names[1], "X");
  EXPECT_NE(placed.text().find("SKETCHON{PLANE{\"X\"}}"), std::string::npos) << placed.text();
}

TEST(m3dSketchC, CirclesMergesArcsAndUsers) {
  treeC arcs("SKETCH{LOOP{ARC{POINT{1,0},POINT{0,1},POINT{-1,0}},ARC{POINT{-1,0},POINT{0,-1},POINT{1,0}}}}");
  vectorC2d<double> centre(5, 5);
  double radius = 0.0;
  EXPECT_EQ(m3dSketchC(arcs.node(), 0).getCircle(&centre, &radius), 1);
  expectPoint(centre, 0, 0);
  EXPECT_NEAR(radius, 1.0, 1e-12);
  treeC placed(placedSketch);
  treeC twoLoops("SKETCH{LOOP{CIRCLE{POINT{1,1},RAD{2}}},LOOP{CIRCLE{POINT{1,1},RAD{2}}}}");
  EXPECT_EQ(m3dSketchC(placed.node(), 0).getCircle(nullptr, nullptr), 0);
  EXPECT_EQ(m3dSketchC(twoLoops.node(), 0).getCircle(nullptr, nullptr), 0);

  treeC square("SKETCH{LOOP{LINE{POINT{0,0},POINT{1,0}},LINE{POINT{1,0},POINT{2,0}},LINE{POINT{2,0},POINT{2,2}},"
               "LINE{POINT{2,2},POINT{0,0}}}}");
  m3dSketchC(square.node(), 0).mergeCollinearLines();
  EXPECT_EQ(square.text(),
            "SKETCH{LOOP{LINE{POINT{0,0}POINT{2,0}}LINE{POINT{2,0}POINT{2,2}}LINE{POINT{2,2}POINT{0,0}}}}");

  m3dArcC arc = m3dArcC::create({1, 0}, {0, 1}, {-1, 0}, 1);
  EXPECT_EQ(std::string(arc.writeToStringValue(1, 0).c_str()), "ARC{POINT{1,0}POINT{0,1}POINT{-1,0}}");

  treeC used("PART{ITEMS{SKETCH{NAME{\"S\"}},BASE{NAME{\"E\"},USED{\"S\"}}}}");
  EXPECT_EQ(m3dSketchC(item(used, 0), 0).getUsingFeature().getName(), "E");
  treeC twice("PART{ITEMS{SKETCH{NAME{\"S\"}},BASE{NAME{\"E\"},USED{\"S\"}},CUT{NAME{\"F\"},USED{\"S\"}}}}");
  EXPECT_FALSE(m3dSketchC(item(twice, 0), 0).getUsingFeature().isValid());

  treeC part(
      "PART{ITEMS{PLANE{NAME{\"P0\"},TYP{XY}},SKETCH{NAME{\"S\"},SKETCHON{PLANE{\"P0\"}}},BASE{NAME{\"E1\"},USED{\"S\"}},"
      "CUT{NAME{\"E2\"},USED{\"S\"}},SKETCH{NAME{\"S2\"},SKETCHON{FACE{NAME{\"E1\"}}}},"
      "PLANE{NAME{\"O\"},TYP{OFF_TO_PLANE},PARAM{0,1,\"P0\"}}}}");
  m3dPartItemsC items = m3dPartC(part.node(), 0).getItems();
  const struct {
    const char* name;
    std::vector<const char*> dependents;
  } cases[] = {{"S", {"E1", "E2"}}, {"P0", {"S"}}, {"E1", {"S2"}}};
  for (const auto& c : cases) {
    const nameListC names = items.getDependentFeatureNames(c.name);
    ASSERT_EQ(names.elementCount, c.dependents.size()) << c.name;
    for (uint32_t i = 0; i < names.elementCount; ++i) EXPECT_EQ(names[i], c.dependents[i]) << c.name;
  }
  EXPECT_EQ(items.findFeatureByName("E1").getMaterialRole(), 0);
  EXPECT_EQ(items.findFeatureByName("E2").getMaterialRole(), 1);
}
