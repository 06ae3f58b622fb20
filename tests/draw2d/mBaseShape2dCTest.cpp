#include "draw2d/mBaseShape2dC.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/keywordRegistrarT.h"
#include "draw2d/drawingRegistries.h"
#include "draw2d/mBaseCircle2dC.h"
#include "draw2d/mShapeList2dC.h"
#include "draw2d/shapeDispatch.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::treeC;

namespace {

// A shape whose length throws, and whose end points dispatch once more for the node's first
// child, reporting how deep the calls went while its own node stayed in place.
class probeShapeC : public mBaseShape2dC {
 public:
  double getLength() override { throw std::runtime_error("probe"); }
  int getEndPoints(vectorC2d<double>& start, vectorC2d<double>& end) override {
    metaTreeC* own = node;
    const int inner = node->firstChild ? mBaseShape2dC(node->firstChild, 0).getEndPoints(start, end) : 0;
    return node == own ? inner + 1 : -100;
  }
};

keywordRegistrarT<probeShapeC, mBaseShape2dC> probeRegistrar(shape2dRegistry, "PROBE", 3);

metaTreeC* prototypeNodeOf(const char* keyword) {
  treeC tree(keyword);
  return shapeDispatchLookup(tree.node()).prototype->getNode();
}

}  // namespace

TEST(MBaseShape2dC, ShapeRegistryHoldsEveryShapeClass) {
  const char* keywords[] = {"CIRCLE", "LINE", "ARC", "ICRV2D", "ELLIPSE", "ELLIPSEARC", "SPOINT"};
  for (const char* keyword : keywords) {
    treeC tree(keyword);
    EXPECT_NE(shapeDispatchLookup(tree.node()).prototype, nullptr) << keyword;
  }
  treeC notWord("\"LINE\"");
  EXPECT_EQ(shapeDispatchLookup(notWord.node()).prototype, nullptr);
  EXPECT_EQ(shapeDispatchLookup(nullptr).prototype, nullptr);
}

TEST(MBaseShape2dC, PlainViewBehavesAsItsKeywordsClass) {
  treeC line("LINE{POINT{3,4},POINT{0,0}}");
  mBaseShape2dC shape(line.node(), 0);
  EXPECT_EQ(shape.getLength(), 5.0);
  vectorC2d<double> c[4];
  shape.getBoundingCorners(c[0], c[1], c[2], c[3]);
  expectPoint(c[0], 0, 0);
  expectPoint(c[1], 3, 0);
  expectPoint(c[2], 3, 4);
  expectPoint(c[3], 0, 4);
  vectorC2d<double> start;
  vectorC2d<double> end;
  EXPECT_EQ(shape.getEndPoints(start, end), 1);
  expectPoint(start, 3, 4);
  EXPECT_EQ(prototypeNodeOf("LINE"), nullptr);

  // An unregistered key word: neutral results, nothing written or changed.
  treeC foo("FOO{POINT{1,2}}");
  mBaseShape2dC unknown(foo.node(), 0);
  EXPECT_EQ(unknown.getLength(), 0.0);
  EXPECT_EQ(unknown.transform(shapeTest::planeMatrix(2, 0, 1, 0, 2, 1)), 0);
  EXPECT_EQ(unknown.scale(3.0), 1);
  EXPECT_EQ(unknown.getEndPoints(start, end), 0);
  EXPECT_EQ(unknown.setEndPoints(start, end), 0);
  EXPECT_EQ(unknown.reverse(), 0);
  point2dArrayC points;
  for (int i = 0; i < 10; ++i) appendPoint(points, vectorC2d<double>(i, i));
  EXPECT_EQ(unknown.appendPoints(points, 0.0), 0);
  EXPECT_EQ(points.elementCount, 10u);
  for (vectorC2d<double>& corner : c) corner = vectorC2d<double>(-5, -5);
  unknown.getBoundingCorners(c[0], c[1], c[2], c[3]);
  for (vectorC2d<double>& corner : c) expectPoint(corner, -5, -5);
  treeC list("LIST");
  mShapeList2dC out(list.node(), 0);
  EXPECT_EQ(unknown.toIntCurve(0.0, 1e-5, out), 0);
  EXPECT_EQ(foo.text(), "FOO{POINT{1,2}}");
  EXPECT_EQ(list.text(), "LIST");

  // A class's own slot left to the general body ends at its own prototype.
  treeC circle("CIRCLE{POINT{1,1},RAD{2}}");
  mBaseCircle2dC circleView(circle.node(), 0);
  start = vectorC2d<double>(-5, -5);
  EXPECT_EQ(circleView.getEndPoints(start, end), 0);
  expectPoint(start, -5, -5);
  EXPECT_EQ(mBaseShape2dC(circle.node(), 0).reverse(), 0);
  EXPECT_EQ(prototypeNodeOf("CIRCLE"), nullptr);
  EXPECT_EQ(circle.text(), "CIRCLE{POINT{1,1}RAD{2}}");
}

TEST(MBaseShape2dC, PrototypeGetsItsNodeBackAfterExceptionsAndNestedCalls) {
  treeC probe("PROBE{PROBE{PROBE}}");
  mBaseShape2dC shape(probe.node(), 0);
  EXPECT_THROW(shape.getLength(), std::runtime_error);
  EXPECT_EQ(probeRegistrar.getPrototype()->getNode(), nullptr);

  vectorC2d<double> start;
  vectorC2d<double> end;
  EXPECT_EQ(shape.getEndPoints(start, end), 3);
  EXPECT_EQ(probeRegistrar.getPrototype()->getNode(), nullptr);

  // The named steps restore as the guard does.
  prototypeBindingS guard = shapeDispatchAttach(shapeDispatchLookup(probe.node()));
  EXPECT_EQ(probeRegistrar.getPrototype()->getNode(), probe.node());
  shapeDispatchRestore(guard);
  EXPECT_EQ(probeRegistrar.getPrototype()->getNode(), nullptr);
  prototypeBindingS none = shapeDispatchAttach(shapeDispatchLookup(nullptr));
  shapeDispatchRestore(none);
}

TEST(MBaseShape2dC, KeyedShapeAtViewsAnyChildWithoutOwningIt) {
  treeC list("LIST{FOO,LINE{POINT{0,0},POINT{0,2}}}");
  mShapeList2dC shapes(list.node(), 0);
  uint32_t found = 7;
  mBaseShape2dC second = getKeyedShapeAt(shapes, 1, &found);
  EXPECT_EQ(found, 1u);
  EXPECT_FALSE(second.ownsNode());
  EXPECT_EQ(second.getLength(), 2.0);
  EXPECT_EQ(getKeyedShapeAt(shapes, 0, &found).getLength(), 0.0);
  EXPECT_EQ(found, 1u);
  EXPECT_FALSE(getKeyedShapeAt(shapes, 2, &found).isValid());
  EXPECT_EQ(found, 0u);
  EXPECT_FALSE(getKeyedShapeAt(shapes, -1, &found).isValid());
  EXPECT_EQ(found, 0u);
}
