#include "model3d/meshes/mMeshPartC.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::treeC;

TEST(mMeshPartC, ThreadRecordsMoveTheirEndsAndStretchTheirLengthByTheImageOfTheXAxis) {
  treeC part("MESHPART{MESHPARTTHRS{MESHPARTTHR{MPTS{1,0,0},MPTE{0,1,0},MPTD{3}}}}");
  matrixC4x4<double> doubling = model3dTest::identity();
  doubling.values[0] = doubling.values[5] = doubling.values[10] = 2.0;
  mMeshPartC(part.node(), 0).transformThreads(doubling);
  EXPECT_EQ(part.text(), "MESHPART{MESHPARTTHRS{MESHPARTTHR{MPTS{2,0,0}MPTE{0,2,0}MPTD{6}}}}");

  matrixC4x4<double> shift = model3dTest::identity();
  shift.values[12] = 2.0;
  shift.values[13] = 4.0;
    mMeshPartC(part.node(), 0).transformThreads(shift);
  // |(1, 0, 0) + (2, 4, 0)| = 5.
  EXPECT_EQ(part.text(), "MESHPART{MESHPARTTHRS{MESHPARTTHR{MPTS{4,4,0}MPTE{2,6,0}MPTD{30}}}}");

  // The part's own transform leaves the records as they are.
  mMeshPartC(part.node(), 0).transform(doubling);
  EXPECT_NE(part.text().find("MPTD{30}"), std::string::npos);
}
