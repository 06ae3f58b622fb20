#include "geom/vectorC3d.h"

#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "geom/matrixC3x3.h"
#include "geom/matrixC4x4.h"
#include "geom/vectorC2d.h"
#include "geom/vectorC4d.h"
#include "tests/geom/vectorTest.h"

// Builds a record over memory full of non-zero bytes, as a stack slot may be.
template <typename R>
R* constructOverGarbage(unsigned char (&storage)[sizeof(R)], bool initialise) {
  std::memset(storage, 0xA5, sizeof storage);
  return new (storage) R(initialise);
}

template <typename R>
bool allBytesZero(const R* record) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(record);
  for (size_t n = 0; n < sizeof(R); ++n) {
    if (bytes[n] != 0) return false;
  }
  return true;
}

TEST(GeomRecords, StartAsZeroWhateverTheFlag) {
  for (bool initialise : {true, false}) {
    alignas(vectorC2d<double>) unsigned char v2[sizeof(vectorC2d<double>)];
    alignas(vectorC3d<double>) unsigned char v3[sizeof(vectorC3d<double>)];
    alignas(vectorC4d<double>) unsigned char v4[sizeof(vectorC4d<double>)];
    alignas(matrixC3x3<double>) unsigned char m3[sizeof(matrixC3x3<double>)];
    alignas(matrixC4x4<double>) unsigned char m4[sizeof(matrixC4x4<double>)];
    EXPECT_TRUE(allBytesZero(constructOverGarbage<vectorC2d<double>>(v2, initialise)));
    EXPECT_TRUE(allBytesZero(constructOverGarbage<vectorC3d<double>>(v3, initialise)));
    EXPECT_TRUE(allBytesZero(constructOverGarbage<vectorC4d<double>>(v4, initialise)));
    EXPECT_TRUE(allBytesZero(constructOverGarbage<matrixC3x3<double>>(m3, initialise)));
    EXPECT_TRUE(allBytesZero(constructOverGarbage<matrixC4x4<double>>(m4, initialise)));
  }
  static_assert(sizeof(matrixC4x4<double>) == 16 * sizeof(double));
  static_assert(sizeof(matrixC3x3<double>) == 9 * sizeof(double));
  static_assert(sizeof(vectorC4d<double>) == 4 * sizeof(double));
}

TEST(VectorC3d, CrossAssignAndConversion) {
  expectNear(vectorC3d<double>(1, 0, 0).cross(vectorC3d<double>(0, 1, 0)), 0, 0, 1);
  expectNear(vectorC3d<double>(0, 1, 0).cross(vectorC3d<double>(1, 0, 0)), 0, 0, -1);
  expectNear(vectorC3d<double>(1, 2, 3).cross(vectorC3d<double>(4, 5, 6)), -3, 6, -3);

  const double source[4] = {7.0, 8.0, 9.0, 10.0};
  vectorC3d<double> v(1.0, 2.0, 3.0);
  v.assign(source, 2);
  expectNear(v, 7, 8, 3);
  v.assign(source, 0);
  v.assign(source, -5);
  expectNear(v, 7, 8, 3);
  v.assign(source + 1, 4);
  expectNear(v, 8, 9, 10);

  expectNear(vectorC3d<double>(vectorC4d<double>(1, 2, 3, 4)), 1, 2, 3);
}

TEST(VectorC3d, SetLengthKeepsDirectionAndLeavesZeroVectorAlone) {
  vectorC3d<double> v(2.0, 3.0, 6.0);
  EXPECT_EQ(v.length(), 7.0);
  v.setLength(14.0);
  expectNear(v, 4, 6, 12);

  vectorC3d<double> zero;
  zero.setLength(1.0);
  expectNear(zero, 0, 0, 0);
}
