#include <gtest/gtest.h>

#include <vector>

#include "docproxy/prxVector2dC.h"
#include "memman/memManPoolInspect.h"
#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

TEST(prxVector2dC, ArithmeticAndPuts) {
  dispatchT a = vector2d(1, 2);
  dispatchT b = vector2d(3, -4);
  expectNear(components2d(method(a, "add", {objectValue(b)})), 4, -2);
  expectNear(components2d(method(a, "sub", {objectValue(b)})), -2, 6);
  dispatchT scaled = method(a, "mul", {doubleValue(1.5)});
  EXPECT_EQ(typeNameOf(scaled), "class prxVector2dC *");
  expectNear(components2d(scaled), 1.5, 3);
  EXPECT_EQ(call(a.get(), "skalar", mzInvokeMethod, {objectValue(b)}).result.doubleValue, -5.0);
  expectNear(components2d(a), 1, 2);

  EXPECT_EQ(method(method(a, "x", {number(5)}), "y", {number(6)}).get(), a.get());
  expectNear(components2d(a), 5, 6);
  // A 2D vector has no z and no div.
  EXPECT_EQ(call(a.get(), "z", mzInvokePropertyGet).outcome, 1u);
  EXPECT_EQ(call(a.get(), "div", mzInvokeMethod, {number(2)}).outcome, 1u);
}

TEST(prxVector2dC, A3dArgumentIsNoVectorOfTheDimension) {
  dispatchT a = vector2d(1, 2);
  callS failed = call(a.get(), "skalar", mzInvokeMethod, {objectValue(vector3d(1, 1, 1))});
  EXPECT_EQ(failed.outcome, 1u);
  EXPECT_EQ(failed.source, "methode:skalar(Para:1)");
  EXPECT_EQ(failed.description, "Object call failed");
  EXPECT_EQ(call(a.get(), "add", mzInvokeMethod, {objectValue(vector3d(1, 1, 1))}).outcome, 1u);
}

// Objects share their class's table: after the first vector, each new one is the one block
// of the object itself, and giving them back leaves the heap as it was.
TEST(prxVector2dC, ManyVectorsThroughAddAllocateNoTable) {
  dispatchT a = vector2d(1, 2);
  dispatchT b = vector2d(3, 4);
  dispatchT first = method(a, "add", {objectValue(b)});
  const uint32_t before = memPoolOutstandingCount();
  {
    std::vector<dispatchT> sums;
    sums.reserve(1000);
    for (int i = 0; i < 1000; ++i) sums.push_back(method(a, "add", {objectValue(b)}));
    EXPECT_EQ(memPoolOutstandingCount() - before, 1000u);
    expectNear(components2d(sums.back()), 4, 6);
  }
  EXPECT_EQ(memPoolOutstandingCount(), before);
}
