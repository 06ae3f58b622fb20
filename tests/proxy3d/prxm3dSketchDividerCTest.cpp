#include "proxy3d/prxm3dSketchDividerC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model3d/sketches/m3dSketchC.h"
#include "tests/draw2d/shapeTestHelpers.h"
#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

class sketchDividerScript : public poolBalancedTest {};

std::string line(double x1, double y1, double x2, double y2) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "LINE{POINT{%g,%g},POINT{%g,%g}}", x1, y1, x2, y2);
  return buffer;
}

std::string rectangle(double x1, double y1, double x2, double y2) {
  return "LOOP{" + line(x1, y1, x2, y1) + "," + line(x2, y1, x2, y2) + "," + line(x2, y2, x1, y2) + "," +
         line(x1, y2, x1, y1) + "}";
}

// The outer rectangle (0,0)-(10,4) with the islands x in [1,2], [4,5] and [7,8], y in [1,3]:
// 16 lines.
const std::string p3Loops = rectangle(0, 0, 10, 4) + "," + rectangle(1, 1, 2, 3) + "," + rectangle(4, 1, 5, 3) +
                            "," + rectangle(7, 1, 8, 3);
const std::string p3Feature = R"(BASE{NAME{"F"},TYP{EXTRUDE},USED{"S"},PARAM{5,0,0}})";

// A part whose one sketch S holds the loops and sketchTail, followed by the items.
std::string partText(const std::string& loops, const std::string& items = p3Feature, const std::string& partTail = "",
                     const std::string& sketchTail = "") {
  return R"(PART{ITEMS{SKETCH{NAME{"S"},)" + loops + sketchTail + "}," + items + "}" + partTail + "}";
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

std::string written(const dispatchT& object) { return textOf(method(object.get(), "writeToString", {number(1), number(0)})); }

TEST_F(sketchDividerScript, LimitAndToleranceAreSettableAndRefuseWhatIsNotAFiniteNumber) {
  scriptC s;
  dispatchT d = method(s.factory, "Create", {text("prxm3dsketchdivider")});
  ASSERT_TRUE(d);
  EXPECT_EQ(typeNameOf(d), "class prxm3dSketchDividerC *");
  expectFailure(get(d.get(), "classkey"), "methode:classkey");

  EXPECT_EQ(integer(d, "BurstValue"), 15);
  EXPECT_EQ(intOf(put(d.get(), "BurstValue", number(10))), 10);
  EXPECT_EQ(integer(d, "BurstValue"), 15);
  EXPECT_EQ(intOf(method(d.get(), "BurstValue", {doubleValue(40.9)})), 40);
  EXPECT_EQ(integer(d, "BurstValue"), 40);
  EXPECT_EQ(intOf(put(d.get(), "BurstValue", number(-1))), -1);
  EXPECT_EQ(integer(d, "BurstValue"), -1);
  for (double bad : {std::nan(""), double(INFINITY), -double(INFINITY)}) {
    expectFailure(put(d.get(), "BurstValue", doubleValue(bad)), "methode:BurstValue(Para:1)");
    expectFailure(put(d.get(), "SketchEPS", doubleValue(bad)), "methode:SketchEPS(Para:1)");
  }
  expectFailure(put(d.get(), "BurstValue", text("20")), "methode:BurstValue(Para:1)");
  EXPECT_EQ(integer(d, "BurstValue"), -1);

  EXPECT_EQ(real(d, "SketchEPS"), 1e-6);
  EXPECT_EQ(doubleOf(put(d.get(), "SketchEPS", doubleValue(0.01))), 0.01);
  EXPECT_EQ(doubleOf(method(d.get(), "SketchEPS", {doubleValue(-2)})), -2.0);
  EXPECT_EQ(doubleOf(put(d.get(), "SketchEPS", doubleValue(0.01))), 0.01);
  expectFailure(put(d.get(), "SketchEPS", doubleValue(std::nan(""))), "methode:SketchEPS(Para:1)");
  EXPECT_EQ(real(d, "SketchEPS"), 0.01);
}

TEST_F(sketchDividerScript, DivideSketchTakesOnlyAPartObjectOfThisLibrary) {
  scriptC s;
  dispatchT d = method(s.factory, "Create", {text("prxm3dsketchdivider")});
  const std::string p3 = partText(p3Loops);
  fakeDispatchC host;
  host.defaultValue.setDispatch(s.make("topart", p3.c_str()).get());
  for (const mzVariantS& bad : {text("x"), objectValue(s.read(p3.c_str())),
                                objectValue(method(s.factory, "Create", {text("prxm3dasm")})),
                                objectValue(static_cast<mzIDispatch*>(&host)), number(3), mzVariantS()}) {
    expectFailure(method(d.get(), "DivideSketch", {bad}), "methode:DivideSketch(Para:1)");
  }
  EXPECT_EQ(host.invokeCount, 0);
  host.defaultValue.clear();

  // A part handed in through a script variable that refers to another divides.
  dispatchT p = s.make("topart", p3.c_str());
  fakeSymbolRefC reference;
  fakeSymbolRefC referenceToReference;
  reference.value.setDispatch(p.get());
  referenceToReference.value.setDispatch(&reference);
  EXPECT_EQ(intOf(method(d.get(), "DivideSketch", {mzVariantS(&referenceToReference)})), 0);
  EXPECT_EQ(integer(get(p, "Features"), "Count"), 6);
  reference.value.clear();
  referenceToReference.value.clear();
}

TEST_F(sketchDividerScript, ASketchOverTheLimitBecomesNumberedSketchesOfWholeLoopsWithCopiesOfItsFeature) {
  scriptC s;
  dispatchT d = method(s.factory, "Create", {text("prxm3dsketchdivider")});
  dispatchT p = s.make("topart", partText(p3Loops).c_str());
  dispatchT features = get(p, "Features");
  dispatchT g = item(features, 0);
  dispatchT f = item(features, 1);
  EXPECT_EQ(intOf(method(d.get(), "DivideSketch", {objectValue(p)})), 0);

  ASSERT_EQ(integer(features, "Count"), 6);
  const char* names[] = {"S_DIV_SK0", "S_DIV_SK1", "S_DIV_SK2", "F_DIV_FT0", "F_DIV_FT1", "F_DIV_FT2"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(textOf(item(features, k), "Name"), names[k]);
  // Piece k lies in its stretch of x, from the right: its outer loop of four lines joined head
  // to tail, then the four lines of its island.
  const double stretches[3][2] = {{6, 10}, {3, 6}, {0, 3}};
  for (int k = 0; k < 3; ++k) {
    const std::string number = std::to_string(k);
    EXPECT_EQ(written(item(features, 3 + k)),
              R"(BASE{NAME{"F_DIV_FT)" + number + R"("}TYP{EXTRUDE}USED{"S_DIV_SK)" + number + R"("}PARAM{5,0,0}})");
    shapeTest::treeC piece(written(item(features, k)).c_str());
    m3dSketchC sketch(piece.node(), 0);
    ASSERT_EQ(sketch.getLoopCount(), 2u) << k;
    for (uint32_t l = 0; l < 2; ++l) {
      m3dLoopC loop = sketch.getLoop(int(l));
      ASSERT_EQ(loop.childCount(), 4u) << k;
      for (uint32_t i = 0; i < 4; ++i) {
        m3dLineC shape(loop.childAt(int(i)), 0);
        ASSERT_TRUE(shape.getNode()->hasKeyword("LINE"));
        if (l == 0) {
          const vectorC2d<double> next = m3dLineC(loop.childAt(int((i + 1) % 4)), 0).getStartPoint();
          EXPECT_TRUE(shape.getEndPoint().x == next.x && shape.getEndPoint().y == next.y) << k;
        }
        for (const vectorC2d<double>& p : {shape.getStartPoint(), shape.getEndPoint()}) {
          EXPECT_GE(p.x, stretches[k][0]) << k;
          EXPECT_LE(p.x, stretches[k][1]) << k;
        }
      }
    }
  }
  // The sketch and the feature divided left the part; objects kept over them see them alone.
  EXPECT_EQ(written(g), R"(SKETCH{NAME{"S"}SKETCHON})");
  EXPECT_EQ(written(f), R"(BASE{NAME{"F"}TYP{EXTRUDE}USED{"S"}PARAM{5,0,0}})");
  // The pieces are within the limit: a second division changes nothing.
  const std::string divided = compact(p);
  EXPECT_EQ(intOf(method(d.get(), "DivideSketch", {objectValue(p)})), 0);
  EXPECT_EQ(compact(p), divided);
}

TEST_F(sketchDividerScript, SketchesThatCannotBeRewrittenWholeStayAsTheyWere) {
  std::string column, bars, circles;
  for (int k = 0; k < 20; ++k) column += (k ? "," : "") + line(5, k, 5, k + 1);
  for (int k = 0; k < 16; ++k) bars += (k ? "," : "") + line(-1e308, k, 1e308, k);
  for (int k = 0; k < 16; ++k) circles += std::string(k ? "," : "") + "LOOP{CIRCLE{POINT{0,0},RAD{1}}}";
  const std::string withSketchOn = partText(p3Loops, p3Feature, "", ",SKETCHON");
  struct caseS {
    const char* name;
    std::string part;
    int burstValue;
    std::string after;  // the part's text afterwards when it is not the text before
  };
  const caseS cases[] = {
      {"within the limit", partText(p3Loops), 20, ""},
      {"no limit", partText(p3Loops), -1, ""},
      {"used by two features", partText(p3Loops, p3Feature + R"(,BASE{NAME{"G"},USED{"S"}})"), 15,
       partText(p3Loops, p3Feature + R"(,BASE{NAME{"G"},USED{"S"}})", "", ",SKETCHON")},
      {"its feature the base of a pattern",
       partText(p3Loops, p3Feature + R"(,FEATPATTERN{NAME{"P"},FPBASEFEAT{NAME{"F"},POINT3D{0,0,0}}})"), 15,
       partText(p3Loops, p3Feature + R"(,FEATPATTERN{NAME{"P"},FPBASEFEAT{NAME{"F"},POINT3D{0,0,0}}})", "",
                ",SKETCHON")},
      {"with a cosmetic sketch", partText(p3Loops, p3Feature, R"(,COSDRAW{COSSKETCH{NAME{"S_COSMETIC"}}})"), 15, ""},
      {"built on itself", partText(p3Loops, R"(PLANE{NAME{"Q"}})", "", R"(,SKETCHON{PLANE{"S"}})"), 15, ""},
      {"used by none", partText(p3Loops, R"(PLANE{NAME{"Q"}})"), 15, partText(p3Loops, R"(PLANE{NAME{"Q"}})", "", ",SKETCHON")},
      {"a point beyond the doubles", partText(replaced(p3Loops, "POINT{8,1}}", "POINT{1e999,1}}")), 15, ""},
      {"an edge the chains would drop", partText(replaced(p3Loops, "LINE{POINT{10,4}", "LINE{POINT{10,4.01}")), 15, ""},
      {"zero width", partText("LOOP{" + column + "}"), 15, ""},
      {"an overflowing extent", partText("LOOP{" + bars + "}"), 15, ""},
      {"equal circles", partText(circles), 15, ""},
  };
  scriptC s;
  dispatchT d = method(s.factory, "Create", {text("prxm3dsketchdivider")});
  for (const caseS& c : cases) {
    dispatchT p = s.make("topart", c.part.c_str());
    const std::string before = compact(p);
    put(d, "BurstValue", number(c.burstValue));
    EXPECT_EQ(intOf(method(d.get(), "DivideSketch", {objectValue(p)})), 0) << c.name;
    EXPECT_EQ(compact(p), c.after.empty() ? before : compact(s.make("topart", c.after.c_str()))) << c.name;
  }
  // A part without features gains an empty list.
  dispatchT bare = s.make("topart", "PART{NAME3DB{\"x\"}}");
  EXPECT_EQ(intOf(method(d.get(), "DivideSketch", {objectValue(bare)})), 0);
  EXPECT_EQ(compact(bare), R"(PART{NAME3DB{"x"}ITEMS})");
}

}  // namespace
