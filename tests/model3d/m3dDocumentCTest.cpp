#include "model3d/documents/m3dDocumentC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/keywordRegistry.h"
#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeNodeHandleTableC.h"
#include "core/storedUnitBase.h"
#include "draw2d/documents/m2dDrawingC.h"
#include "draw2d/drawingRegistries.h"
#include "model3d/annotations/m3dAnnotationFaceC.h"
#include "model3d/documents/m3dDocumentContainerC.h"
#include "model3d/documents/m3dPartC.h"
#include "model3d/modelRegistries.h"
#include "tests/helpers/poolBalance.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::identity;
using model3dTest::mirrorX;
using model3dTest::treeC;

namespace {

const char* const part1 =
    "PART{NAME{\"P\"},PARTPREFS{UNITBASE{1}},ITEMS{PLANE{NAME{\"Off1\"},TYP{OFF_TO_PLANE},"
    "MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1},PARAM{0,5,\"Plane XY\"}}},"
    "CONNECT{CONNPOINT{NAME{\"C1\"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}}}";

metaTreeC* child(metaTreeC* node, int index) {
  metaTreeC* item = node->firstChild;
  while (item && index-- > 0) item = item->next;
  return item;
}

}  // namespace

TEST(m3dDocumentC, GenericOperationsReachTheClassOfTheKeyWordOrNothing) {
  poolBalance pool;
  {
    treeC part(part1);
    metaTreeC* off1 = child(child(part.node(), 2), 0);
    EXPECT_EQ(m3dGeomOpBaseC(off1, 0).scale(2.0), 1);
    EXPECT_NE(part.text().find("PLANE{NAME{\"Off1\"}TYP{OFF_TO_PLANE}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,10,1}"
                               "PARAM{0,10,\"Plane XY\"}}"),
              std::string::npos)
        << part.text();

    // No row, no word, no node, or a class leaving the slot to the generic body: 0, unchanged.
    treeC others("ITEMS{MATES{MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}},\"PART\",ANNOTATIONFACE{POINT3D{1,2,3}}}");
    const std::string before = others.text();
    metaTreeC* views[] = {others.node(), child(others.node(), 0), child(others.node(), 1), nullptr};
    for (metaTreeC* view : views) {
      EXPECT_EQ(m3dGeomOpBaseC(view, 0).scale(2.0), 0);
      EXPECT_EQ(m3dGeomOpBaseC(view, 0).transform(mirrorX()), 0);
    }
    EXPECT_EQ(m3dAnnotationFaceC(child(others.node(), 2), 0).transform(mirrorX()), 0);
    EXPECT_EQ(m3dGeomOpBaseC(child(others.node(), 2), 0).transform(identity()), 0);
    EXPECT_EQ(others.text(), before);

    // Documents: a 2D drawing is no 3D document; a part lists itself and numbers itself.
    treeC drawing("DRAWING{DRAWINGITEMS{FIGURE}}");
    m3dDocumentC drawingView(drawing.node(), 0);
    EXPECT_EQ(drawingView.getPartNodes().elementCount, 0u);
    EXPECT_EQ(drawingView.getDocumentNodes().elementCount, 0u);
    drawingView.adjustDocumentUnitBase(2.0, 1);
    EXPECT_EQ(drawingView.numberParts(5), 4);
    EXPECT_EQ(drawing.text(), "DRAWING{DRAWINGITEMS{FIGURE}}");

    treeC bare("PART{}");
    m3dDocumentC document(bare.node(), 0);
    for (const nodeListC& nodes : {document.getPartNodes(), document.getDocumentNodes()}) {
      ASSERT_EQ(nodes.elementCount, 1u);
      EXPECT_EQ(nodes[0], bare.node());
    }
    EXPECT_EQ(document.numberParts(5), 5);
    EXPECT_EQ(bare.text(), "PART{PARTNR{5}}");
    EXPECT_EQ(document.findPartByNumber(5), bare.node());
    EXPECT_EQ(document.findPartByNumber(4), nullptr);
    // first + count - 1 beyond the 32-bit range keeps its low 32 bits, without overflow.
    EXPECT_EQ(document.numberParts(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
    EXPECT_EQ(m3dDocumentC(bare.node(), 0).numberParts(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
  }
  pool.expectBalanced();
}

TEST(m3dDocumentC, RegistriesHoldTheirOwnFamilyAlone) {
  EXPECT_NE(findKeyword(document3dRegistry, "PART"), nullptr);
  EXPECT_NE(findKeyword(document3dRegistry, "ASSEMBLY"), nullptr);
  ASSERT_EQ(document3dRegistry->elementCount, 2u);
  const char* const geometric[] = {"ANNOTATIONFACE", "ANNOTATIONSETFACE", "ANNOTATIONSETS", "ASSEMBLY", "BASE",
                                   "CONNPOINT", "COSSKETCH", "CUT", "FEATPATTERN", "FPBASEFEAT", "FPSKETCH", "MEMBER",
                                   "PART", "PLANE", "SKETCH", "SKETCHON", "TRANSZ"};
  const int priorities[] = {5, 5, 4, 5, 6, 4, 5, 6, 5, 4, 5, 5, 5, 5, 5, 4, 5};
  ASSERT_EQ(geometricOp3dRegistry->elementCount, 17u);
  for (uint32_t i = 0; i < 17; ++i) {
    EXPECT_EQ((*geometricOp3dRegistry)[i].keyword, geometric[i]);
    EXPECT_EQ((*geometricOp3dRegistry)[i].priority, priorities[i]) << geometric[i];
  }
  const char* const features[] = {"BASE", "CUT", "FEATPATTERN", "SKETCH"};
  const int featurePriorities[] = {6, 6, 5, 5};
  ASSERT_EQ(featureRegistry->elementCount, 4u);
  for (uint32_t i = 0; i < 4; ++i) {
    EXPECT_EQ((*featureRegistry)[i].keyword, features[i]);
    EXPECT_EQ((*featureRegistry)[i].priority, featurePriorities[i]) << features[i];
  }
  ASSERT_EQ(documentRegistry->elementCount, 2u);
  EXPECT_EQ((*documentRegistry)[0].keyword, "DRAWING");
  EXPECT_EQ((*documentRegistry)[1].keyword, "FIGURE");

  // A drawing holding 3D documents converts and rescales none of them.
  treeC drawing(
      "DRAWING{DRAWINGITEMS{PART{ITEMS{PLANE{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1}}}},ASSEMBLY}}");
  m2dDrawingC view(drawing.node(), 0);
  EXPECT_EQ(view.acceptShapes(1, keywordListC()), 0);
  view.adjustUnitBase(2.0);
  EXPECT_NE(drawing.text().find("DRAWINGITEMS{PART{ITEMS{PLANE{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1}}}}ASSEMBLY}"),
            std::string::npos)
      << drawing.text();
}

TEST(m3dDocumentC, AnnotationSetsScaleNestedSetsOnlyAsDeepAsTheBoundAllows) {
  poolBalance pool;
  {
    treeC sets(
        "ANNOTATIONSETS{ANNOTATIONSETFACE{ANNOTATIONSETFACE{ANNOTATIONFACE{POINT3D{1,1,1}}},ANNOTATIONFACE{POINT3D{2,"
        "2,2}}},OTHERSET{ANNOTATIONFACE{POINT3D{5,5,5}}},ANNOTATIONSETFACE{ANNOTATIONFACE}}");
    EXPECT_EQ(m3dGeomOpBaseC(sets.node(), 0).scale(2.0), 1);
    EXPECT_EQ(sets.text(),
              "ANNOTATIONSETS{ANNOTATIONSETFACE{ANNOTATIONSETFACE{ANNOTATIONFACE{POINT3D{2,2,2}}}ANNOTATIONFACE{POINT3D{"
              "4,4,4}}}OTHERSET{ANNOTATIONFACE{POINT3D{5,5,5}}}ANNOTATIONSETFACE{ANNOTATIONFACE{POINT3D}}}");
    EXPECT_EQ(m3dGeomOpBaseC(sets.node(), 0).scale(std::nan("")), 0);

    // 900 sets read from text: the innermost face is scaled.
    std::string text = "ANNOTATIONSETS{";
    for (int i = 0; i < 900; ++i) text += "ANNOTATIONSETFACE{";
    text += "ANNOTATIONFACE{POINT3D{1,1,1}}" + std::string(901, '}');
    treeC deep(text.c_str());
    ASSERT_NE(deep.node(), nullptr);
    EXPECT_EQ(m3dGeomOpBaseC(deep.node(), 0).scale(2.0), 1);
    EXPECT_NE(deep.text().find("POINT3D{2,2,2}"), std::string::npos);

    // 5,000 built by calls: the upper levels are scaled, the bound stops the rest.
    metaObjectC root = metaObjectC::createWithKeyword("ANNOTATIONSETFACE", 1);
    metaTreeC* set = root.getNode();
    metaTreeC* innermostPoint = nullptr;
    metaTreeC* outermostPoint = nullptr;
    for (int level = 0; level < 5000; ++level) {
      metaTreeC* point = metaTreeC::appendWordChild(metaTreeC::appendWordChild(set, "ANNOTATIONFACE"), "POINT3D");
      for (int n = 0; n < 3; ++n) metaTreeC::appendDoubleChild(point, 1.0);
      if (!outermostPoint) outermostPoint = point;
      innermostPoint = point;
      set = metaTreeC::appendWordChild(set, "ANNOTATIONSETFACE");
    }
    EXPECT_EQ(m3dGeomOpBaseC(root.getNode(), 0).scale(2.0), 1);
    model3dTest::expectVector(readNodePoint3d(outermostPoint), 2, 2, 2);
    model3dTest::expectVector(readNodePoint3d(innermostPoint), 1, 1, 1);
  }
  pool.expectBalanced();
}

TEST(m3dDocumentContainerC, PlacesItsDocumentAndReplacesItSafely) {
  poolBalance pool;
  {
    treeC tool("TOOLDOC{ASSEMBLY{NAME{\"a\"}},PART{NAME{\"p\"}},MAT{1,0,0,0,0,1,0,0,0,0,1,0,10,0,0,1}}");
    m3dDocumentContainerC container(tool.node(), 0);
    EXPECT_EQ(container.getDocumentName(), "p");
    EXPECT_TRUE(container.isPartDocument() && container.isAsmDocument());
    EXPECT_EQ(container.scale(2.0), 1);
    EXPECT_EQ(container.scale(INFINITY), 0);
    EXPECT_EQ(tool.text(), "TOOLDOC{ASSEMBLY{NAME{\"a\"}}PART{NAME{\"p\"}}MAT{1,0,0,0,0,1,0,0,0,0,1,0,20,0,0,1}}");

    struct {
      const char* matrix;
      double factor;
      const char* expected;
    } const translations[] = {
        {"MAT{1,2,3}", 2.0, "MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}"},
        {"MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}", 3.0, "MAT{1,0,0,0,0,1,0,0,0,0,1,0,3,6,9,1}"},
        {"MAT{1,0,0,0,0,1,0,0,0,0,1,0,1e300,1,1,1}", 1e10, "MAT{1,0,0,0,0,1,0,0,0,0,1,0,1e+300,10000000000,10000000000,1}"},
    };
    for (const auto& row : translations) {
      treeC matrix(row.matrix);
      mObjMat4x4C(matrix.node(), 0).scaleTranslation(row.factor);
      EXPECT_EQ(matrix.text(), row.expected);
    }

    treeC member("MEMBER{PART{NAME{\"p\"}}}");
    m3dDocumentContainerC holder(member.node(), 0);
    EXPECT_EQ(holder.replaceDocument(member.node()->firstChild, 1), 1);
    EXPECT_EQ(member.text(), "MEMBER{PART{NAME{\"p\"}}}");
    // Without the copy flag a linked node, the container itself or its root are refused.
    treeC linked("ITEMS{ASSEMBLY,PART}");
    EXPECT_EQ(holder.replaceDocument(linked.node()->firstChild, 0), 0);
    EXPECT_EQ(holder.replaceDocument(member.node(), 0), 0);
    EXPECT_EQ(holder.replaceDocument(nullptr, 1), 0);
    EXPECT_EQ(member.text(), "MEMBER{PART{NAME{\"p\"}}}");
    metaObjectC assembly = metaObjectC::readFromString("ASSEMBLY{NAME{\"b\"}}", 0);
    EXPECT_EQ(holder.replaceDocument(assembly.getNode(), 0), 1);
    EXPECT_EQ(member.text(), "MEMBER{ASSEMBLY{NAME{\"b\"}}}");
  }
  pool.expectBalanced();
}

TEST(prjCenterLineDataC, ClassifiesAgainstTheViewDirection) {
  struct {
    vectorC3d<double> start, end;
    int result, kind;
  } const rows[] = {
      {{0, 0, 0}, {0, 0, 5}, 1, 1},
      {{0, 0, 0}, {3, 0, 0}, 1, 2},
      {{0, 0, 0}, {1, 0, 1}, 0, 7},
      {{1, 1, 1}, {1, 1, 1}, 0, 7},
      {{0, 0, 0}, {NAN, 0, 1}, 0, 7},
  };
  for (const auto& row : rows) {
    prjCenterLineDataC line;
    line.start = row.start;
    line.end = row.end;
    line.kind = 7;
    EXPECT_EQ(line.classify(identity()), row.result);
    EXPECT_EQ(line.kind, row.result ? row.kind : 7);
  }
}

TEST(m3dPartC, PartNumbersAndUnitBasesReadSafely) {
  treeC part("PART{PARTNR{2.9}}");
  m3dPartC view(part.node(), 0);
  uint32_t found = 0;
  EXPECT_EQ(view.getPartNumber(&found), 2);
  EXPECT_EQ(found, 1u);
  view.setPartNumber(3);
  EXPECT_EQ(part.text(), "PART{PARTNR{3}}");
  treeC text("PART{PARTNR{\"x\"}}");
  EXPECT_EQ(m3dPartC(text.node(), 0).getPartNumber(&found), 0);
  EXPECT_EQ(found, 0u);
  m3dPartC(text.node(), 0).setPartNumber(4);
  EXPECT_EQ(text.text(), "PART{PARTNR{4,\"x\"}}");

  struct {
    const char* prefs;
    double unitBase;
  } const unitBases[] = {{"PARTPREFS{UNITBASE{25.4}}", 25.4}, {"PARTPREFS{UNITBASE{0}}", 1.0},
                         {"PARTPREFS{UNITBASE{-2}}", 1.0},     {"PARTPREFS{UNITBASE{1e999}}", 1.0},
                         {"PARTPREFS{UNITBASE{\"2\"}}", 1.0},  {"PARTPREFS", 1.0}};
  for (const auto& row : unitBases) EXPECT_EQ(storedUnitBase(treeC(row.prefs).node()), row.unitBase) << row.prefs;
  EXPECT_EQ(storedUnitBase(nullptr), 1.0);
}

TEST(m3dPartC, ExpressionReferencesAreFoundOnlyForLiveTargets) {
  poolBalance pool;
  {
    treeC part("PART{PARTEXPRREF{MOREF},PARTEXPRREF{MOREF},ITEMS{PLANE,PLANE},TOOLDOCS{TOOLDOC{PART{NAME{\"t\"}}}}}");
    m3dPartC view(part.node(), 0);
    metaTreeC* second = part.node()->firstChild->next;
    metaTreeC* planes = view.getItems().getNode();
    metaObjectRefC(part.node()->firstChild->firstChild, 0).setTargetNode(planes->firstChild);
    metaObjectRefC(second->firstChild, 0).setTargetNode(planes->firstChild->next);
    const uint32_t handle = metaTreeNodeHandleTableC::instance().handleOf(planes->firstChild->next);
    EXPECT_EQ(view.findExpressionRef(handle).getNode(), second);
    EXPECT_FALSE(view.findExpressionRef(0).isValid());
    view.getItems().removeChildAt(1);
    EXPECT_FALSE(view.findExpressionRef(handle).isValid());

    EXPECT_EQ(getParentPart(planes).getNode(), part.node());
    EXPECT_EQ(view.getItems().getPart().getNode(), part.node());
    EXPECT_EQ(view.getToolDocuments().getItem(0).getDocumentName(), "t");
    EXPECT_EQ(view.getToolDocuments().getCount(), 1u);
    EXPECT_EQ(view.isNegative(), 0);
    EXPECT_EQ(m3dPartC(treeC("PART{MTYP{NEG}}").node(), 0).isNegative(), 1);
  }
  pool.expectBalanced();
}
