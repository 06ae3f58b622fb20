#include "docproxy/prxAggregateVector3dC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "memman/memManPoolC.h"
#include "mzcom/mzIIDConstants.h"
#include "tests/captureDebugOutput.h"
#include "tests/docproxy/mathProxyTest.h"

using namespace mathTest;

namespace {

uint32_t referencesOn(const dispatchT& matrix) { return static_cast<proxyObjectC*>(matrix.get())->referenceCount; }

}  // namespace

TEST(prxAggregateVector3dC, AnAxisHoldsItsMatrix) {
  dispatchT m = matrix4x4(translation(1, 2, 3));
  ASSERT_EQ(referencesOn(m), 1u);
  {
    dispatchT t = get(m, "T");
    EXPECT_EQ(referencesOn(m), 2u);
    void* nativePointer = nullptr;
    ASSERT_EQ(t->QueryInterface(mzIID_IComNativePointer, &nativePointer), 0u);
    EXPECT_EQ(referencesOn(m), 3u);
    static_cast<mzIUnknown*>(nativePointer)->Release();
    // A put on an axis returns the axis, and another reference on the matrix with it.
    dispatchT same = method(t, "x", {number(5)});
    EXPECT_EQ(same.get(), t.get());
    EXPECT_EQ(referencesOn(m), 3u);
  }
  EXPECT_EQ(referencesOn(m), 1u);
  expectNear(components3d(get(m, "T")), 5, 2, 3);
}

TEST(prxAggregateVector3dC, ReleasingInAnyOrderFreesTheMatrixOnce) {
  const std::array<int, 3> start = {0, 1, 2};  // the matrix, its X axis, its T axis
  std::array<int, 3> order = start;
  do {
    captureDebugOutput debugOutput;
    auto* proxy = new prxMatrix4x4C();
    void* block = proxy;
    std::array<dispatchT, 3> holders = {hold(proxy), dispatchT(), dispatchT()};
    method(holders[0], "ident").release();
    holders[1] = get(holders[0], "X");
    holders[2] = get(holders[0], "T");
    ASSERT_GT(memDataPoolBlockSize(block), 0u);

    for (int i = 0; i < 2; ++i) holders[order[i]].release();
    // What is still held works on the matrix as it was.
    dispatchT& last = holders[order[2]];
    if (order[2] == 0) {
      expectNear(components3d(get(last, "X")), 1, 0, 0);
    } else {
      method(last, "y", {number(7)}).release();
      EXPECT_EQ(real(last, "y"), 7.0);
    }
    EXPECT_GT(memDataPoolBlockSize(block), 0u);
    last.release();
    EXPECT_EQ(memDataPoolBlockSize(block), 0u);
    EXPECT_EQ(debugOutput.text, "");
  } while (std::next_permutation(order.begin(), order.end()));
}
