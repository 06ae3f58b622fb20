#include "proxy3d/prxm3dAsmMatesC.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/helpers/fakeScriptObjects.h"
#include "tests/proxy3d/modelScript.h"

using namespace modelScript;

namespace {

#define I16 "1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1"

// Two parts, the second moved along X and holding B with its Z axis against A's; the mates
// tie A and B, then ends without at-signs, a missing point and a missing member.
std::string twoParts(const char* frameOfB) {
  return std::string(R"(ASSEMBLY{MEMBER{MAT{)" I16 R"(},PART{CONNECT{CONNPOINT{NAME{"A"},MAT{)" I16 R"(}}}}},)"
                     R"(MEMBER{MAT{1,0,0,0,0,1,0,0,0,0,1,0,10,0,0,1},)"
                     R"(PART{NAME{"P2"},CONNECT{CONNPOINT{NAME{"B"},MAT{)") +
         frameOfB +
         R"(}}}}},MATES{TRANSZ{MEMBER{"A@1","B@2"},VALUE{12.5}},TRANSZ{MEMBER{"A1","B2"}},)"
         R"(TRANSZ{MEMBER{"Z@1","B@2"}},TRANSZ{MEMBER{"A@1","B@3"},FREEVAL{1}}}})";
}

const char* const nested =
    R"(ASSEMBLY{MEMBER{ASSEMBLY{MEMBER{PART{NAME{"d1"}}},MEMBER{PART{NAME{"deep"}}}}},)"
    R"(MATES{TRANSZ{MEMBER{"P@2@1","Q@1"}}}})";

dispatchT mateAt(const dispatchT& mates, int i) { return method(mates, "", {number(i)}); }

int32_t pathCall(const dispatchT& path, const char* name) { return integer(path, name, {}, mzInvokeMethod); }

std::string documentName(const dispatchT& member) { return textOf(get(member, "Document"), "Name"); }

}  // namespace

class m3dMatesScript : public poolBalancedTest {};

TEST_F(m3dMatesScript, MatesResolveEachEndByItselfAndTypeTheirAxes) {
  scriptC s;
  dispatchT a = s.make("toasm", twoParts("1,0,0,0,0,-1,0,0,0,0,-1,0,0,0,0,1").c_str());
  const std::string before = compact(a);
  dispatchT m = get(a, "Mates");
  EXPECT_EQ(typeNameOf(m), "class prxm3dAsmMatesC *");

  dispatchT tied = item(m, 0);
  EXPECT_EQ(typeNameOf(tied), "class prxm3dAsmMateC *");
  EXPECT_EQ(integer(tied, "MateType"), 1);
  EXPECT_EQ(real(tied, "Value"), 12.5);
  EXPECT_EQ(integer(tied, "isValue", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(tied, "isFree", {}, mzInvokeMethod), 0);
  EXPECT_EQ(textOf(get(tied, "ConnectionPoint2"), "Name"), "B");
  EXPECT_EQ(point(get(get(tied, "ConnectionPoint2"), "Matrix"), "z"), "(0,0,-1)");
  EXPECT_EQ(documentName(get(tied, "Member2")), "P2");
  EXPECT_EQ(compact(a), before);

  // Item gives nothing where the type is 0; the default member gives the mate all the same.
  for (int i : {1, 2, 3, 4, -1}) expectEmptyResult(method(m.get(), "Item", {number(i)}));
  dispatchT unsplit = mateAt(m, 1);
  EXPECT_EQ(integer(unsplit, "MateType"), 0);
  EXPECT_EQ(pathCall(method(unsplit, "MemberPath1"), "More"), 0);
  EXPECT_EQ(integer(get(unsplit, "Member1"), "ValidObj"), 0);
  dispatchT missingPoint = mateAt(m, 2);
  EXPECT_EQ(integer(missingPoint, "MateType"), 0);
  dispatchT noPoint = get(missingPoint, "ConnectionPoint1");
  EXPECT_EQ(integer(noPoint, "ValidObj"), 0);
  EXPECT_EQ(textOf(noPoint, "Name"), "");
  EXPECT_EQ(point(get(noPoint, "Matrix"), "z"), "(0,0,1)");
  EXPECT_EQ(textOf(get(missingPoint, "ConnectionPoint2"), "Name"), "B");
  dispatchT missingMember = mateAt(m, 3);
  EXPECT_EQ(integer(get(missingMember, "Member2"), "ValidObj"), 0);
  EXPECT_EQ(integer(get(missingMember, "Member1"), "ValidObj"), 1);
  EXPECT_EQ(integer(get(missingMember, "ConnectionPoint1"), "ValidObj"), 0);
  EXPECT_EQ(integer(missingMember, "isFree", {}, mzInvokeMethod), 1);
  EXPECT_EQ(integer(missingMember, "isValue", {}, mzInvokeMethod), 0);
  EXPECT_EQ(real(missingMember, "Value"), 0.0);
  expectOutOfRange(method(m.get(), "", {number(4)}));

  // Axes at a right angle, or the same way, are no facing pair.
  for (const char* frame : {"0,0,-1,0,0,1,0,0,1,0,0,0,0,0,0,1", I16})
    EXPECT_EQ(integer(item(get(s.make("toasm", twoParts(frame).c_str()), "Mates"), 0), "MateType"), 2) << frame;

  // The list's own members: removal by index, keyword checks on add, the walk over all mates.
  EXPECT_EQ(integer(m, "Count"), 4);
  EXPECT_EQ(integer(m, "RemoveAt", {number(9)}), 0);
  EXPECT_EQ(typeNameOf(method(m, "add", {text("TRANSZ")})), "class prxm3dAsmMateC *");
  EXPECT_EQ(integer(m, "Count"), 5);
  for (const char* bad : {"1x", "", "A B", "}"})
    expectFailure(method(m.get(), "add", {text(bad)}), "methode:add(Para:1)");
  EXPECT_EQ(integer(m, "Count"), 5);
  dispatchT walk = method(m, "objEnum");
  EXPECT_EQ(typeNameOf(walk), "class prxmObjEnumC<class prxm3dAsmMateC> *");
  EXPECT_EQ(integer(method(walk, "getItem"), "MateType"), 1);
  EXPECT_EQ(integer(m, "RemoveAt", {number(0)}), 1);
  EXPECT_EQ(integer(method(walk, "getItem"), "MateType"), 0);
  EXPECT_EQ(integer(m, "Count"), 4);
}

TEST_F(m3dMatesScript, NestedPlacementsApplyTheParentBeforeTheChild) {
  // C's Z axis turned by its own member's placement, then by the enclosing member's, faces D's
  // Z axis; applied the other way round the two would stand at a right angle.
  scriptC s;
  dispatchT a = s.make("toasm",
                       R"(ASSEMBLY{MEMBER{MAT{1,0,0,0,0,0,1,0,0,-1,0,0,0,0,0,1},)"
                       R"(ASSEMBLY{MEMBER{MAT{0,0,-1,0,0,1,0,0,1,0,0,0,0,0,0,1},)"
                       R"(PART{CONNECT{CONNPOINT{NAME{"C"},MAT{)" I16 R"(}}}}}}},)"
                       R"(MEMBER{MAT{)" I16 R"(},)"
                       R"(PART{CONNECT{CONNPOINT{NAME{"D"},MAT{0,0,1,0,0,1,0,0,-1,0,0,0,0,0,0,1}}}}},)"
                       R"(MATES{TRANSZ{MEMBER{"C@1@1","D@2"}}}})");
  dispatchT mate = item(get(a, "Mates"), 0);
  EXPECT_EQ(integer(mate, "MateType"), 1);
  EXPECT_EQ(integer(get(mate, "Member1"), "IsPartDocument", {}, mzInvokeMethod), 1);
  EXPECT_EQ(textOf(get(mate, "ConnectionPoint1"), "Name"), "C");
}

TEST_F(m3dMatesScript, MemberPathsTakeIndicesFromTheEndAndWalkFromAnAssembly) {
  scriptC s;
  dispatchT a = s.make("toasm", nested);
  const std::string w = compact(a);
  dispatchT mate = mateAt(get(a, "Mates"), 0);
  dispatchT mp = method(mate, "MemberPath1");
  EXPECT_EQ(typeNameOf(mp), "class prxm3dAsmMateMemberPathC *");
  expectFailure(get(mp.get(), "ValidObj"), "methode:ValidObj");
  EXPECT_EQ(pathCall(mp, "More"), 3);
  EXPECT_EQ(pathCall(mp, "NextMemberIndex"), 1);
  EXPECT_EQ(pathCall(mp, "More"), 1);
  EXPECT_EQ(pathCall(mp, "NextMemberIndex"), 2);
  EXPECT_EQ(pathCall(mp, "More"), 0);
  EXPECT_EQ(pathCall(mp, "NextMemberIndex"), 0);
  EXPECT_EQ(pathCall(mp, "More"), 0);
  // Walked out, the path reaches no member: over nothing without an argument, none with one.
  EXPECT_EQ(integer(method(mp, "ResolvePath"), "ValidObj"), 0);
  expectEmptyResult(method(mp.get(), "ResolvePath", {objectValue(a)}));

  expectEmptyResult(method(mp.get(), "Reset"));
  EXPECT_EQ(documentName(method(mp, "ResolvePath")), "deep");
  EXPECT_EQ(pathCall(mp, "More"), 0);
  method(mp, "Reset");
  EXPECT_EQ(documentName(method(mp, "ResolvePath", {objectValue(a)})), "deep");

  // The argument is an assembly object, or leads to one through default members.
  fakeDispatchC host;
  host.defaultValue.setDispatch(a.get());
  method(mp, "Reset");
  EXPECT_EQ(documentName(method(mp, "ResolvePath", {objectValue(&host)})), "deep");
  fakeDispatchC loop;
  loop.returnsSelf = true;
  dispatchT part = get(item(get(a, "Members"), 0), "Document");
  method(mp, "Reset");
  for (const mzVariantS& bad : {objectValue(item(get(a, "Members"), 0)), objectValue(s.make("topart", "PART")),
                                objectValue(&loop), number(5), text("ASSEMBLY")})
    expectFailure(method(mp.get(), "ResolvePath", {bad}), "methode:ResolvePath(Para:1)");
  EXPECT_EQ(pathCall(mp, "More"), 3);
  // A sub-assembly starts the walk from itself: member 1 of it holds a part, so index 2 ends
  // nowhere.
  EXPECT_EQ(typeNameOf(part), "class prxm3dAsmC *");
  expectEmptyResult(method(mp.get(), "ResolvePath", {objectValue(part)}));

  // The second end names the member holding the sub-assembly.
  EXPECT_EQ(integer(method(method(mate, "MemberPath2"), "ResolvePath"), "IsAsmDocument", {}, mzInvokeMethod), 1);
  EXPECT_EQ(compact(a), w);

  // An index beyond the 32-bit range is held at its largest value and names no member.
  dispatchT far = s.make("toasm", R"(ASSEMBLY{MEMBER{PART},MATES{X{MEMBER{"P@99999999999","Q@1"}}}})");
  dispatchT farPath = method(mateAt(get(far, "Mates"), 0), "MemberPath1");
  EXPECT_EQ(integer(method(farPath, "ResolvePath"), "ValidObj"), 0);
  method(farPath, "Reset");
  EXPECT_EQ(pathCall(farPath, "NextMemberIndex"), 2147483647);
  EXPECT_EQ(host.references, 1u);
  EXPECT_EQ(loop.references, 1u);
}

TEST_F(m3dMatesScript, PathsAndMatesOutliveTheRemovalOfTheirMateAndTheirDocument) {
  scriptC s;
  dispatchT path, mate;
  {
    dispatchT a = s.make("toasm", nested);
    dispatchT mates = get(a, "Mates");
    mate = mateAt(mates, 0);
    path = method(mate, "MemberPath1");
    method(mates, "RemoveAll");
    EXPECT_EQ(integer(mates, "Count"), 0);
    // Its copy of the path stays; the detached mate has no assembly to walk from.
    EXPECT_EQ(integer(method(path, "ResolvePath"), "ValidObj"), 0);
    method(path, "Reset");
    EXPECT_EQ(documentName(method(path, "ResolvePath", {objectValue(a)})), "deep");
  }
  EXPECT_EQ(compact(mate), R"(TRANSZ{MEMBER{"P@2@1","Q@1"}})");
  EXPECT_EQ(integer(mate, "MateType"), 0);
  method(path, "Reset");
  EXPECT_EQ(pathCall(path, "More"), 3);
}
