#include "draw2d/documents/m2dDocumentC.h"

#include <gtest/gtest.h>

#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"
#include "draw2d/documents/hatchLoopNumbering.h"
#include "draw2d/documents/m2dDrawingC.h"
#include "draw2d/documents/m2dFigureC.h"
#include "draw2d/documents/m2dTextC.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::treeC;

TEST(m2dDocumentC, PlainViewsRunTheBodyOfTheirKeyWord) {
  treeC drawing("DRAWING{DRAWINGITEMS{FIGURE,PART,FIGURE}SETTINGS{DXFSETTINGS{DXFINSERTX{3}}}}");
  m2dDocumentC view(drawing.node(), 0);
  const nodeListC nodes = view.collectNodes();
  ASSERT_EQ(nodes.elementCount, 3u);
  EXPECT_EQ(nodes[0], drawing.node());
  EXPECT_TRUE(nodes[1]->hasKeyword("FIGURE") && nodes[2]->hasKeyword("FIGURE") && nodes[1] != nodes[2]);

  // A fresh figure's unit base counts as 1.0; the drawing scales its DXF point by its own factor.
  view.adjustUnitBase(25.4);
  EXPECT_EQ(drawing.text(),
            "DRAWING{DRAWINGITEMS{FIGURE{FIGUREPREFS{UNITBASE{25.4}}FIGURITEMS,INSERTPOINT{POINT}}PART,"
            "FIGURE{FIGUREPREFS{UNITBASE{25.4}}FIGURITEMS,INSERTPOINT{POINT}}}SETTINGS{DXFSETTINGS{DXFINSERTX{"
            "0.11811023622047}DXFINSERTY{0}}}DRAWINGPREFS{UNITBASE{25.4}}}");

  // Key words without a 2D document class: neutral results, nothing written.
  treeC part("PART{DRAWINGITEMS}");
  m2dDocumentC other(part.node(), 0);
  keywordListC keywords;
  EXPECT_EQ(other.acceptShapes(1, keywords), 0);
  other.adjustUnitBase(2.0);
  EXPECT_EQ(other.collectNodes().elementCount, 0u);
  EXPECT_EQ(part.text(), "PART{DRAWINGITEMS}");
  EXPECT_EQ(m2dDocumentC().acceptShapes(1, keywords), 0);
}

TEST(m2dDocumentC, DrawingsNestedDeeperThanAnyFileConvertOnlyTheirUpperLevels) {
  // DRAWING{DRAWINGITEMS{DRAWING{...{FIGURE{FIGURITEMS{CIRCLE}}}}}} at 2,000 drawings, and a
  // circle in a figure beside every one of the first levels.
  metaObjectC root = metaObjectC::createWithKeyword("DRAWING", 1);
  metaTreeC* drawing = root.getNode();
  for (int level = 0; level < 2000; ++level) {
    metaTreeC* items = metaTreeC::appendWordChild(drawing, "DRAWINGITEMS");
    metaTreeC* figure = metaTreeC::appendWordChild(items, "FIGURE");
    metaTreeC* circle = metaTreeC::appendWordChild(metaTreeC::appendWordChild(figure, "FIGURITEMS"), "CIRCLE");
    metaTreeC::appendDoubleChild(metaTreeC::appendWordChild(circle, "RAD"), 1.0);
    drawing = metaTreeC::appendWordChild(items, "DRAWING");
  }
  keywordListC keywords;
  *keywords.newElement() = str("CIRCLE");
  EXPECT_EQ(m2dDocumentC(root.getNode(), 0).acceptShapes(0, keywords), m2dDrawingC::maxNestedDrawings);
}

TEST(m2dDocumentC, HatchLoopsNumberTheShapesTheyName) {
  treeC figure(
      "FIGURE{FIGURITEMS{LINE,CIRCLE{HATCHIDX{\"x\"}}}M2DHATCHES{M2DHATCH{M2DHATCHLOOPS{LOOP{M2DHATCHLOOPSHREFS{MOREF}}}}"
      "M2DHATCH{M2DHATCHLOOPS{LOOP{M2DHATCHLOOPSHREFS{MOREF,MOREF}},LOOP}}M2DHATCH}}");
  m2dFigureC view(figure.node(), 0);
  metaTreeC* line = metaObjectC(view.figureItemsNode(), 0).childAt(0);
  metaTreeC* circle = metaObjectC(view.figureItemsNode(), 0).childAt(1);
  metaTreeC* hatches = view.hatchesNode();
  metaObjectRefC(metaTreeC::findByKeyword(hatches->firstChild, "MOREF", -1), 0).setTargetNode(line);
  metaTreeC* second = metaTreeC::findByKeyword(hatches->firstChild->next, "MOREF", -1);
  metaObjectRefC(second, 0).setTargetNode(circle);
  metaObjectRefC(second->next, 0).setTargetNode(nullptr);

  EXPECT_EQ(numberHatchLoops(hatches), 3);
  EXPECT_EQ(metaObjectC(metaObjectC(line, 0).findChild("HATCHIDX"), 0).getDouble(), 0.0);
  EXPECT_EQ(metaObjectC(circle, 0).writeToStringValue(1, 0), "CIRCLE{HATCHIDX{1,\"x\"}}");
  EXPECT_EQ(numberHatchLoops(nullptr), 0);
}

TEST(m2dTextC, OnlyItsPositionMoves) {
  treeC figure("FIGURITEMS{TEXT{POINT{1,2}VALUE{\"t\"}},TEXT}");
  mShapeList2dC items(figure.node(), 0);
  items.forEachShapeTransform(shapeTest::planeMatrix(0, -1, 10, 1, 0, 0));
  items.forEachShapeScale(3.0);
  EXPECT_EQ(figure.text(), "FIGURITEMS{TEXT{POINT{8,1}VALUE{\"t\"}}TEXT{POINT{10,0}}}");
  mShapeList2dC out(metaTreeC::newWithKeyword("OUT"), 1);
  EXPECT_EQ(mBaseShape2dC(figure.node()->firstChild, 0).toIntCurve(0.01, 1e-5, out), 0);
  EXPECT_EQ(m2dTextC(figure.node()->firstChild, 0).transform(shapeTest::planeMatrix(1e308, 0, 0, 0, 1e308, 0)), 0);
  EXPECT_EQ(figure.text(), "FIGURITEMS{TEXT{POINT{8,1}VALUE{\"t\"}}TEXT{POINT{10,0}}}");
}
