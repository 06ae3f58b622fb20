#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

struct meshScriptC {
  dispatchT factory = factoryOf("rudezaze.mmeshfactory");

  dispatchT read(const std::string& treeText) const {
    return method(factory, "createFromString", {text(treeText.c_str())});
  }
  dispatchT part(const std::string& treeText) const { return method(factory, "tomeshpart", {objectValue(read(treeText))}); }
  dispatchT assembly(const std::string& treeText) const {
    return method(factory, "tomeshasm", {objectValue(read(treeText))});
  }
};

std::string triangle(const char* pointNumbers, const char* normal) {
  return std::string("MESHPART{MESH3DPKS{POINT3D{0,0,0},POINT3D{1,0,0},POINT3D{0,1,0}},MESH3DNORS{POINT3D{") + normal +
         "}},MESHPATCHES{MESHPATCH{MPKNRS{" + pointNumbers + "},MNORNRS{0}}}}";
}

const double notANumber = std::numeric_limits<double>::quiet_NaN();

}  // namespace

class meshScript : public poolBalancedTest {};

TEST_F(meshScript, PatchNormalsFaceTheStoredNormalAndTransformsMovePointsButTurnNormals) {
  meshScriptC m;
  struct caseS {
    const char* pointNumbers;
    const char* normal;
    const char* expected;
  };
  for (const caseS& c : {caseS{"0,1,2", "0,0,-1", "(0,0,-1)"}, {"0,2,1", "0,0,1", "(0,0,1)"},
                         {"0,1,2", "0,0,1", "(0,0,1)"}, {"0,0,0", "0,0,1", "(0,0,0)"}})
    EXPECT_EQ(point(method(item(get(m.part(triangle(c.pointNumbers, c.normal)), "MeshPatches"), 0), "Normal")),
              c.expected)
        << c.pointNumbers;

  dispatchT mp = m.part(triangle("0,1,2", "0,0,-1"));
  EXPECT_EQ(integer(get(mp, "Factory"), "ismeshpart", {objectValue(mp)}), 1);
  EXPECT_EQ(integer(get(mp, "Factory"), "ismeshasm", {objectValue(mp)}), 0);
  EXPECT_EQ(method(get(get(mp, "Points"), "Factory").get(), "ismeshpart", {objectValue(mp)}).outcome, 1u);

  scriptC s;
  dispatchT k = get(item(get(s.make("toasm", "ASSEMBLY{MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}}"), "Members"), 0),
                    "Matrix");
  EXPECT_EQ(method(mp, "transf", {objectValue(k)}).get(), mp.get());
  dispatchT points = get(mp, "Points");
  EXPECT_EQ(point(item(points, 0)) + point(item(points, 1)) + point(item(points, 2)), "(1,2,3)(2,2,3)(1,3,3)");
  EXPECT_EQ(point(item(get(mp, "Normals"), 0)), "(0,0,-1)");
  EXPECT_EQ(point(get(mp, "Size"), "MinPoint") + point(get(mp, "Size"), "MaxPoint"), "(1,2,3)(1,2,3)");
  const std::string before = compact(mp);
  expectFailure(method(mp.get(), "transf", {number(5)}), "methode:transf(Para:1)");
  EXPECT_EQ(compact(mp), before);
}

TEST_F(meshScript, UnitBaseChangesScalePartsAndAssemblyPlacementsOnceAndRefuseBadBases) {
  meshScriptC m;
  dispatchT part = m.part("MESHPART{MESH3DPKS{POINT3D{2,4,6}},MESHSIZE{MINPK{0,0,0},MAXPK{2,4,6}}}");
  const std::string original = compact(part);
  for (double bad : {0.0, -2.0, notANumber, std::numeric_limits<double>::infinity()})
    expectFailure(method(part.get(), "AdjustDocumentUnitBase", {doubleValue(bad)}), "methode:AdjustDocumentUnitBase(Para:1)");
  EXPECT_EQ(compact(part), original);
  EXPECT_EQ(integer(part, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(point(item(get(part, "Points"), 0)), "(1,2,3)");
  EXPECT_EQ(point(get(part, "Size"), "MaxPoint"), "(1,2,3)");
  EXPECT_EQ(real(get(part, "PartPrefs"), "UnitBase"), 2.0);
  const std::string once = compact(part);
  EXPECT_EQ(integer(part, "AdjustDocumentUnitBase", {doubleValue(2.0), text("x")}), 1);
  EXPECT_EQ(compact(part), once);

  dispatchT a = m.assembly(
      "MESHASM{MESHASMPREFS{UNITBASE{1}},MESHSIZE{MINPK{0,0,0},MAXPK{4,4,4}},MESHMEMS{MESHMEM{"
      "MAT{0,1,0,0,-1,0,0,0,0,0,1,0,4,6,8,1},MESHPART{MESH3DPKS{POINT3D{2,0,0}}}}}}");
  EXPECT_EQ(integer(a, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  dispatchT member = item(get(a, "Members"), 0);
  EXPECT_EQ(point(get(member, "Matrix"), "t"), "(2,3,4)");
  EXPECT_EQ(point(get(member, "Matrix"), "x"), "(0,1,0)");
  EXPECT_EQ(point(item(get(get(member, "Document"), "Points"), 0)), "(1,0,0)");
  EXPECT_EQ(point(get(a, "Size"), "MaxPoint"), "(2,2,2)");
  EXPECT_EQ(real(get(a, "AsmPrefs"), "UnitBase"), 2.0);
  const std::string scaled = compact(a);
  EXPECT_EQ(integer(a, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(compact(a), scaled);

  dispatchT both = item(get(m.assembly(R"(MESHASM{MESHMEMS{MESHMEM{MESHPART{NAME{"p"}},MESHASM{NAME{"a"}}}}})"), "Members"), 0);
  EXPECT_EQ(integer(both, "IsMeshPartDocument", {}, mzInvokeMethod) + integer(both, "IsMeshAsmDocument", {}, mzInvokeMethod), 2);
  EXPECT_EQ(textOf(get(both, "Document"), "Name"), "a");
}

TEST_F(meshScript, IntegerListsTruncateRefuseNonNumbersAndReportMissingIndices) {
  meshScriptC m;
  dispatchT mp = m.part(triangle("0,1,2", "0,0,-1"));
  dispatchT pn = get(method(get(mp, "MeshPatches"), "add"), "PointNumbers");
  EXPECT_EQ(typeNameOf(pn), "class prxmObjListBaseTypeContainerTemplateC<int,class metaObjListValContainerT<int>> *");
  EXPECT_EQ(integer(pn, "Count"), 0);
  expectOutOfRange(method(pn.get(), "Item", {number(0)}));
  method(pn, "Append", {number(3)});
  EXPECT_EQ(intOf(method(pn.get(), "Item", {number(0)})), 3);
  callS missing = call(pn, "Item", mzInvokePropertyPut, {number(1), number(7)});
  EXPECT_EQ(missing.outcome, 0u);
  EXPECT_EQ(intOf(missing), 0);
  EXPECT_EQ(intOf(method(pn.get(), "RemoveAt", {number(5)})), 0);
  method(pn, "Append", {doubleValue(2.9)});
  EXPECT_EQ(intOf(method(pn.get(), "Item", {number(1)})), 2);
  EXPECT_EQ(method(pn.get(), "Append", {doubleValue(notANumber)}).outcome, 1u);
  EXPECT_EQ(integer(pn, "Count"), 2);
  method(pn, "RemoveAll");
  EXPECT_EQ(integer(pn, "Count"), 0);

  dispatchT added = method(get(mp, "Points"), "add");
  EXPECT_EQ(point(added), "(0,0,0)");
  put(added, "y", number(128));
  EXPECT_EQ(compact(added), "POINT3D{0,128,0}");
  expectFailure(call(added, "x", mzInvokePropertyPut, {doubleValue(notANumber)}), "methode:x(Para:1)");
  EXPECT_EQ(compact(added), "POINT3D{0,128,0}");
}

TEST_F(meshScript, PointListsOutliveTheDocumentObjectsTheyCameFrom) {
  meshScriptC m;
  dispatchT points;
  {
    points = get(m.part(triangle("0,1,2", "0,0,1")), "Points");
  }
  EXPECT_EQ(integer(points, "Count"), 3);
  EXPECT_EQ(real(item(points, 2), "y"), 1.0);
}
