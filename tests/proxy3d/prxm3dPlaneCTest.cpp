#include "proxy3d/prxm3dPlaneC.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/proxy3d/modelScript.h"
#include "tests/proxy3d/sketchScript.h"

using namespace modelScript;

namespace {

class m3dPlaneScript : public poolBalancedTest {};

int32_t call0(const dispatchT& target, const char* name) { return intOf(method(target.get(), name)); }

}  // namespace

TEST_F(m3dPlaneScript, TypeTestsAndBaseNamesCompareTheTypeWordByteForByte) {
  scriptC s;
  struct caseS {
    const char* plane;
    int32_t isBase, isOffset, isRotation;
    const char* baseName;
  };
  for (const caseS& c : {caseS{"PLANE{TYP{XY}}", 1, 0, 0, "XY"}, {"PLANE{TYP{ZX}}", 1, 0, 0, "ZX"},
                         {"PLANE{TYP{YZ}}", 1, 0, 0, "YZ"}, {"PLANE{TYP{xy}}", 0, 0, 0, ""},
                         {"PLANE{TYP{OFF_TO_PLANE}}", 0, 1, 0, ""}, {"PLANE{TYP{ROT_TO_PLANE}}", 0, 0, 1, ""},
                         {"PLANE{TYP{\"XY\"}}", 0, 0, 0, ""}, {"PLANE", 0, 0, 0, ""}}) {
    dispatchT p = s.make("toplane", c.plane);
    EXPECT_EQ(call0(p, "IsBase"), c.isBase) << c.plane;
    EXPECT_EQ(call0(p, "IsOffset"), c.isOffset) << c.plane;
    EXPECT_EQ(call0(p, "IsRotation"), c.isRotation) << c.plane;
    EXPECT_EQ(textOf(method(p.get(), "BaseName")), c.baseName) << c.plane;
    EXPECT_EQ(textOf(method(method(p, "toBasePlane").get(), "BaseName")), c.baseName) << c.plane;
  }
  dispatchT bare = s.make("toplane", "PLANE");
  EXPECT_EQ(textOf(bare, "Type"), "");
  EXPECT_EQ(compact(bare), "PLANE{TYP}");

  dispatchT b = s.make("toplane", R"(PLANE{NAME{"B"},TYP{XY}})");
  expectFailure(call(b, "Type", mzInvokePropertyPut, {text("a b")}), "methode:Type(Para:1)");
  expectFailure(method(b.get(), "Type", {text("")}), "methode:Type(Para:1)");
  expectFailure(call(b, "Type", mzInvokePropertyPut, {number(1)}), "methode:Type(Para:1)");
  EXPECT_EQ(compact(b), R"(PLANE{NAME{"B"}TYP{XY}})");
  EXPECT_EQ(put(b, "Type", text("OFF_TO_PLANE")).get(), b.get());
  EXPECT_EQ(call0(b, "IsOffset"), 1);
  EXPECT_EQ(compact(b), R"(PLANE{NAME{"B"}TYP{OFF_TO_PLANE}})");
  EXPECT_EQ(typeNameOf(method(b, "toOffsetPlane")), "class prxm3dOffsetPlaneC *");
  EXPECT_EQ(textOf(method(b, "toBasePlane"), "Name"), "B");
}

TEST_F(m3dPlaneScript, OffsetPutsRewriteAllThreeParametersAndTheFrameTakesAMatrixObject) {
  scriptC s;
  dispatchT o = method(featureOf(s, "toplane", R"(PART{ITEMS{PLANE{NAME{"O"},TYP{OFF_TO_PLANE},PARAM{1,10,"XY"}}}})",
                                 number(0)),
                       "toOffsetPlane");
  EXPECT_EQ(real(o, "Distance"), 10.0);
  EXPECT_EQ(integer(o, "Side"), 1);
  EXPECT_EQ(textOf(o, "RefName"), "XY");
  EXPECT_EQ(call0(o, "IsOffset"), 1);
  EXPECT_EQ(put(o, "Distance", doubleValue(12.5)).get(), o.get());
  EXPECT_EQ(compact(o), R"(PLANE{NAME{"O"}TYP{OFF_TO_PLANE}PARAM{1,12.5,"XY"}})");
  put(o, "Side", number(0));
  EXPECT_EQ(compact(o), R"(PLANE{NAME{"O"}TYP{OFF_TO_PLANE}PARAM{0,12.5,"XY"}})");
  EXPECT_EQ(method(o, "Side", {number(5)}).get(), o.get());
  EXPECT_EQ(integer(o, "Side"), 1);
  put(o, "RefName", text("ZX"));
  EXPECT_EQ(compact(o), R"(PLANE{NAME{"O"}TYP{OFF_TO_PLANE}PARAM{1,12.5,"ZX"}})");
  const std::string kept = compact(o);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
    expectFailure(call(o, "Distance", mzInvokePropertyPut, {doubleValue(bad)}), "methode:Distance(Para:1)");
    expectFailure(call(o, "Side", mzInvokePropertyPut, {doubleValue(bad)}), "methode:Side(Para:1)");
  }
  expectFailure(call(o, "RefName", mzInvokePropertyPut, {number(2)}), "methode:RefName(Para:1)");
  EXPECT_EQ(compact(o), kept);

  // A plane whose parameters do not read counts as side 0, distance 0, no reference.
  dispatchT b = featureOf(s, "toplane", R"(PART{ITEMS{PLANE{NAME{"B"},TYP{XY}}}})", number(0));
  EXPECT_EQ(call0(b, "IsBase"), 1);
  dispatchT asOffset = method(b, "toOffsetPlane");
  EXPECT_EQ(integer(asOffset, "Side"), 0);
  EXPECT_EQ(real(asOffset, "Distance"), 0.0);
  EXPECT_EQ(textOf(asOffset, "RefName"), "");
  put(asOffset, "Distance", number(5));
  EXPECT_EQ(compact(b), R"(PLANE{NAME{"B"}TYP{OFF_TO_PLANE}PARAM{0,5,""}})");
  EXPECT_EQ(real(method(s.make("toplane", R"(PLANE{PARAM{1,2,"R",4}})"), "toOffsetPlane"), "Distance"), 0.0);

  dispatchT k = get(s.make("tosketch", "SKETCH{MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}"), "Matrix");
  EXPECT_EQ(intOf(call(b, "Matrix", mzInvokePropertyPut, {objectValue(k)})), 1);
  EXPECT_EQ(point(get(b, "Matrix"), "t"), "(1,2,3)");
  const std::string framed = compact(b);
  expectFailure(call(b, "Matrix", mzInvokePropertyPut, {objectValue(get(k, "t"))}), "methode:Matrix(Para:1)");
  EXPECT_EQ(compact(b), framed);
}
