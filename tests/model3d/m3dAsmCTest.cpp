#include "model3d/assemblies/m3dAsmC.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/keyNodeField.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "model3d/assemblies/m3dMatesC.h"
#include "model3d/assemblies/m3dMateTransZC.h"
#include "tests/helpers/poolBalance.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::identity;
using model3dTest::treeC;

namespace {

const char* const assembly =
    "ASSEMBLY{MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},PART{NAME{\"P1\"},CONNECT{CONNPOINT{NAME{\"C1\"},MAT{1,0,0,0,0,"
    "1,0,0,0,0,1,0,0,0,0,1}}}}},MEMBER{MAT{1,0,0,0,0,-1,0,0,0,0,-1,0,10,0,0,1},PART{NAME{\"P2\"},CONNECT{CONNPOINT{NAME{"
    "\"C2\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}}}},MATES{TRANSZ{MEMBER{\"C1@1\",\"C2@2\"},VALUE{12.5}},TRANSZ{MEMBER{"
    "\"C9@1\",\"C2@2\"}}}}";

m3dMateC mateOf(const treeC& tree, int index) { return m3dAsmC(tree.node(), 0).getMates().mateAt(index); }

}  // namespace

TEST(m3dAsmC, UnitChangesScalePlacementsAndMatesAndNegativePartsGo) {
  poolBalance pool;
  {
    treeC tree(assembly);
    const std::string parts = tree.text().substr(tree.text().find("PART{"), 40);
    m3dDocumentC(tree.node(), 0).adjustDocumentUnitBase(2, 0);
    EXPECT_EQ(peekDoubleField(peekFieldNode(tree.node(), "ASMPREFS"), "UNITBASE"), 2.0);
    metaTreeC* second = m3dMembersC(tree.node(), 0).getItemNode(1);
    model3dTest::expectFrame(peekFieldNode(second, "MAT"), {1, 0, 0}, {0, -1, 0}, {0, 0, -1}, {5, 0, 0});
    EXPECT_NE(tree.text().find("TRANSZ{MEMBER{\"C1@1\",\"C2@2\"}VALUE{6.25}}TRANSZ{MEMBER{\"C9@1\",\"C2@2\"}}"),
              std::string::npos)
        << tree.text();
    EXPECT_NE(tree.text().find("CONNPOINT{NAME{\"C2\"}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}"), std::string::npos);
    for (double unit : {2.0, 0.0, -3.0, std::nan("")}) m3dDocumentC(tree.node(), 0).adjustDocumentUnitBase(unit, 1);
    EXPECT_NE(tree.text().find("VALUE{6.25}"), std::string::npos);
    EXPECT_EQ(m3dAsmC(tree.node(), 0).scale(1.0), 1);

    // With sub-documents each part below is rescaled once.
    treeC nested(
        "ASSEMBLY{MEMBER{ASSEMBLY{MEMBER{PART{ITEMS{PLANE{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,4,1}}}}}}},MEMBER{PART{"
        "PARTPREFS{UNITBASE{2}}}}}");
    m3dDocumentC(nested.node(), 0).adjustDocumentUnitBase(4, 1);
    EXPECT_NE(nested.text().find("MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,1,1}"), std::string::npos) << nested.text();
    EXPECT_EQ(m3dDocumentC(nested.node(), 0).getDocumentNodes().elementCount, 4u);
    EXPECT_EQ(m3dDocumentC(nested.node(), 0).getPartNodes().elementCount, 2u);

    treeC negatives(
        "ASSEMBLY{MEMBER{PART{MTYP{NEG}}},MEMBER{ASSEMBLY{MEMBER{PART{MTYP{NEG}}},MEMBER{PART{NAME{\"keep\"}}}}},"
        "MEMBER{PART{MTYP{POS}}}}");
    metaTreeViewC removed(negatives.node()->firstChild);
    EXPECT_EQ(m3dAsmC(negatives.node(), 0).removeNegativeParts(), 2);
    EXPECT_EQ(negatives.text(), "ASSEMBLY{MEMBER{ASSEMBLY{MEMBER{PART{NAME{\"keep\"}}}}}MEMBER{PART{MTYP{POS}}}}");
    EXPECT_EQ(metaObjectC(removed.getNode(), 0).writeToStringValue(1, 0), "MEMBER{PART{MTYP{NEG}}}");
  }
  pool.expectBalanced();
}

TEST(m3dAsmC, MatesResolveTheirEndsAndTypeTheirAxes) {
  poolBalance pool;
  {
    treeC tree(assembly);
    EXPECT_EQ(mateOf(tree, 0).getMateType(), 1);
    EXPECT_EQ(mateOf(tree, 1).getMateType(), 0);
    m3dConnPointC first, second;
    EXPECT_EQ(mateOf(tree, 1).getConnectionPoints(first, second), 0);
    EXPECT_FALSE(first.isValid());
    EXPECT_EQ(second.getName(), "C2");
    EXPECT_EQ(m3dMateTransZC(mateOf(tree, 0).getNode(), 0).getValue(), 12.5);
    EXPECT_EQ(m3dAsmC(tree.node(), 0).getMates().groupMatesBySecondPath().elementCount, 1u);
    EXPECT_EQ(m3dAsmC(tree.node(), 0).getMates().groupMates().elementCount, 2u);
    EXPECT_EQ(m3dAsmC(tree.node(), 0).getMates().findMatesByFirstPath("1").elementCount, 2u);

    // Nested placements: parent before child.
    treeC nest(
        "ASSEMBLY{MEMBER{MAT{1,0,0,0,0,0,1,0,0,-1,0,0,0,0,0,1},ASSEMBLY{MEMBER{MAT{0,0,-1,0,0,1,0,0,1,0,0,0,0,0,0,1},"
        "PART{CONNECT{CONNPOINT{NAME{\"A\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}}}}}},MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,"
        "0,0,0,1},PART{CONNECT{CONNPOINT{NAME{\"B\"},MAT{0,0,1,0,0,1,0,0,-1,0,0,0,0,0,0,1}}}}},MATES{TRANSZ{MEMBER{"
        "\"A@1@1\",\"B@2\"}}}}");
    ASSERT_EQ(nest.node()->next, nullptr);
    EXPECT_EQ(mateOf(nest, 0).getMateType(), 1);

    // Paths: innermost first; out of range, no number or through a part: no member.
    treeC paths(
        "ASSEMBLY{MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},PART{NAME{\"top\"}}},MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,"
        "1},ASSEMBLY{MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},PART{NAME{\"d1\"}}},MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,"
        "0,0,1},PART{NAME{\"deep\"}}}}},MATES{X{MEMBER{\"N@2@2\",\"N@2@1\"}}}}");
    ASSERT_EQ(paths.node()->next, nullptr);
    const std::string before = paths.text();
    m3dMemberC one, two;
    EXPECT_EQ(mateOf(paths, 0).getMembers(one, two), 0);
    EXPECT_EQ(one.getDocumentName(), "deep");
    EXPECT_FALSE(two.isValid());
    EXPECT_EQ(mateOf(paths, 0).getMateType(), 0);
    for (const char* path : {"x", "", "0", "3", "99999999999", "-2147483648", "1@1"}) {
      memberPathC walk(path);
      EXPECT_FALSE(m3dAsmC(paths.node(), 0).resolveMemberPath(walk).isValid()) << path;
    }
    EXPECT_EQ(paths.text(), before);

    memberPathC popped("2@2");
    EXPECT_EQ(popped.getRemaining().length(), 3);
    EXPECT_EQ(popped.popIndex(), 2);
    EXPECT_EQ(popped.getRemaining().length(), 1);
    EXPECT_EQ(popped.popIndex(), 2);
    EXPECT_EQ(popped.getRemaining().length(), 0);
    EXPECT_EQ(popped.popIndex(), 0);
    EXPECT_EQ(memberPathC("99999999999").popIndex(), INT32_MAX);
    EXPECT_EQ(memberPathC("-99999999999").popIndex(), INT32_MIN);
    EXPECT_EQ(memberPathC(" +12x@ -7").popIndex(), -7);
  }
  pool.expectBalanced();
}

TEST(m3dAsmC, GatheringPlacesWhatMembersAppendAndSkipsSingularPlacements) {
  const std::string revolution =
        "PART{PARTNR{3},ITEMS{SKETCH{NAME{\"R\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1},CENTER{POINT{0,0},POINT{0,10}},LOOP{"
        "LINE{POINT{1,0},POINT{2,0}},LINE{POINT{2,0},POINT{2,5}},LINE{POINT{2,5},POINT{1,0}}}},BASE{NAME{\"V\"},TYP{ROTATE},"
        "USED{\"R\"},PARAM{360,0,0}}},COSDRAW{COSSKETCH{NAME{\"R_COSMETIC\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}}}";
  {
    // The first gathering fills the library's lasting caches.
    treeC warm(revolution.c_str());
    centerLineListC lines;
    m3dDocumentC(warm.node(), 0).collectCenterLines(identity(), lines, 1);
  }
  poolBalance pool;
  {
    for (const char* placement : {"0,1,0,0,-1,0,0,0,0,0,1,0,5,0,0,1", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1"}) {
      treeC tree(("ASSEMBLY{MEMBER{MAT{" + std::string(placement) + "}," + revolution + "}}").c_str());
      const bool singular = placement[0] == '0' && placement[2] == '0';
      centerLineListC lines;
      m3dDocumentC(tree.node(), 0).collectCenterLines(identity(), lines, 1);
      metaObjectC target = metaObjectC::createWithKeyword("COSDRAW", 1);
      m3dDocumentC(tree.node(), 0).collectCosmeticSketches(identity(), target);
      if (singular) {
        EXPECT_EQ(lines.elementCount, 0u);
        EXPECT_EQ(target.getNode()->firstChild, nullptr);
        continue;
      }
      ASSERT_EQ(lines.elementCount, 1u);
      EXPECT_EQ(lines[0].partNumber, 3);
      // The axis (0, y) of the part lies at (5 - y, 0) in the assembly.
      EXPECT_NEAR(lines[0].start.x + lines[0].end.x, 5.0, 1e-12);
      EXPECT_NEAR(lines[0].start.y, 0.0, 1e-12);
      EXPECT_NEAR(lines[0].end.y, 0.0, 1e-12);
      ASSERT_NE(target.getNode()->firstChild, nullptr);
      model3dTest::expectFrame(peekFieldNode(target.getNode()->firstChild, "MAT"), {0, 1, 0}, {-1, 0, 0}, {0, 0, 1},
                               {5, 0, 0});
    }
  }
  pool.expectBalanced();
}

TEST(m3dAsmC, DeepAssembliesBuiltByCallsReturn) {
  poolBalance pool;
  {
    metaObjectC top = metaObjectC::createWithKeyword("ASSEMBLY", 1);
    metaTreeC* assemblyNode = top.getNode();
    for (int level = 0; level < 5000; ++level) {
      metaTreeC* negative = metaTreeC::appendWordChild(metaTreeC::appendWordChild(assemblyNode, "MEMBER"), "PART");
      metaTreeC::appendWordChild(metaTreeC::appendWordChild(negative, "MTYP"), "NEG");
      metaTreeC* member = metaTreeC::appendWordChild(assemblyNode, "MEMBER");
      assemblyNode = metaTreeC::appendWordChild(member, "ASSEMBLY");
    }
    m3dAsmC view(top.getNode(), 0);
    EXPECT_EQ(view.scale(2.0), 1);
    EXPECT_GT(view.getDocumentNodes().elementCount, 100u);
    view.adjustDocumentUnitBase(2.0, 1);
    EXPECT_GE(view.removeNegativeParts(), 0);
  }
  pool.expectBalanced();
}
