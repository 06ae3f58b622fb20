#include "proxy3d/prxm3dAsmC.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

class m3dAssemblyScript : public poolBalancedTest {};

TEST_F(m3dAssemblyScript, MembersListSkipsOtherChildrenAndTheEnumeratorVisitsAll) {
  scriptC s;
  dispatchT a = s.make("toasm", R"(ASSEMBLY{MEMBER{PART},MATES,MEMBER{PART{NAME{"third"}}}})");
  dispatchT members = get(a, "Members");
  EXPECT_EQ(integer(members, "Count"), 2);
  EXPECT_EQ(textOf(get(item(members, 1), "Document"), "Name"), "third");
  expectOutOfRange(method(members.get(), "Item", {number(2)}));
  dispatchT e = method(members, "objEnum");
  EXPECT_EQ(integer(e, "nextItem", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(method(e, "getItem"), "IsPartDocument", {}, mzInvokeMethod), 0);
  EXPECT_EQ(integer(e, "nextItem", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(e, "nextItem", {}, mzInvokeMethod), 0);

  dispatchT added = method(members, "add");
  EXPECT_EQ(integer(members, "Count"), 3);
  EXPECT_EQ(integer(added, "IsPartDocument", {}, mzInvokeMethod) + integer(added, "IsAsmDocument", {}, mzInvokeMethod), 0);
  expectEmptyResult(get(added.get(), "Document"));

  dispatchT both = item(get(s.make("toasm", "ASSEMBLY{MEMBER{ASSEMBLY,PART}}"), "Members"), 0);
  EXPECT_EQ(integer(s.factory, "ispart", {objectValue(get(both, "Document"))}), 1);
}

TEST_F(m3dAssemblyScript, PlacementColumnsAreWrittenIntoTheMemberAndBadVectorsChangeNothing) {
  scriptC s;
  dispatchT a = s.make("toasm", "ASSEMBLY{MEMBER}");
  dispatchT member = item(get(a, "Members"), 0);
  dispatchT mt = get(member, "Matrix");
  EXPECT_EQ(point(mt, "t"), "(0,0,0)");
  EXPECT_EQ(point(mt, "x"), "(1,0,0)");
  dispatchT v = get(mt, "t");
  put(v, "x", number(1));
  put(v, "y", number(2));
  put(v, "z", number(3));
  EXPECT_EQ(put(mt, "t", objectValue(v)).get(), mt.get());
  const char* placed = "MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}";
  EXPECT_EQ(compact(member), placed);
  expectFailure(call(mt, "t", mzInvokePropertyPut, {objectValue(a)}), "methode:t(Para:1)");
  expectFailure(call(mt, "t", mzInvokePropertyPut, {objectValue(method(v, "div", {number(0)}))}), "methode:t(Para:1)");
  EXPECT_EQ(compact(member), placed);

  // The default member is a detached copy; the matrix put takes a whole matrix object.
  dispatchT copy = method(mt, "");
  put(get(copy, "t"), "x", number(9));
  EXPECT_EQ(compact(member), placed);
  EXPECT_EQ(integer(member, "Matrix", {objectValue(copy)}), 1);
  EXPECT_EQ(compact(member), "MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,9,2,3,1}}");
}

TEST_F(m3dAssemblyScript, UnitBaseChangesScalePlacementsMatesAndThenTheMemberDocuments) {
  scriptC s;
  dispatchT a = s.make("toasm",
                       R"(ASSEMBLY{ASMPREFS{UNITBASE{1}},MEMBER{MAT{0,1,0,0,-1,0,0,0,0,0,1,0,10,0,0,1},)"
                       R"(PART{PARTPREFS{UNITBASE{1}},CONNECT{CONNPOINT{NAME{"C"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}}}},)"
                       R"(MATES{TRANSZ{MEMBER{"C@1","C@1"},VALUE{12.5}}}})");
  const std::string before = compact(a);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double bad : {0.0, -2.0, nan, std::numeric_limits<double>::infinity()})
    expectFailure(method(a.get(), "AdjustDocumentUnitBase", {doubleValue(bad)}), "methode:AdjustDocumentUnitBase(Para:1)");
  expectFailure(method(a.get(), "AdjustDocumentUnitBase", {doubleValue(nan), number(1)}),
                "methode:AdjustDocumentUnitBase(Para:1)");
  EXPECT_EQ(compact(a), before);

  EXPECT_EQ(integer(a, "AdjustDocumentUnitBase", {doubleValue(2.0), number(0)}), 1);
  EXPECT_EQ(real(get(a, "AsmPrefs"), "UnitBase"), 2.0);
  dispatchT matrix = get(item(get(a, "Members"), 0), "Matrix");
  EXPECT_EQ(point(matrix, "t"), "(5,0,0)");
  EXPECT_EQ(point(matrix, "x"), "(0,1,0)");
  std::string written = compact(a);
  EXPECT_NE(written.find("VALUE{6.25}"), std::string::npos) << written;
  EXPECT_NE(written.find("UNITBASE{1}}CONNECT{CONNPOINT{NAME{\"C\"}MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}"), std::string::npos);

  EXPECT_EQ(integer(a, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(point(matrix, "t"), "(5,0,0)");
  written = compact(a);
  EXPECT_NE(written.find("UNITBASE{2}}CONNECT{CONNPOINT{NAME{\"C\"}MAT{1,0,0,0,0,1,0,0,0,0,1,0,0.5,1,1.5,1}"),
            std::string::npos)
      << written;
  EXPECT_EQ(integer(a, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(compact(a), written);

  // A part under another key word is no document: it answers 1 and nothing changes.
  dispatchT p = s.make("topart", R"(PART{PARTPREFS{UNITBASE{1}},CONNECT{CONNPOINT{NAME{"C"},MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}}})");
  method(get(p, "This"), "setNameToken", {text("DRAWING")});
  EXPECT_EQ(integer(p, "AdjustDocumentUnitBase", {doubleValue(2.0)}), 1);
  EXPECT_EQ(compact(p), R"(DRAWING{PARTPREFS{UNITBASE{1}}CONNECT{CONNPOINT{NAME{"C"}MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,2,3,1}}}})");
}

TEST_F(m3dAssemblyScript, MemberListOutlivesTheAssemblyObjectThatOwnsTheTree) {
  scriptC s;
  dispatchT members;
  {
    dispatchT a = method(s.factory, "Create", {text("prxm3dasm")});
    members = get(a, "Members");
  }
  method(members, "add");
  EXPECT_EQ(compact(members), "ASSEMBLY{MEMBER}");
}
