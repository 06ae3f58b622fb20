#include "draw2d/shapes/mBaseShape2dC.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/keywordRegistrarT.h"
#include "draw2d/drawingRegistries.h"
#include "draw2d/shapes/mBaseCircle2dC.h"
#include "draw2d/shapes/mShapeList2dC.h"
#include "draw2d/shapes/shapeDispatch.h"
#include "tests/draw2d/shapeTestHelpers.h"

using shapeTest::expectPoint;
using shapeTest::treeC;

namespace {

// Its length throws; its end points dispatch once more for the node's first child and report
// how deep the calls went while its own node stayed in place.
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

bool prototypesHoldNoNode() {
  for (const char* keyword : {"CIRCLE", "LINE", "ARC", "ICRV2D", "ELLIPSE", "ELLIPSEARC", "SPOINT", "PROBE"}) {
    treeC tree(keyword);
    const mBaseShape2dC* prototype = shapeDispatchLookup(tree.node()).prototype;
    if (!prototype || prototype->getNode()) return false;
  }
  return true;
}

}  // namespace

TEST(MBaseShape2dC, PlainViewBehavesAsItsKeywordsClass) {
  treeC line("LINE{POINT{3,4},POINT{0,0}}");
  mBaseShape2dC shape(line.node(), 0);
  EXPECT_EQ(shape.getLength(), 5.0);
  vectorC2d<double> c[4];
  shape.getBoundingCorners(c[0], c[1], c[2], c[3]);
  const double corners[4][2] = {{0, 0}, {3, 0}, {3, 4}, {0, 4}};
  for (int i = 0; i < 4; ++i) expectPoint(c[i], corners[i][0], corners[i][1]);

  // An unregistered key word: neutral results, nothing written or changed.
  treeC foo("FOO{POINT{1,2}}");
  mBaseShape2dC unknown(foo.node(), 0);
  vectorC2d<double> start(-5, -5);
  EXPECT_EQ(unknown.getLength(), 0.0);
  EXPECT_EQ(unknown.transform(shapeTest::planeMatrix(2, 0, 1, 0, 2, 1)), 0);
  EXPECT_EQ(unknown.scale(3.0), 1);
  EXPECT_EQ(unknown.getEndPoints(start, start) + unknown.setEndPoints(start, start) + unknown.reverse(), 0);
  point2dArrayC points;
  for (int i = 0; i < 10; ++i) appendPoint(points, vectorC2d<double>(i, i));
  EXPECT_EQ(unknown.appendPoints(points, 0.0), 0);
  EXPECT_EQ(points.elementCount, 10u);
  unknown.getBoundingCorners(start, start, start, start);
  expectPoint(start, -5, -5);
  treeC list("LIST{FOO}");
  mShapeList2dC out(list.node(), 0);
  EXPECT_EQ(unknown.toIntCurve(0.0, 1e-5, out), 0);
  EXPECT_EQ(foo.text() + list.text(), "FOO{POINT{1,2}}LIST{FOO}");

  // A slot a registered class leaves to the general body ends at its own prototype.
  treeC circle("CIRCLE{POINT{1,1},RAD{2}}");
  EXPECT_EQ(mBaseCircle2dC(circle.node(), 0).getEndPoints(start, start), 0);
  EXPECT_EQ(mBaseShape2dC(circle.node(), 0).reverse(), 0);
  EXPECT_EQ(circle.text(), "CIRCLE{POINT{1,1}RAD{2}}");
  EXPECT_TRUE(prototypesHoldNoNode());

  // Any child of a list, as a view that does not own it.
  uint32_t found = 7;
  mBaseShape2dC second = getKeyedShapeAt(out, 0, &found);
  EXPECT_FALSE(found == 0 || second.ownsNode() || getKeyedShapeAt(out, 1).isValid());
  EXPECT_FALSE(getKeyedShapeAt(out, -1, &found).isValid() || found);
}

TEST(MBaseShape2dC, PrototypeGetsItsNodeBackAfterExceptionsAndNestedCalls) {
  treeC probe("PROBE{PROBE{PROBE}}");
  mBaseShape2dC shape(probe.node(), 0);
  EXPECT_THROW(shape.getLength(), std::runtime_error);
  EXPECT_TRUE(prototypesHoldNoNode());
  vectorC2d<double> start;
  EXPECT_EQ(shape.getEndPoints(start, start), 3);
  EXPECT_TRUE(prototypesHoldNoNode());

  prototypeBindingS guard = shapeDispatchAttach(shapeDispatchLookup(probe.node()));
  EXPECT_EQ(probeRegistrar.getPrototype()->getNode(), probe.node());
  shapeDispatchRestore(guard);
  EXPECT_TRUE(prototypesHoldNoNode());
  treeC notWord("\"LINE\"");
  EXPECT_EQ(shapeDispatchLookup(notWord.node()).prototype, nullptr);
}
