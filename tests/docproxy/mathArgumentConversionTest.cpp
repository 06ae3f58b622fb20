#include <gtest/gtest.h>

#include "docproxy/mathArgumentConversion.h"
#include "proxy/proxyAutoTypeCastC.h"
#include "proxy/proxyExceptions.h"
#include "tests/docproxy/mathProxyTest.h"
#include "tests/helpers/fakeScriptObjects.h"

using namespace mathTest;

namespace {

// Passes for a 3D vector by its type name; x reads as an integer, y as a double or, when
// failY is set, fails.
class foreignVectorC : public proxyObjectC {
 public:
  foreignVectorC() : proxyObjectC(description, 0) {}

  bool failY = false;

  static const proxyMethodEntryS rows[];
  static inline const proxyClassC description{"class prxVector3dC *", rows, nullptr};

 private:
  static void readX(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setInt(7); }
  static void readY(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    if (static_cast<foreignVectorC*>(static_cast<proxyObjectC*>(native))->failY) throwTypeCastException();
    result.setDouble(2.0);
  }
  static void readZ(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setDouble(3.0); }
};

const proxyMethodEntryS foreignVectorC::rows[] = {
    {"x", mzInvokePropertyGet, 0, &readX},
    {"y", mzInvokePropertyGet, 0, &readY},
    {"z", mzInvokePropertyGet, 0, &readZ},
    {},
};

template <class convertT>
bool throwsCast(convertT convert) {
  try {
    convert();
  } catch (const proxyAutoTypeCastExceptionC&) {
    return true;
  }
  return false;
}

}  // namespace

TEST(MathArgumentConversion, VectorsAndAxesConvertByExactClass) {
  dispatchT v3 = vector3d(1, 2, 3);
  dispatchT v2 = vector2d(4, 5);
  expectNear(variantToVector3d(v3), 1, 2, 3);
  expectNear(variantToVector2d(v2), 4, 5);

  matrixC4x4<double> m = translation(7, 8, 9);
  dispatchT matrix = matrix4x4(m);
  expectNear(variantToVector3d(get(matrix, "T")), 7, 8, 9);

  // No widening between dimensions, no vector from a matrix, nothing from no object.
  EXPECT_TRUE(throwsCast([&] { variantToVector3d(v2); }));
  EXPECT_TRUE(throwsCast([&] { variantToVector2d(v3); }));
  EXPECT_TRUE(throwsCast([&] { variantToVector3d(matrix); }));
  EXPECT_TRUE(throwsCast([&] { variantToMatrix3x3(matrix); }));
  EXPECT_TRUE(throwsCast([&] { variantToVector3d(dispatchT()); }));
}

TEST(MathArgumentConversion, MatricesConvertThroughTheirAxes) {
  matrixC4x4<double> m;
  m.setRotationXYZ(10, 20, 30);
  m.values[12] = 4;
  m.values[13] = 5;
  m.values[14] = 6;
  m.values[3] = 9;  // not stored: the fourth row always reads (0, 0, 0, 1)
  const matrixC4x4<double> converted = variantToMatrix4x4(matrix4x4(m));
  for (int n = 0; n < 16; ++n) {
    const double expected = n % 4 == 3 ? (n == 15 ? 1.0 : 0.0) : m.values[n];
    EXPECT_EQ(converted.values[n], expected) << n;
  }

  matrixC3x3<double> block;
  for (int n = 0; n < 9; ++n) block.values[n] = n + 1;
  const matrixC3x3<double> back = variantToMatrix3x3(hold(new prxMatrix3x3C(block)));
  for (int n = 0; n < 9; ++n) EXPECT_EQ(back.values[n], n + 1.0) << n;
}

TEST(MathArgumentConversion, ComponentsAreReadByNameOnly) {
  auto* foreign = new foreignVectorC();
  dispatchT object = hold(foreign);
  // A component of another type is 0; a failed read gives the zero vector.
  expectNear(variantToVector3d(object), 0, 2, 3);
  foreign->failY = true;
  expectNear(variantToVector3d(object), 0, 0, 0);
}

TEST(MathArgumentConversion, DefaultMembersAreFollowedAndEveryReferenceIsGivenBack) {
  fakeDispatchC script;
  dispatchT vector = vector2d(1.5, -2);
  script.defaultValue.setDispatch(vector.get());
  {
    dispatchT holder(static_cast<mzIDispatch*>(&script));
    expectNear(variantToVector2d(holder), 1.5, -2);
    // The same walk ends at a 2D vector where a 3D one is wanted, and throws.
    EXPECT_TRUE(throwsCast([&] { variantToVector3d(holder); }));
  }
  EXPECT_EQ(script.references, 1u);
  script.defaultValue.clear();
  EXPECT_EQ(static_cast<proxyObjectC*>(vector.get())->referenceCount, 1u);

  // A default member that is no object, or fails, ends the walk.
  script.defaultValue.setDouble(3);
  EXPECT_TRUE(throwsCast([&] { variantToVector2d(dispatchT(static_cast<mzIDispatch*>(&script))); }));
  script.failDefault = true;
  EXPECT_TRUE(throwsCast([&] { variantToVector2d(dispatchT(static_cast<mzIDispatch*>(&script))); }));
  EXPECT_EQ(script.references, 1u);

  // An object that is its own default value is followed a bounded number of steps.
  script.failDefault = false;
  script.returnsSelf = true;
  script.invokeCount = 0;
  EXPECT_TRUE(throwsCast([&] { variantToVector3d(dispatchT(static_cast<mzIDispatch*>(&script))); }));
  EXPECT_EQ(script.invokeCount, mzMaxIndirectionSteps);
  EXPECT_EQ(script.references, 1u);
}
