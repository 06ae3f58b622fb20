#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "model3d/bodyFeatures/m3dFeatSweepC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/partOperations/m3dFeatPatternC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::identity;
using model3dTest::mirrorX;
using model3dTest::treeC;

namespace {

const std::string i16 = "1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1";

std::string patternPart(const std::string& baseName = "F", const std::string& used = "S") {
  return "PART{ITEMS{SKETCH{NAME{\"S\"},MAT{" + i16 + "},SKETCHON{PLANE{\"Plane XY\"}},LOOP{CIRCLE{POINT{0,0},RAD{1}}}},"
         "BASE{NAME{\"F\"},TYP{EXTRUDE},USED{\"" + used + "\"},PARAM{5,0,0}},FEATPATTERN{NAME{\"P\"},FPBASEFEAT{NAME{\"" +
         baseName + "\"},POINT3D{0,0,0}},FPSKETCH{MAT{" + i16 +
         "},SKETCHON{PLANE{\"Plane XY\"}},FPSKETCHPOINTS{POINT{10,0},POINT{20,0},POINT{30,0}}}}},"
         "COSDRAW{COSSKETCH{NAME{\"S_COSMETIC\"}}}}";
}

const std::string doubleSide = "PART{ITEMS{SKETCH{NAME{\"S\"},MAT{" + i16 +
                               "},SKETCHON{PLANE{\"Plane XY\"}},LOOP{CIRCLE{POINT{0,0},RAD{5}}}},"
                               "BASE{NAME{\"E\"},TYP{EXTRUDE},USED{\"S\"},PARAM{10,0,1}}}}";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

std::vector<std::string> namesOf(const metaTreeC* list) {
  std::vector<std::string> names;
  for (const metaTreeC* item = list ? list->firstChild : nullptr; item; item = item->next)
    names.push_back(peekStringField(item, "NAME").c_str());
  return names;
}

metaTreeC* items(const treeC& part) { return peekFieldNode(part.node(), "ITEMS"); }

metaTreeC* named(const treeC& part, const char* name) { return m3dPartItemsC(items(part), 0).findFeatureByName(name).getNode(); }

matrixC4x4<double> frameOf(const metaTreeC* node) { return readNodeMatrix4x4(peekFieldNode(node, "MAT")); }

void expectAt(const metaTreeC* node, double x, double y, double z) {
  model3dTest::expectVector(frameOf(node).getT(), x, y, z);
}

std::string textOf(const metaTreeC* node) { return metaObjectC(const_cast<metaTreeC*>(node), 0).writeToStringValue(1, 0).c_str(); }

}  // namespace

TEST(m3dFeatPatternC, SplitsIntoCopiesAndPlanesWhereThePatternStood) {
  poolBalance pool;
  {
    treeC part(patternPart().c_str());
    metaTreeViewC patternView(metaTreeC::findByKeyword(items(part)->firstChild, "FEATPATTERN", 0));
    EXPECT_EQ(m3dPartItemsC(items(part), 0).splitFeaturePatterns(), 1);
    EXPECT_EQ(namesOf(items(part)),
              (std::vector<std::string>{"S", "F", "P_SKETCH_3", "P_SKETCH_2", "P_SKETCH_1", "F_3", "F_2", "F_1"}));
    expectAt(named(part, "P_SKETCH_2"), 20, 0, 0);
    EXPECT_EQ(textOf(peekFieldNode(named(part, "P_SKETCH_2"), "SKETCHON")), "SKETCHON{PLANE{\"Plane XY\"}}");
    EXPECT_EQ(peekStringField(named(part, "F_2"), "USED"), "P_SKETCH_2");
    metaTreeC* draws = peekFieldNode(part.node(), "COSDRAW");
    EXPECT_EQ(namesOf(draws), (std::vector<std::string>{"S_COSMETIC", "P_SKETCH_1_COSMETIC", "P_SKETCH_2_COSMETIC",
                                                         "P_SKETCH_3_COSMETIC"}));
    expectAt(metaTreeC::lastSibling(draws->firstChild), 30, 0, 0);
    // The removed pattern still reads under its viewer.
    EXPECT_EQ(peekStringField(patternView.getNode(), "NAME"), "P");

    // A pattern sketch across the base sketch's plane: offset planes on either side.
    std::string across = replaced(patternPart(), "ITEMS{", "ITEMS{PLANE{NAME{\"Plane XY\"},TYP{XY},MAT{" + i16 + "}},");
    across = replaced(across, "FPSKETCH{MAT{" + i16 + "},SKETCHON{PLANE{\"Plane XY\"}},FPSKETCHPOINTS{POINT{10,0},POINT{20,0},POINT{30,0}}}",
                      "FPSKETCH{MAT{0,0,-1,0,0,1,0,0,1,0,0,0,0,0,0,1},FPSKETCHPOINTS{POINT{-5,0},POINT{5,0}}}");
    treeC perpendicular(across.c_str());
    EXPECT_EQ(m3dPartC(perpendicular.node(), 0).getItems().splitFeaturePatterns(), 1);
    EXPECT_EQ(namesOf(items(perpendicular)), (std::vector<std::string>{"Plane XY", "S", "F", "P Plane 2", "P Plane 1",
                                                                        "P_SKETCH_2", "P_SKETCH_1", "F_2", "F_1"}));
    EXPECT_NE(textOf(named(perpendicular, "P Plane 1")).find("TYP{OFF_TO_PLANE}"), std::string::npos);
    EXPECT_NE(textOf(named(perpendicular, "P Plane 1")).find("PARAM{0,5,\"Plane XY\"}"), std::string::npos);
    EXPECT_NE(textOf(named(perpendicular, "P Plane 2")).find("PARAM{1,5,\"Plane XY\"}"), std::string::npos);
    expectAt(named(perpendicular, "P Plane 1"), 0, 0, 5);
    expectAt(named(perpendicular, "P Plane 2"), 0, 0, -5);
    expectAt(named(perpendicular, "P_SKETCH_1"), 0, 0, 5);
    EXPECT_EQ(textOf(peekFieldNode(named(perpendicular, "P_SKETCH_1"), "SKETCHON")), "SKETCHON{PLANE{\"P Plane 1\"}}");

    // Without the plane the base sketch lies on, nothing changes.
    treeC planeless(replaced(across, "PLANE{NAME{\"Plane XY\"},TYP{XY},MAT{" + i16 + "}},", "").c_str());
    const std::string before = planeless.text();
    metaTreeC* pattern = metaTreeC::findByKeyword(items(planeless)->firstChild, "FEATPATTERN", 0);
    EXPECT_EQ(m3dFeatPatternC(pattern, 0).splitIntoCopies(), 0);
    EXPECT_EQ(planeless.text(), before);
  }
  pool.expectBalanced();
}

TEST(m3dFeatPatternC, RefusedPatternsChangeNothingAndSelectionGoesByKeyWord) {
  poolBalance pool;
  {
    for (const std::string& text : {patternPart("G"), patternPart("F", "Z")}) {
      treeC part(text.c_str());
      const std::string before = part.text();
      metaTreeC* pattern = metaTreeC::findByKeyword(items(part)->firstChild, "FEATPATTERN", 0);
      EXPECT_EQ(m3dFeatGenC(pattern, 0).splitIntoCopies(), 0);
      EXPECT_EQ(part.text(), before);
      nameListC keys;
      *keys.newElement() = "FEATPATTERN";
      EXPECT_EQ(m3dPartItemsC(items(part), 0).acceptFeatures(0, keys), 0);
      EXPECT_EQ(m3dPartItemsC(items(part), 0).splitFeaturePatterns(), 1);
      EXPECT_EQ(part.text(), before);
    }
    treeC part(patternPart().c_str());
    const std::string before = part.text();
    nameListC names;
    *names.newElement() = "P";
    EXPECT_EQ(m3dPartItemsC(items(part), 0).acceptFeatures(0, names), 1);
    EXPECT_EQ(part.text(), before);
    // Mode 1 with an empty list takes every feature.
    EXPECT_EQ(m3dPartItemsC(items(part), 0).acceptFeatures(1, nameListC()), 1);
    EXPECT_EQ(namesOf(items(part)).size(), 8u);

    // Centre lines of the copies, without changing the part.
    treeC lines(patternPart().c_str());
    const std::string linesBefore = lines.text();
    centerLineListC found;
    metaTreeC* pattern = metaTreeC::findByKeyword(items(lines)->firstChild, "FEATPATTERN", 0);
    EXPECT_EQ(m3dFeatGenC(pattern, 0).collectCenterLines(found), 3);
    ASSERT_EQ(found.elementCount, 3u);
    for (uint32_t k = 0; k < 3; ++k) {
      model3dTest::expectVector(found[k].start, 10.0 * (k + 1), 0, 0);
      model3dTest::expectVector(found[k].end, 10.0 * (k + 1), 0, 5);
      EXPECT_DOUBLE_EQ(found[k].diameter, 2.0);
    }
    EXPECT_EQ(lines.text(), linesBefore);
  }
  pool.expectBalanced();
}

TEST(m3dFeatPatternC, TransformedPatternsSplitWhereTheTransformedPartExpectsThem) {
  poolBalance pool;
  {
    matrixC4x4<double> rz90 = identity();
    rz90.values[0] = 0, rz90.values[1] = 1, rz90.values[4] = -1, rz90.values[5] = 0;
    struct caseS {
      matrixC4x4<double> matrix;
      double x[3], y[3], at[3];
    } cases[] = {{rz90, {0, 1, 0}, {-1, 0, 0}, {0, 10, 0}}, {mirrorX(), {-1, 0, 0}, {0, -1, 0}, {-10, 0, 0}}};
    for (const caseS& c : cases) {
      treeC part(patternPart().c_str());
      m3dPartC view(part.node(), 0);
      EXPECT_EQ(view.transform(c.matrix), 1);
      view.splitFeaturePatterns(0);
      model3dTest::expectFrame(peekFieldNode(named(part, "P_SKETCH_1"), "MAT"), c.x, c.y, {0, 0, 1}, c.at);
    }
  }
  pool.expectBalanced();
}

TEST(m3dFeatBodyC, DoubleSidedFeaturesBecomeOneSided) {
  poolBalance pool;
  {
    for (const std::string& text : {doubleSide, replaced(doubleSide, "PARAM{10,0,1}", "PARAM{10,0,1},EXTDFTANGLE{-3}")}) {
      for (int mode : {1, 2}) {
        if (mode == 2 && text == doubleSide) continue;
        treeC part(text.c_str());
        EXPECT_EQ(m3dPartItemsC(items(part), 0).splitDoubleSideFeatures(mode), 1);
        EXPECT_EQ(namesOf(items(part)), (std::vector<std::string>{"S", "S_CPY", "E"}));
        EXPECT_NE(textOf(named(part, "S_CPY")).find("TYP{ABS_PLANE}"), std::string::npos);
        expectAt(named(part, "S_CPY"), 0, 0, -10);
        expectAt(named(part, "S"), 0, 0, -10);
        EXPECT_EQ(textOf(peekFieldNode(named(part, "S"), "SKETCHON")), "SKETCHON{PLANE{\"S_CPY\"}}");
        EXPECT_EQ(textOf(peekFieldNode(named(part, "E"), "PARAM")), "PARAM{20,0,0}");
      }
    }
    // Tapered: two features, each on its own sketch; a pattern of it repeated for the copy.
    treeC tapered(replaced(doubleSide, "PARAM{10,0,1}}}",
                           "PARAM{10,0,1},EXTDFTANGLE{3}},FEATPATTERN{NAME{\"Q\"},FPBASEFEAT{NAME{\"E\"},POINT3D{0,0,0}}}}")
                      .c_str());
    EXPECT_EQ(m3dPartC(tapered.node(), 0).getItems().splitDoubleSideFeatures(1), 1);
    EXPECT_EQ(namesOf(items(tapered)), (std::vector<std::string>{"S", "S_CPY", "E", "E_CPY", "Q", "Q_CPY"}));
    EXPECT_EQ(textOf(peekFieldNode(named(tapered, "E"), "PARAM")), "PARAM{10,0,0}");
    EXPECT_EQ(textOf(peekFieldNode(named(tapered, "E_CPY"), "PARAM")), "PARAM{10,1,0}");
    EXPECT_EQ(peekStringField(named(tapered, "E_CPY"), "USED"), "S_CPY");
    EXPECT_EQ(peekStringField(peekFieldNode(named(tapered, "Q_CPY"), "FPBASEFEAT"), "NAME"), "E_CPY");
    expectAt(named(tapered, "S"), 0, 0, 0);

    // A shared sketch is copied first; every name made is free.
    treeC shared(replaced(replaced(doubleSide, "NAME{\"E\"}", "NAME{\"E1\"}"), "PARAM{10,0,1}}}",
                          "PARAM{10,0,1}},CUT{NAME{\"E2\"},TYP{EXTRUDE},USED{\"S\"},PARAM{4,0,1}}}")
                     .c_str());
    metaTreeViewC oldPlacement(peekFieldNode(named(shared, "S"), "SKETCHON"));
    EXPECT_EQ(m3dPartItemsC(items(shared), 0).splitDoubleSideFeatures(1), 1);
    EXPECT_EQ(namesOf(items(shared)),
              (std::vector<std::string>{"S", "S_CPY", "S_CPY_CPY", "E1", "S_CPY_CPY_CPY", "E2"}));
    EXPECT_EQ(textOf(peekFieldNode(named(shared, "E1"), "PARAM")), "PARAM{20,0,0}");
    EXPECT_EQ(peekStringField(named(shared, "E1"), "USED"), "S_CPY");
    expectAt(named(shared, "S_CPY"), 0, 0, -10);
    EXPECT_EQ(textOf(peekFieldNode(named(shared, "S_CPY"), "SKETCHON")), "SKETCHON{PLANE{\"S_CPY_CPY\"}}");
    EXPECT_EQ(textOf(peekFieldNode(named(shared, "E2"), "PARAM")), "PARAM{8,0,0}");
    expectAt(named(shared, "S"), 0, 0, -4);
    EXPECT_EQ(textOf(peekFieldNode(named(shared, "S"), "SKETCHON")), "SKETCHON{PLANE{\"S_CPY_CPY_CPY\"}}");
    EXPECT_EQ(textOf(oldPlacement.getNode()), "SKETCHON{PLANE{\"Plane XY\"}}");
  }
  pool.expectBalanced();
}

TEST(m3dFeatBodyC, RevolutionsTurnTheirSketchAboutTheCentreLineOrStay) {
  poolBalance pool;
  {
    const std::string revolution = "PART{ITEMS{SKETCH{NAME{\"R\"},MAT{" + i16 +
                                   "},CENTER{POINT{0,0},POINT{0,10}},LOOP{LINE{POINT{1,0},POINT{2,0}}}},"
                                   "BASE{NAME{\"V\"},TYP{ROTATE},USED{\"R\"},PARAM{30,0,1}}}}";
    treeC part(revolution.c_str());
    EXPECT_EQ(m3dPartItemsC(items(part), 0).splitDoubleSideFeatures(8), 1);
    EXPECT_EQ(namesOf(items(part)), (std::vector<std::string>{"R", "R_CPY", "V"}));
    EXPECT_EQ(textOf(peekFieldNode(named(part, "V"), "PARAM")), "PARAM{60,1,0}");
    for (const char* name : {"R", "R_CPY"}) {
      const vectorC3d<double> z = frameOf(named(part, name)).getZ();
      EXPECT_NEAR(z.x, 0.5, 1e-9);
      EXPECT_NEAR(z.y, 0.0, 1e-9);
      EXPECT_NEAR(z.z, 0.866025403784, 1e-9);
    }
    for (const std::string& text : {replaced(revolution, "CENTER{POINT{0,0},POINT{0,10}},", ""),
                                    replaced(revolution, "POINT{0,10}", "POINT{0,0}"),
                                    replaced(revolution, "PARAM{30,0,1}", "PARAM{30,1,0}")}) {
      treeC refused(text.c_str());
      const std::string before = refused.text();
      EXPECT_EQ(m3dPartItemsC(items(refused), 0).splitDoubleSideFeatures(1), 0);
      EXPECT_EQ(refused.text(), before);
    }
  }
  pool.expectBalanced();
}

TEST(m3dPartC, UnitBasesScaleGeometryAndToolsOnlyWhenAsked) {
  poolBalance pool;
  {
    const char* part1 =
        "PART{NAME{\"P\"},PARTPREFS{UNITBASE{1}},ITEMS{PLANE{NAME{\"Off1\"},TYP{OFF_TO_PLANE},"
        "MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1},PARAM{0,5,\"Plane XY\"}}},"
        "CONNECT{CONNPOINT{NAME{\"C1\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}}}";
    treeC part(part1);
    m3dPartC view(part.node(), 0);
    view.adjustDocumentUnitBase(0.5, 0);
    EXPECT_EQ(peekDoubleField(peekFieldNode(part.node(), "PARTPREFS"), "UNITBASE"), 0.5);
    expectAt(named(part, "Off1"), 0, 0, 10);
    EXPECT_EQ(textOf(peekFieldNode(named(part, "Off1"), "PARAM")), "PARAM{0,10,\"Plane XY\"}");
    expectAt(peekFieldNode(part.node(), "CONNECT")->firstChild, 2, 4, 6);
    const std::string once = part.text();
    for (double unit : {0.5, 0.0, -1.0, std::nan(""), double(INFINITY)}) view.adjustDocumentUnitBase(unit, 1);
    EXPECT_EQ(part.text(), once);

    treeC infinite(replaced(part1, "UNITBASE{1}", "UNITBASE{1e999}").c_str());
    m3dPartC(infinite.node(), 0).adjustDocumentUnitBase(2, 0);
    expectAt(named(infinite, "Off1"), 0, 0, 2.5);
    EXPECT_EQ(peekDoubleField(peekFieldNode(infinite.node(), "PARTPREFS"), "UNITBASE"), 2.0);

    const std::string tools = replaced(part1, "PART{NAME{\"P\"},",
                                       "PART{NAME{\"P\"},TOOLDOCS{TOOLDOC{MAT{1,0,0,0,0,1,0,0,0,0,1,0,10,0,0,1},PART{"
                                       "PARTPREFS{UNITBASE{1}},ITEMS{PLANE{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,1,1}}}}}},");
    for (int flag : {1, 0}) {
      treeC withTools(tools.c_str());
      m3dPartC(withTools.node(), 0).adjustDocumentUnitBase(0.5, flag);
      metaTreeC* tool = peekFieldNode(peekFieldNode(withTools.node(), "TOOLDOCS"), "TOOLDOC");
      metaTreeC* toolPart = peekFieldNode(tool, "PART");
      expectAt(tool, flag ? 20 : 10, 0, 0);
      expectAt(peekFieldNode(peekFieldNode(toolPart, "ITEMS"), "PLANE"), 0, 0, flag ? 2 : 1);
      EXPECT_EQ(peekDoubleField(peekFieldNode(toolPart, "PARTPREFS"), "UNITBASE"), 1.0);
    }

    // Unit changes scale annotation sets; transforms leave them.
    const char* annotated = "PART{ANNOTATIONSETS{ANNOTATIONSETFACE{ANNOTATIONFACE{POINT3D{1,2,3}}}}}";
    treeC scaled(annotated), moved(annotated);
    m3dPartC(scaled.node(), 0).adjustDocumentUnitBase(0.5, 0);
    EXPECT_NE(scaled.text().find("POINT3D{2,4,6}"), std::string::npos) << scaled.text();
    m3dPartC(moved.node(), 0).transform(mirrorX());
    EXPECT_NE(moved.text().find("POINT3D{1,2,3}"), std::string::npos) << moved.text();
    EXPECT_EQ(m3dPartC(moved.node(), 0).scale(std::nan("")), 0);
  }
  pool.expectBalanced();
}

TEST(m3dPartC, CosmeticSketchesTurnToFaceTheViewOrAreLeftOut) {
  poolBalance pool;
  {
    const std::string r45 = "1,0,0,0,0,0.7071067811865476,0.7071067811865476,0,0,-0.7071067811865476,0.7071067811865476,0,0,0,0,1";
    treeC part(("PART{PARTNR{7},COSDRAW{COSSKETCH{NAME{\"S_COSMETIC\"},MAT{" + r45 +
                "},CENTER{POINT{0,0},POINT{1,0}}},COSSKETCH{NAME{\"Z_COSMETIC\"},MAT{" + r45 +
                "},CENTER{POINT{0,0},POINT{0,0}}}}}")
                   .c_str());
    const std::string before = part.text();
    metaObjectC target = metaObjectC::createWithKeyword("COSDRAW", 1);
    m3dDocumentC(part.node(), 0).collectCosmeticSketches(identity(), target);
    EXPECT_EQ(namesOf(target.getNode()), (std::vector<std::string>{"S_COSMETIC"}));
    const matrixC4x4<double> frame = frameOf(target.getNode()->firstChild);
    for (int n = 0; n < 16; ++n) EXPECT_NEAR(frame.values[n], identity().values[n], 1e-12) << n;
    EXPECT_EQ(peekIntField(target.getNode()->firstChild, "COSSKETCHOWNERPARTNR"), 7);
    EXPECT_EQ(part.text(), before);

    // A part with patterns gathers from a split copy; a refused pattern adds nothing and ends.
    for (const std::string& text : {patternPart(), patternPart("G")}) {
      treeC patterned(text.c_str());
      const std::string patternedBefore = patterned.text();
      metaObjectC gathered = metaObjectC::createWithKeyword("COSDRAW", 1);
      m3dDocumentC(patterned.node(), 0).collectCosmeticSketches(identity(), gathered);
      const std::vector<std::string> expected =
          text == patternPart() ? std::vector<std::string>{"S_COSMETIC", "P_SKETCH_1_COSMETIC", "P_SKETCH_2_COSMETIC",
                                                            "P_SKETCH_3_COSMETIC"}
                                : std::vector<std::string>{"S_COSMETIC"};
      EXPECT_EQ(namesOf(gathered.getNode()), expected);
      EXPECT_EQ(patterned.text(), patternedBefore);
    }
  }
  pool.expectBalanced();
}

TEST(m3dPartC, SweepsSplitThroughThePart) {
  treeC part("PART{ITEMS{SWEEP{NAME{\"W\"},SWEEPSKLIST{\"a\",\"b\",\"c\",\"d\"}},CUT{NAME{\"after\"}}}}");
  m3dDocumentC(part.node(), 0).splitMultipleSweeps(0);
  EXPECT_EQ(namesOf(items(part)), (std::vector<std::string>{"W", "W", "W", "after"}));
  EXPECT_EQ(m3dPartItemsC(items(part), 0).splitMultipleSweeps(), 0);
}
