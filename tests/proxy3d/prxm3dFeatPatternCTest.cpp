#include "proxy3d/prxm3dFeatPatternC.h"

#include <gtest/gtest.h>

#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/modelScript.h"
#include "tests/proxy3d/sketchScript.h"

using namespace modelScript;

namespace {

class m3dPatternScript : public poolBalancedTest {};

}  // namespace

TEST_F(m3dPatternScript, PatternsAnswerTheSketchMembersOverTheirOwnChildrenAndBodiesTheFeatureMembers) {
  scriptC s;
  dispatchT pt = featureOf(
      s, "topattern",
      R"(PART{ITEMS{SKETCH{NAME{"S"},LOOP{CIRCLE{POINT{0,0},RAD{1}}}},BASE{NAME{"F"},TYP{EXTRUDE},USED{"S"}},)"
      R"(FEATPATTERN{NAME{"P"},FPBASEFEAT{NAME{"F"},POINT3D{0,0,0}},)"
      R"(FPSKETCH{SKETCHON{PLANE{"Plane XY"}},FPSKETCHPOINTS{POINT{10,0},POINT{20,0}}}}}})",
      number(2));
  EXPECT_EQ(typeNameOf(pt), "class prxm3dFeatPatternC *");
  EXPECT_EQ(textOf(pt, "Name"), "P");
  EXPECT_EQ(intOf(method(pt.get(), "IsOnPlane")), 0);
  EXPECT_EQ(integer(get(pt, "Loops"), "Count"), 0);
  EXPECT_EQ(integer(s.factory, "ispattern", {objectValue(pt)}), 1);
  method(get(pt, "Loops"), "add");
  EXPECT_EQ(method(pt, "setOnPlaneRelation", {text("X")}).get(), pt.get());
  EXPECT_EQ(compact(pt), R"(FEATPATTERN{NAME{"P"}FPBASEFEAT{NAME{"F"}POINT3D{0,0,0}})"
                         R"(FPSKETCH{SKETCHON{PLANE{"Plane XY"}}FPSKETCHPOINTS{POINT{10,0}POINT{20,0}}})"
                         R"(SKETCHON{PLANE{"X"}}LOOP})");
  expectEmptyResult(method(s.factory.get(), "tosketch", {objectValue(pt)}));
  expectEmptyResult(method(s.factory.get(), "topattern", {number(1)}));

  dispatchT body = s.make("tobody", R"(BODY{NAME{"b"}})");
  EXPECT_EQ(typeNameOf(body), "class prxm3dBodyC *");
  EXPECT_EQ(textOf(put(body, "Name", text("c")), "Name"), "c");
  expectFailure(method(body.get(), "IsOnPlane"), "methode:IsOnPlane");
  EXPECT_EQ(textOf(method(get(body, "Factory").get(), "keybody")), "BODY");
  fakeDispatchC hostBody;
  hostBody.memberValue = text("BODY");
  EXPECT_EQ(integer(s.factory, "isbody", {objectValue(&hostBody)}), 1);
  hostBody.memberValue = number(1);
  EXPECT_EQ(integer(s.factory, "isbody", {objectValue(&hostBody)}), 0);
  EXPECT_EQ(hostBody.references, 1u);
}
