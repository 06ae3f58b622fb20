#include "proxy3d/prxm3dSketchC.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/docproxy/mathProxyTest.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/modelScript.h"
#include "tests/proxy3d/sketchScript.h"

using namespace modelScript;

namespace {

class m3dSketchScript : public sketchScriptTest {};

const double notANumber = std::numeric_limits<double>::quiet_NaN();

std::string point2d(const dispatchT& vector) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "(%g,%g)", real(vector, "x") + 0.0, real(vector, "y") + 0.0);
  return buffer;
}

int32_t call0(const dispatchT& target, const char* name) { return intOf(method(target.get(), name)); }

}  // namespace

TEST_F(m3dSketchScript, EpsilonRepairRemovesShortShapesOrRestoresALoopThatWouldDegenerate) {
  scriptC s;
  const char* fxEps =
      R"(PART{ITEMS{SKETCH{NAME{"Q"},LOOP{LINE{POINT{0,0},POINT{9.999,0}},LINE{POINT{9.999,0},POINT{10,0.001}},)"
      R"(LINE{POINT{10,0.001},POINT{10,10}},LINE{POINT{10,10},POINT{0,10}},LINE{POINT{0,10},POINT{0,0}}}},)"
      R"(SKETCH{NAME{"T"},LOOP{LINE{POINT{0,0},POINT{10,0}},LINE{POINT{10,0},POINT{10,0.001}},)"
      R"(LINE{POINT{10,0.001},POINT{0,0}}},LOOP{LINE{POINT{0,0},POINT{1,0}}}}}})";
  dispatchT q = featureOf(s, "tosketch", fxEps, text("Q"));
  EXPECT_NEAR(doubleOf(method(q.get(), "getSketchEpsilon")), 0.00141421356237, 1e-12);
  const std::string before = compact(q);
  for (double bad : {notANumber, std::numeric_limits<double>::infinity()})
    expectFailure(method(q.get(), "fixSketchEpsilon", {doubleValue(bad)}), "methode:fixSketchEpsilon(Para:1)");
  expectFailure(method(q.get(), "fixSketchEpsilon", {text("x")}), "methode:fixSketchEpsilon(Para:1)");
  EXPECT_EQ(integer(q, "fixSketchEpsilon", {doubleValue(0.0001)}), 0);
  EXPECT_EQ(compact(q), before);
  EXPECT_EQ(integer(q, "fixSketchEpsilon", {doubleValue(0.01)}), 1);
  EXPECT_EQ(doubleOf(method(q.get(), "getSketchEpsilon")), 10.0);
  EXPECT_EQ(integer(item(get(q, "Loops"), 0), "Count"), 4);

  dispatchT t = featureOf(s, "tosketch", fxEps, text("T"));
  const std::string triangle = compact(t);
  EXPECT_EQ(integer(t, "fixSketchEpsilon", {doubleValue(0.01)}), -1);
  EXPECT_EQ(compact(t), triangle);
  EXPECT_EQ(doubleOf(method(t.get(), "getSketchEpsilon")), 0.001);
  EXPECT_EQ(integer(item(get(t, "Loops"), 0), "Count"), 3);
  EXPECT_EQ(doubleOf(method(s.make("tosketch", "SKETCH{LOOP,MAT}").get(), "getSketchEpsilon")), 1e8);
}

TEST_F(m3dSketchScript, CentreLineTestTakesLinesThroughDefaultMembersAndLoopsShareTheSketchNodes) {
  scriptC s;
  dispatchT c = featureOf(s, "tosketch",
                          "PART{ITEMS{SKETCH{NAME{\"C\"},CENTER{POINT{0,0},POINT{0,10}},LOOP{LINE{POINT{0,12},POINT{0,2}},"
                          "LINE{POINT{1e-9,0},POINT{1e-9,5}},LINE{POINT{1e-7,0},POINT{1e-7,5}}}}}}",
                          number(0));
  dispatchT loop = item(get(c, "Loops"), 0);
  auto line = [&](int i) { return s.to("toline2d", item(loop, i)); };
  const int32_t expected[] = {1, 1, 0};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(integer(c, "isLineOnCenterLine", {objectValue(line(i))}), expected[i]) << i;

  fakeDispatchC leadsToLine;
  leadsToLine.defaultValue = objectValue(line(0));
  EXPECT_EQ(integer(c, "isLineOnCenterLine", {objectValue(&leadsToLine)}), 1);
  fakeDispatchC selfLoop;
  selfLoop.returnsSelf = true;
  for (mzVariantS bad : {objectValue(&selfLoop), objectValue(loop), number(3), mzVariantS()})
    expectFailure(method(c.get(), "isLineOnCenterLine", {bad}), "methode:isLineOnCenterLine(Para:1)");
  leadsToLine.defaultValue.clear();
  EXPECT_EQ(leadsToLine.references, 1u);
  EXPECT_EQ(selfLoop.references, 1u);

  expectEmptyResult(method(s.factory.get(), "toloop", {objectValue(c)}));
  dispatchT sameLoop = s.to("toloop", loop);
  EXPECT_EQ(typeNameOf(sameLoop), "class prxm3dLoopC *");
  EXPECT_EQ(integer(sameLoop, "moveItems", {number(10), number(0)}), 1);
  EXPECT_EQ(point2d(get(line(0), "StartPoint")), "(10,12)");

  // The centre line object is a live view, and a sketch without one answers 0.
  EXPECT_EQ(call0(c, "hasCenterline"), 1);
  put(get(get(c, "CenterLine"), "StartPoint"), "x", doubleValue(10));
  EXPECT_EQ(integer(c, "isLineOnCenterLine", {objectValue(line(0))}), 0);
  dispatchT bare = s.make("tosketch", "SKETCH{LOOP{LINE{POINT{0,0},POINT{0,1}}}}");
  EXPECT_EQ(integer(bare, "isLineOnCenterLine", {objectValue(line(0))}), 0);
  EXPECT_EQ(call0(bare, "hasCenterline"), 0);
  EXPECT_EQ(compact(bare), "SKETCH{LOOP{LINE{POINT{0,0}POINT{0,1}}}}");
}

TEST_F(m3dSketchScript, PlacementOnAPlaneOrAFaceAndTheFrame) {
  using mathTest::vector2d;
  using mathTest::vector3d;
  scriptC s;
  dispatchT n = featureOf(s, "tosketch", R"(PART{ITEMS{SKETCH{NAME{"N"}}}})", number(0));
  EXPECT_EQ(call0(n, "IsOnPlane"), 0);
  EXPECT_EQ(call0(n, "IsOnFace"), 0);
  EXPECT_EQ(textOf(method(n.get(), "OnPlaneName")), "");
  expectEmptyResult(method(n.get(), "OnFacePoint"));
  EXPECT_EQ(compact(n), R"(SKETCH{NAME{"N"}SKETCHON})");
  EXPECT_EQ(point(method(n, "XFormPoint", {objectValue(vector2d(3, 4))})), "(3,4,0)");
  EXPECT_EQ(compact(n), R"(SKETCH{NAME{"N"}SKETCHON,MAT})");
  expectFailure(method(n.get(), "XFormPoint", {objectValue(vector3d(3, 4, 0))}), "methode:XFormPoint(Para:1)");

  dispatchT f = s.make("tosketch", R"(SKETCH{NAME{"F1"},SKETCHON{FACE{NAME{"f"},POINT3D{1,2,3},VEC3D{0,0,1}}}})");
  EXPECT_EQ(call0(f, "IsOnFace"), 1);
  EXPECT_EQ(call0(f, "IsOnPlane"), 0);
  EXPECT_EQ(point(method(f, "OnFacePoint")), "(1,2,3)");
  EXPECT_EQ(point(method(f, "OnFaceNormal")), "(0,0,1)");
  EXPECT_EQ(method(f, "setOnPlaneRelation", {text("X")}).get(), f.get());
  EXPECT_EQ(call0(f, "IsOnFace"), 0);
  EXPECT_EQ(call0(f, "IsOnPlane"), 1);
  EXPECT_EQ(textOf(method(f.get(), "OnPlaneName")), "X");
  EXPECT_EQ(method(f, "setOnFaceRelation", {objectValue(vector3d(1, 2, 3)), objectValue(vector3d(0, 0, 1))}).get(),
            f.get());
  EXPECT_EQ(call0(f, "IsOnFace") + call0(f, "IsOnPlane"), 2);
  const std::string placed = compact(f);
  EXPECT_EQ(placed, R"(SKETCH{NAME{"F1"}SKETCHON{PLANE{"X"}FACE{VEC3D{0,0,1}POINT3D{1,2,3}}}})");
  dispatchT infinite = method(vector3d(1, 2, 3), "div", {number(0)});
  expectFailure(method(f.get(), "setOnFaceRelation", {objectValue(infinite), objectValue(vector3d(0, 0, 1))}),
                "methode:setOnFaceRelation(Para:1)");
  expectFailure(method(f.get(), "setOnFaceRelation", {objectValue(vector3d(0, 0, 1)), objectValue(infinite)}),
                "methode:setOnFaceRelation(Para:2)");
  expectFailure(method(f.get(), "setOnPlaneRelation", {number(1)}), "methode:setOnPlaneRelation(Para:1)");
  EXPECT_EQ(compact(f), placed);

  // The frame: a matrix object's axes become "MAT"; points map through it.
  dispatchT k = s.make("tosketch", "SKETCH{MAT{0,1,0,0,-1,0,0,0,0,0,1,0,1,2,3,1}}");
  dispatchT frame = get(k, "Matrix");
  EXPECT_EQ(point(method(k, "XFormPoint", {objectValue(vector2d(1, 0))})), "(1,3,3)");
  EXPECT_EQ(integer(n, "Matrix", {objectValue(frame)}), 1);
  EXPECT_EQ(point(get(n, "Matrix"), "t"), "(1,2,3)");
  EXPECT_EQ(intOf(call(n, "Matrix", mzInvokePropertyPut, {objectValue(method(frame, ""))})), 1);
  const std::string framed = compact(n);
  expectFailure(call(n, "Matrix", mzInvokePropertyPut, {objectValue(vector3d(1, 2, 3))}), "methode:Matrix(Para:1)");
  EXPECT_EQ(compact(n), framed);
}

TEST_F(m3dSketchScript, LoopListCountsLoopsWhileItsEnumeratorVisitsEveryChild) {
  scriptC s;
  dispatchT k = s.make("tosketch", "SKETCH{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},LOOP{LINE{POINT{0,0},POINT{1,0}}},"
                                   "CENTER{POINT{0,0},POINT{0,1}},LOOP}");
  dispatchT loops = get(k, "Loops");
  EXPECT_EQ(typeNameOf(loops), "class prxmObjListObjTypeContainerTemplateC<class prxm3dLoopC,class m3dLoopC> *");
  EXPECT_EQ(integer(loops, "Count"), 2);
  EXPECT_EQ(integer(item(loops, 1), "Count"), 0);
  EXPECT_EQ(integer(method(loops, "", {number(0)}), "Count"), 1);
  for (int bad : {2, -1}) expectOutOfRange(method(loops.get(), "Item", {number(bad)}));
  expectFailure(method(loops.get(), "Item", {text("x")}), "methode:Item(Para:1)");
  EXPECT_EQ(textOf(loops, "classkey"), "SKETCH");

  dispatchT walk = method(loops, "objEnum");
  EXPECT_EQ(typeNameOf(walk), "class prxmObjEnumC<class prxm3dLoopC> *");
  for (int step = 0; step < 3; ++step) EXPECT_EQ(call0(walk, "nextItem"), 1);
  EXPECT_EQ(call0(walk, "nextItem"), 0);
  EXPECT_EQ(typeNameOf(method(walk, "getItem")), "class prxm3dLoopC *");

  dispatchT added = method(loops, "add");
  EXPECT_EQ(integer(loops, "Count"), 3);
  EXPECT_EQ(integer(added, "Count"), 0);
  dispatchT empty = method(get(s.make("tosketch", "SKETCH"), "Loops"), "objEnum");
  EXPECT_EQ(call0(empty, "isValid"), 0);
  EXPECT_EQ(integer(method(empty, "getItem"), "ValidObj"), 0);
}
