#include "docproxy/prxVector3dC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

TEST(prxVector3dC, ArithmeticGivesNewVectorsAndLeavesTheOperandsAlone) {
  dispatchT a = vector3d(1, 2, 3);
  dispatchT b = vector3d(4, -5, 6);
  const struct {
    const char* name;
    mzVariantS argument;
    double x, y, z;
  } cases[] = {
      {"add", objectValue(b), 5, -3, 9},   {"sub", objectValue(b), -3, 7, -3},   {"cross", objectValue(b), 27, 6, -13},
      {"mul", doubleValue(2), 2, 4, 6}, {"mul", number(-1), -1, -2, -3}, {"div", doubleValue(4), 0.25, 0.5, 0.75},
  };
  for (const auto& c : cases) {
    dispatchT result = method(a, c.name, {c.argument});
    ASSERT_TRUE(result) << c.name;
    EXPECT_NE(result.get(), a.get()) << c.name;
    EXPECT_EQ(typeNameOf(result), "class prxVector3dC *") << c.name;
    expectNear(components3d(result), c.x, c.y, c.z);
  }
  expectNear(components3d(a), 1, 2, 3);
  expectNear(components3d(b), 4, -5, 6);

  callS dot = call(a.get(), "skalar", mzInvokeMethod, {objectValue(b)});
  EXPECT_EQ(dot.result.type, mzVariantS::typeDouble);
  EXPECT_EQ(dot.result.doubleValue, 12.0);

  // Division by 0 is not refused.
  const vectorC3d<double> divided = components3d(method(vector3d(1, 0, -1), "div", {number(0)}));
  EXPECT_EQ(divided.x, std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(divided.y));
  EXPECT_EQ(divided.z, -std::numeric_limits<double>::infinity());
}

TEST(prxVector3dC, PutsChainOnTheSameObject) {
  dispatchT v = vector3d(0, 0, 0);
  dispatchT same = method(method(v, "x", {number(5)}), "Y", {doubleValue(6)});
  EXPECT_EQ(same.get(), v.get());
  EXPECT_EQ(object(v, "z", mzInvokePropertyPut, {doubleValue(7)}).get(), v.get());
  expectNear(components3d(v), 5, 6, 7);

  // A put takes numbers only; the vector keeps its value.
  callS text = call(v.get(), "x", mzInvokePropertyPut, {mzVariantS("1")});
  EXPECT_EQ(text.outcome, 1u);
  expectNear(components3d(v), 5, 6, 7);
}

TEST(prxVector3dC, ArgumentsMustBe3dVectorsOrAxes) {
  dispatchT v = vector3d(1, 2, 3);
  dispatchT identity = matrix4x4(translation(0, 0, 0));
  callS withAxis = call(v.get(), "skalar", mzInvokeMethod, {objectValue(get(identity, "X"))});
  EXPECT_EQ(withAxis.outcome, 0u);
  EXPECT_EQ(withAxis.result.doubleValue, 1.0);

  for (const mzVariantS& wrong : {objectValue(vector2d(1, 1)), objectValue(identity), doubleValue(1), mzVariantS()}) {
    callS failed = call(v.get(), "add", mzInvokeMethod, {wrong});
    EXPECT_EQ(failed.outcome, 1u);
    EXPECT_EQ(failed.source, "methode:add(Para:1)");
    EXPECT_EQ(failed.description, "Object call failed");
  }
  expectNear(components3d(v), 1, 2, 3);
}

TEST(prxVector3dC, EveryFactoryReadIsANewFactory) {
  dispatchT v = vector3d(1, 2, 3);
  dispatchT first = get(v, "Factory");
  dispatchT second = get(v, "factory");
  ASSERT_TRUE(first);
  ASSERT_TRUE(second);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(typeNameOf(first), "class prxMathFactoryC *");
}
