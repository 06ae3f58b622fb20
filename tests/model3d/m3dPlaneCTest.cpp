#include "model3d/planes/m3dPlaneC.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/metaTreeC.h"
#include "model3d/base/frameGeometry.h"
#include "model3d/connections/m3dConnectionsC.h"
#include "model3d/planes/m3dRotPlaneC.h"
#include "model3d/planes/planeCreators.h"
#include "tests/helpers/poolBalance.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::expectFrame;
using model3dTest::identity;
using model3dTest::mirrorX;
using model3dTest::treeC;

namespace {

const char* const offsetPlane =
    "PLANE{NAME{\"Off1\"},TYP{OFF_TO_PLANE},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1},PARAM{0,5,\"Plane XY\"}}";

metaTreeC* matrixOf(const metaTreeC* node) {
  for (metaTreeC* child = node->firstChild; child; child = child->next)
    if (child->hasKeyword("MAT")) return child;
  return nullptr;
}

}  // namespace

TEST(m3dPlaneC, TransformedPlanesBecomeAbsoluteAndStayRightHanded) {
  treeC mirrored(offsetPlane);
  m3dPlaneC plane(mirrored.node(), 0);
  EXPECT_EQ(plane.transform(mirrorX()), 1);
  EXPECT_TRUE(plane.isAbsolute());
  expectFrame(matrixOf(mirrored.node()), {-1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, 5});
  EXPECT_NE(mirrored.text().find("PARAM{0,5,\"Plane XY\"}"), std::string::npos);

  treeC same(offsetPlane);
  EXPECT_EQ(m3dPlaneC(same.node(), 0).transform(identity()), 1);
  EXPECT_EQ(same.text(), "PLANE{NAME{\"Off1\"}TYP{ABS_PLANE}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1}PARAM{0,5,\"Plane XY\"}}");
  treeC basic("PLANE{TYP{XY}}");
  EXPECT_EQ(m3dPlaneC(basic.node(), 0).transform(identity()), 1);
  EXPECT_EQ(basic.text(), "PLANE{TYP{ABS_PLANE}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}");

  // Bad input changes nothing: factors and matrices that are not finite, texts that are no word.
  treeC bad(offsetPlane);
  m3dPlaneC badPlane(bad.node(), 0);
  matrixC4x4<double> infinite = identity();
  infinite.values[13] = INFINITY;
  matrixC4x4<double> huge = identity();
  huge.values[0] = 1e300;
  huge.values[14] = 1e300;
  EXPECT_EQ(badPlane.scale(std::nan("")), 0);
  EXPECT_EQ(badPlane.transform(infinite), 0);
  EXPECT_EQ(m3dGeomOpBaseC(bad.node(), 0).transform(infinite), 0);
  EXPECT_EQ(badPlane.transform(huge * huge), 0);
  EXPECT_FALSE(badPlane.setType("}"));
  EXPECT_FALSE(badPlane.setOffsetPlane(1, INFINITY, "x"));
  EXPECT_EQ(bad.text(), treeC(offsetPlane).text());
  EXPECT_TRUE(badPlane.setType("ABS_PLANE"));
  EXPECT_TRUE(badPlane.isAbsolute());
}

TEST(m3dPlaneC, ScalingAndParametersReadOnlyWhatIsThere) {
  struct {
    const char* plane;
    double factor;
    const char* expected;
  } const scalings[] = {
      {offsetPlane, 2.0,
       "PLANE{NAME{\"Off1\"}TYP{OFF_TO_PLANE}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,10,1}PARAM{0,10,\"Plane XY\"}}"},
      {"PLANE{TYP{OFF_TO_PLANE},PARAM{1,5}}", 2.0, "PLANE{TYP{OFF_TO_PLANE}PARAM{1,5}}"},
      {"PLANE{NAME{\"r\"}}", 3.0, "PLANE{NAME{\"r\"}}"},
      {"PLANE{TYP{OFF_TO_PLANE},PARAM{1,1e300,\"R\"}}", 1e10, "PLANE{TYP{OFF_TO_PLANE}PARAM{1,1e+300,\"R\"}}"},
  };
  for (const auto& row : scalings) {
    treeC plane(row.plane);
    EXPECT_EQ(m3dPlaneC(plane.node(), 0).scale(row.factor), 1);
    EXPECT_EQ(plane.text(), row.expected);
  }

  treeC offset("PLANE{TYP{OFF_TO_PLANE},PARAM{\"a\",5,7}}");
  uint32_t side = 9;
  double distance = 0.0;
  str name("old");
  EXPECT_EQ(m3dOffsetPlaneC(offset.node(), 0).getParams(side, distance, name), 1);
  EXPECT_EQ(side, 0u);
  EXPECT_EQ(distance, 5.0);
  EXPECT_EQ(name, "");

  struct {
    const char* params;
    int result;
    double angle;
    const char* name;
    int axis;
    const char* referenced;
  } const rotations[] = {
      {"PARAM{30,\"X\",PA_Y}", 1, 30, "X", 1, "X"},
      {"PARAM{30,\"X\",PA_Q}", 0, 30, "X", -1, "X"},
      {"PARAM{30}", 0, 30, "-", -1, ""},
      {"PARAM{\"30\",\"X\",PA_Z}", 0, -1, "-", -1, ""},
  };
  for (const auto& row : rotations) {
    treeC plane(("PLANE{TYP{ROT_TO_PLANE}," + std::string(row.params) + "}").c_str());
    double angle = -1;
    str reference("-");
    int axis = -1;
    EXPECT_EQ(m3dRotPlaneC(plane.node(), 0).getParams(angle, reference, axis), row.result) << row.params;
    EXPECT_EQ(angle, row.angle);
    EXPECT_EQ(reference, row.name);
    EXPECT_EQ(axis, row.axis);
    nameListC names;
    EXPECT_EQ(m3dPlaneC(plane.node(), 0).getReferencedNames(names), 1);
    ASSERT_EQ(names.elementCount, 1u);
    EXPECT_EQ(names[0], row.referenced);
  }

  // Only a plane view answers for the plane; the feature registry has no planes.
  treeC plane(offsetPlane);
  nameListC viaPlane, viaFeature;
  m3dPlaneC(plane.node(), 0).getReferencedNames(viaPlane);
  m3dFeatGenC(plane.node(), 0).getReferencedNames(viaFeature);
  ASSERT_EQ(viaPlane.elementCount, 1u);
  EXPECT_EQ(viaPlane[0], "Plane XY");
  EXPECT_EQ(viaFeature.elementCount, 0u);

  treeC rotated("PLANE");
  EXPECT_TRUE(m3dRotPlaneC(rotated.node(), 0).setParams(15, "R", 2));
  EXPECT_FALSE(m3dRotPlaneC(rotated.node(), 0).setParams(15, "R", 3));
  EXPECT_EQ(rotated.text(), "PLANE{PARAM{15,\"R\",PA_Z}}");
}

TEST(m3dPlaneC, CreatorsBuildDetachedPlanes) {
  poolBalance pool;
  {
    treeC reference("PLANE{NAME{\"X\"},MAT{1,0,0,0,0,1,0,0,0,0,2,0,0,0,1,1}}");
    m3dOffsetPlaneC against = createOffsetPlane(m3dPlaneC(reference.node(), 0), "O", 1, 2.0, 1);
    EXPECT_EQ(against.writeToStringValue(1, 0),
              "PLANE{NAME{\"O\"}TYP{OFF_TO_PLANE}MAT{1,0,0,0,0,1,0,0,0,0,2,0,0,0,-3,1}PARAM{1,2,\"X\"}}");
    m3dOffsetPlaneC along = createOffsetPlane(m3dPlaneC(reference.node(), 0), "O", 0, 2.0, 1);
    expectFrame(matrixOf(along.getNode()), {1, 0, 0}, {0, 1, 0}, {0, 0, 2}, {0, 0, 5});
    treeC sketch("SKETCH{}");
    EXPECT_FALSE(createOffsetPlane(m3dPlaneC(sketch.node(), 0), "O", 0, 2.0, 1).isValid());
    EXPECT_FALSE(createOffsetPlane(m3dPlaneC(reference.node(), 0), "O", 0, 1e308 * 10, 1).isValid());

    EXPECT_EQ(createBasePlane("ZX", 1).writeToStringValue(1, 0),
              "PLANE{NAME{\"Plane ZX\"}TYP{ZX}MAT{1,0,0,0,0,0,-1,0,0,1,0,0,0,0,0,1}}");
    EXPECT_EQ(createBasePlane("YZ", 1).writeToStringValue(1, 0),
              "PLANE{NAME{\"Plane YZ\"}TYP{YZ}MAT{0,0,-1,0,0,1,0,0,1,0,0,0,0,0,0,1}}");
    EXPECT_EQ(createBasePlane("xy", 1).writeToStringValue(1, 0), "PLANE");
    EXPECT_EQ(createAbsPlane("A", identity(), 1).writeToStringValue(1, 0),
              "PLANE{NAME{\"A\"}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}TYP{ABS_PLANE}}");
    matrixC4x4<double> notFinite = identity();
    notFinite.values[5] = NAN;
    EXPECT_FALSE(createAbsPlane("A", notFinite, 1).isValid());

    matrixC4x4<double> flatZ = identity();
    flatZ.values[10] = 0.0;
    EXPECT_EQ(isMirroredFrame(identity()), 0);
    EXPECT_EQ(isMirroredFrame(mirrorX()), 1);
    EXPECT_EQ(isMirroredFrame(flatZ), 0);
    EXPECT_TRUE(isParallel3d({0, 0, 2}, {0, 0, -5}));
    EXPECT_FALSE(isParallel3d({0, 0, 0}, {0, 0, 0}));
    EXPECT_FALSE(isParallel2d({1, 0}, {1, 1}));
    EXPECT_FALSE(isParallel2d({0, 0}, {1, 0}));
  }
  pool.expectBalanced();
}

TEST(m3dConnPointC, ConnectionPointsScaleTransformAndAreFoundByName) {
  const char* const c1 = "CONNPOINT{NAME{\"C1\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}";
  treeC scaled(c1);
  EXPECT_EQ(m3dGeomOpBaseC(scaled.node(), 0).scale(2.0), 1);
  expectFrame(matrixOf(scaled.node()), {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {2, 4, 6});
  treeC mirrored(c1);
  EXPECT_EQ(m3dGeomOpBaseC(mirrored.node(), 0).transform(mirrorX()), 1);
  expectFrame(matrixOf(mirrored.node()), {-1, 0, 0}, {0, -1, 0}, {0, 0, 1}, {-1, 2, 3});
  treeC bare("CONNPOINT{NAME{\"c\"}}");
  EXPECT_EQ(m3dConnPointC(bare.node(), 0).scale(2.0), 1);
  EXPECT_EQ(bare.text(), "CONNPOINT{NAME{\"c\"}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}");
  EXPECT_EQ(m3dConnPointC(bare.node(), 0).scale(-INFINITY), 0);
  EXPECT_EQ(m3dConnPointC().transform(identity()), 0);

  treeC connect("CONNECT{OTHER{NAME{\"C1\"}},CONNPOINT{NAME{\"C1\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}}");
  m3dConnectionsC connections(connect.node(), 0);
  EXPECT_EQ(connections.findByName("C1").getNode(), connect.node()->firstChild->next);
  EXPECT_FALSE(connections.findByName("c1").isValid());
  EXPECT_EQ(connections.getCount(), 1u);
  EXPECT_EQ(getEnclosingConnections(connect.node()->firstChild->next->firstChild).getNode(), connect.node());
  EXPECT_FALSE(getEnclosingConnections(connect.node()).isValid());
}
