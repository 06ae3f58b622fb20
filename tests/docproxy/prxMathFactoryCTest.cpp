#include "docproxy/prxMathFactoryC.h"

#include <gtest/gtest.h>

#include "tests/docproxy/mathProxyTest.h"
#include "tests/proxy/testProxies.h"

using namespace mathTest;

namespace {

dispatchT factory() { return get(vector2d(0, 0), "Factory"); }

}  // namespace

TEST(prxMathFactoryC, CreatesZeroObjects) {
  dispatchT f = factory();
  dispatchT m = method(f, "createmat4x4");
  EXPECT_EQ(typeNameOf(m), "class prxMatrix4x4C *");
  for (const char* axis : {"X", "Y", "Z", "T"}) expectNear(components3d(get(m, axis)), 0, 0, 0);
  expectNear(components3d(method(m, "mul", {objectValue(vector3d(4, 5, 6))})), 0, 0, 0);
  method(m, "ident").release();
  expectNear(components3d(method(m, "mul", {objectValue(vector3d(4, 5, 6))})), 4, 5, 6);

  dispatchT m3 = method(f, "createmat3x3");
  EXPECT_EQ(typeNameOf(m3), "class prxMatrix3x3C *");
  expectNear(components3d(get(m3, "Z")), 0, 0, 0);

  dispatchT v3 = method(f, "createvec3d");
  EXPECT_EQ(typeNameOf(v3), "class prxVector3dC *");
  expectNear(components3d(v3), 0, 0, 0);
  dispatchT v2 = method(f, "createvec2d");
  EXPECT_EQ(typeNameOf(v2), "class prxVector2dC *");
  expectNear(components2d(v2), 0, 0);

  // Each factory makes independent objects.
  dispatchT other = method(factory(), "createvec3d");
  method(other, "x", {number(1)}).release();
  expectNear(components3d(v3), 0, 0, 0);
}

TEST(prxMathFactoryC, CreateByTypeNameIgnoringCase) {
  dispatchT f = factory();
  const struct {
    const char* name;
    const char* typeName;
  } cases[] = {
      {"VECTOR3D", "class prxVector3dC *"},
      {"Vector2d", "class prxVector2dC *"},
      {"matrix3X3", "class prxMatrix3x3C *"},
      {"Matrix4x4", "class prxMatrix4x4C *"},
  };
  for (const auto& c : cases) EXPECT_EQ(typeNameOf(method(f, "Create", {mzVariantS(c.name)})), c.typeName);

  // Other names give nothing, without an error.
  for (const char* name : {"vector", "", "vector3d ", "matrix4x4x"}) {
    callS none = call(f.get(), "Create", mzInvokeMethod, {mzVariantS(name)});
    EXPECT_EQ(none.outcome, 0u) << name;
    EXPECT_EQ(none.result.type, mzVariantS::typeEmpty) << name;
  }

  // The name may be an object's default value, but not a number.
  auto* named = new testBaseProxyC();
  named->defaultValue.setString("vector2D");
  EXPECT_EQ(typeNameOf(method(f, "create", {objectValue(hold(named))})), "class prxVector2dC *");
  callS number = call(f.get(), "Create", mzInvokeMethod, {invokeTest::number(3)});
  EXPECT_EQ(number.outcome, 1u);
  EXPECT_EQ(number.source, "methode:Create(Para:1)");
}
