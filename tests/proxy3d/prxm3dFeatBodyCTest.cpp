#include "proxy3d/prxm3dFeatBodyC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "mzcom/mzComEngineState.h"
#include "mzcom/mzComExports.h"
#include "proxy3d/prxm3dThreadInfoC.h"
#include "tests/mzcom/fakeEngine.h"
#include "tests/proxy3d/fakeHostArray.h"
#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

constexpr const char* fxThread =
    R"(PART{ITEMS{SKETCH{NAME{"S"},LOOP{LINE{POINT{0,-5},POINT{20,-5}}}},BASE{NAME{"B"},TYP{ROTATE},USED{"S"},)"
    R"(PARAM{360,0,0}}},COSDRAW{COSSKETCH{NAME{"S_COSMETIC"},CENTER{POINT{0,0},POINT{1,0}},)"
    R"(COSSHAPES{LINE{POINT{2,-4},POINT{12,-4}}}}}})";

// A host whose engine makes the array above.
class bodyFeatureScript : public poolBalancedTest {
 protected:
  fakeHostArrayC array;
  fakeEngineC engine;
  scriptC s;

  void SetUp() override {
    engine.classObjects.push_back({mzIIDS("rudezaze.array"), &array});
    mzComInitRemoteEngine(&engine);
  }
  void TearDown() override {
    while (mzComAttachCount() > 0) mzComTerminateRemoteEngine();
    array.items.clear();
    EXPECT_EQ(array.references, 1u);
  }

  // What Threads handed the host's array, which it must answer.
  std::vector<dispatchT> threadsOf(const dispatchT& body) {
    array.items.clear();
    dispatchT answered = get(body, "Threads");
    EXPECT_EQ(answered.get(), &array);
    std::vector<dispatchT> threads;
    for (const mzVariantS& item : array.items) threads.push_back(objectOf(callS{0, item, "", "", {}}));
    return threads;
  }
};

TEST_F(bodyFeatureScript, MembersReadAndWriteTheSharedFeatureNode) {
  dispatchT part = s.make("topart", R"(PART{ITEMS{BASE{NAME{"R"},TYP{ROTATE},USED{"S"},PARAM{90,0,0},EXTDFTANGLE{3}}}})");
  dispatchT b = s.to("tobase", item(get(part, "Features"), 0));
  EXPECT_EQ(typeNameOf(b), "class prxm3dFeatBaseC *");
  EXPECT_EQ(integer(b, "IsRotate", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(b, "IsExtrude", {}, mzInvokeMethod), 0);
  EXPECT_EQ(textOf(b, "Name"), "R");
  EXPECT_EQ(textOf(b, "Type"), "ROTATE");
  // A revolution has no draft angle: it reads 0.0 and a put changes nothing.
  EXPECT_EQ(real(b, "DraftAngle"), 0.0);
  EXPECT_EQ(put(b, "DraftAngle", doubleValue(5)).get(), b.get());
  EXPECT_EQ(put(b, "Side", number(2)).get(), b.get());
  EXPECT_EQ(integer(b, "Side"), 2);
  EXPECT_EQ(compact(b), R"(BASE{NAME{"R"}TYP{ROTATE}USED{"S"}PARAM{90,0,1}EXTDFTANGLE{3}})");
  put(b, "KeyValue", number(7));
  EXPECT_EQ(real(b, "KeyValue"), 7.0);
  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity()})
    expectFailure(call(b, "KeyValue", mzInvokePropertyPut, {doubleValue(bad)}), "methode:KeyValue(Para:1)");
  expectFailure(call(b, "Side", mzInvokePropertyPut, {doubleValue(std::nan(""))}), "methode:Side(Para:1)");
  expectFailure(call(b, "Type", mzInvokePropertyPut, {text("a b")}), "methode:Type(Para:1)");
  EXPECT_EQ(compact(part), R"(PART{ITEMS{BASE{NAME{"R"}TYP{ROTATE}USED{"S"}PARAM{7,0,1}EXTDFTANGLE{3}}}})");

  // The method forms answer the feature; a type is compared byte for byte.
  EXPECT_EQ(method(b, "UsedName", {text("T")}).get(), b.get());
  EXPECT_EQ(textOf(b, "UsedName"), "T");
  EXPECT_EQ(method(b, "Type", {text("extrude")}).get(), b.get());
  EXPECT_EQ(integer(b, "IsExtrude", {}, mzInvokeMethod), 0);
  put(b, "Side", number(3));
  EXPECT_EQ(integer(b, "Side"), 0);
  EXPECT_EQ(compact(b), R"(BASE{NAME{"R"}TYP{extrude}USED{"T"}PARAM{7,0,0}EXTDFTANGLE{3}})");

  // No sketch of that name: an array with no element.
  EXPECT_TRUE(threadsOf(b).empty());
  expectEmptyResult(method(s.factory.get(), "tocut", {objectValue(b)}));
  EXPECT_EQ(integer(s.factory, "isbase", {objectValue(b)}), 1);
  EXPECT_EQ(integer(s.factory, "iscut", {objectValue(b)}), 0);
}

TEST_F(bodyFeatureScript, ExtrusionsCutsAndParametersOfAnotherShape) {
  dispatchT b = s.make("tobase", "BASE{TYP{EXTRUDE},PARAM{5,1}}");
  EXPECT_EQ(real(b, "KeyValue"), 5.0);
  EXPECT_EQ(integer(b, "Side"), 0);
  put(b, "Side", number(2));
  EXPECT_EQ(compact(b), "BASE{TYP{EXTRUDE}PARAM{0,0,1}}");
  put(b, "DraftAngle", doubleValue(2.5));
  EXPECT_EQ(real(b, "DraftAngle"), 2.5);
  expectFailure(call(b, "DraftAngle", mzInvokeMethod, {doubleValue(-std::numeric_limits<double>::infinity())}),
                "methode:DraftAngle(Para:1)");
  put(b, "KeyValue", doubleValue(-1.5));
  EXPECT_EQ(compact(b), "BASE{TYP{EXTRUDE}PARAM{-1.5,0,1}EXTDFTANGLE{2.5}}");

  // A key value of another kind reads 0.0; a put leaves three numbers.
  dispatchT c = s.make("tocut", R"(CUT{TYP{EXTRUDE},PARAM{"x",1,0}})");
  EXPECT_EQ(typeNameOf(c), "class prxm3dFeatCutC *");
  EXPECT_EQ(real(c, "KeyValue"), 0.0);
  put(c, "KeyValue", number(4));
  EXPECT_EQ(compact(c), "CUT{TYP{EXTRUDE}PARAM{4,0,0}}");
  expectEmptyResult(method(s.factory.get(), "tobase", {objectValue(c)}));
}

TEST_F(bodyFeatureScript, ThreadsAreHostArrayElementsThatOutliveThePart) {
  std::vector<dispatchT> threads;
  threads = threadsOf(s.to("tobase", method(get(s.make("topart", fxThread), "Features"), "Item", {text("B")})));
  ASSERT_EQ(threads.size(), 1u);
  const dispatchT& thread = threads[0];
  EXPECT_EQ(typeNameOf(thread), "class prxm3dThreadInfoC *");
  EXPECT_EQ(real(thread, "ThreadLen"), 20.0);
  EXPECT_EQ(real(thread, "ThreadDia"), 10.0);
  EXPECT_EQ(real(thread, "FeatureDia"), 8.0);
  EXPECT_EQ(integer(thread, "IsInnerThread", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(thread, "IsOuterThread", {}, mzInvokeMethod), 0);
  EXPECT_EQ(point(method(thread, "StartPointOnFeatureDia")), "(0,-4,0)");
  EXPECT_EQ(point(method(thread, "FeatureCylinderPointNormal")), "(0,1,0)");
  EXPECT_EQ(point(method(thread, "FeatureEndEdgePoint")), "(12,-4,0)");
  EXPECT_EQ(point(get(get(thread, "ThreadPosition"), "X")), "(0,-1,0)");
  // Not an object of a tree: no common members.
  EXPECT_EQ(get(thread.get(), "classkey").outcome, 1u);

  // Without the host's array there is no result.
  mzComTerminateRemoteEngine();
  expectEmptyResult(get(s.to("tobase", item(get(s.make("topart", fxThread), "Features"), 1)).get(), "Threads"));
}

// Each row a record and what its points are: the X column is used as stored, not normalised.
TEST_F(bodyFeatureScript, ThreadPointsFollowThePlacementAndTheDiameters) {
  struct caseS {
    bool moved;
    double length, threadDia, featureDia, edgeStart, edgeLength;
    int inner, outer;
    const char* startOnFeature;
    const char* endOnThread;
    const char* cylinderPoint;
    const char* normal;
    const char* edgeStartPoint;
    const char* edgeEndPoint;
  };
  constexpr double identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  constexpr double moved[16] = {0, 2, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 1, 2, 3, 1};
  const double nan = std::nan("");
  const caseS cases[] = {
      {false, 10, 8, 6, 0, 0, 1, 0, "(3,0,0)", "(4,0,10)", "(3,0,5)", "(-1,0,0)", "(3,0,0)", "(3,0,0)"},
      {false, 10, 8, 12, 1, 2, 0, 1, "(6,0,0)", "(4,0,10)", "(6,0,5)", "(1,0,0)", "(6,0,1)", "(6,0,3)"},
      {false, 10, 8, 8, 0, 0, 0, 0, "(4,0,0)", "(4,0,10)", "(4,0,5)", "(-1,0,0)", "(4,0,0)", "(4,0,0)"},
      {false, 10, 8, nan, 0, 0, 0, 0, "", "(4,0,10)", "", "(-1,0,0)", "", ""},
      {true, 4, 2, 3, 1, 2, 0, 1, "(1,5,3)", "(5,4,3)", "(3,5,3)", "(0,2,0)", "(2,5,3)", "(4,5,3)"},
  };
  for (size_t n = 0; n < std::size(cases); ++n) {
    const caseS& c = cases[n];
    cosThreadDataC record;
    for (int i = 0; i < 16; ++i) record.ThreadPosition[i] = c.moved ? moved[i] : identity[i];
    record.ThreadLen = c.length;
    record.ThreadDia = c.threadDia;
    record.FeatureDia = c.featureDia;
    record.featureEdgeStart = c.edgeStart;
    record.featureEdgeLen = c.edgeLength;
    dispatchT thread(new prxm3dThreadInfoC(record));
    EXPECT_EQ(integer(thread, "IsInnerThread", {}, mzInvokeMethod), c.inner) << n;
    EXPECT_EQ(integer(thread, "IsOuterThread", {}, mzInvokeMethod), c.outer) << n;
    // "" where a NaN diameter makes the point NaN.
    const std::pair<const char*, const char*> points[] = {
        {"StartPointOnFeatureDia", c.startOnFeature}, {"EndPointOnThreadDia", c.endOnThread},
        {"FeatureCylinderPoint", c.cylinderPoint},     {"FeatureCylinderPointNormal", c.normal},
        {"FeatureStartEdgePoint", c.edgeStartPoint},   {"FeatureEndEdgePoint", c.edgeEndPoint}};
    for (const auto& [name, expected] : points)
      if (*expected) {
        EXPECT_EQ(point(method(thread, name)), expected) << n << " " << name;
      }
  }

  cosThreadDataC record;
  for (int i = 0; i < 16; ++i) record.ThreadPosition[i] = moved[i];
  record.ThreadLen = 4;
  record.ThreadDia = 2;
  dispatchT thread(new prxm3dThreadInfoC(record));
  EXPECT_EQ(point(get(thread, "ThreadAxis")), "(1,0,0)");
  EXPECT_EQ(point(get(thread, "ThreadBasePoint")), "(1,2,3)");
  EXPECT_EQ(point(method(thread, "StartPointOnThreadDia")), "(1,4,3)");
  EXPECT_EQ(point(method(thread, "EndPointOnFeatureDia")), "(5,2,3)");
  // A new matrix on every read; changing one leaves the thread as it was.
  dispatchT position = get(thread, "ThreadPosition");
  EXPECT_NE(position.get(), get(thread, "ThreadPosition").get());
  put(get(position, "T"), "x", doubleValue(9));
  EXPECT_EQ(point(get(position, "T")), "(9,2,3)");
  EXPECT_EQ(point(get(get(thread, "ThreadPosition"), "T")), "(1,2,3)");
  expectFailure(call(thread, "ThreadLen", mzInvokePropertyPut, {number(1)}), "methode:ThreadLen");
}

}  // namespace
