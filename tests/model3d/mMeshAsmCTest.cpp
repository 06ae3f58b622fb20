#include "model3d/meshes/mMeshAsmC.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/prototypeBinding.h"
#include "model3d/meshes/mMeshPartC.h"
#include "model3d/modelRegistries.h"
#include "tests/model3d/model3dTestHelpers.h"

using model3dTest::treeC;

namespace {

// A quarter turn about z, (x, y, z) -> (-y, x, z), then a move by (10, 20, 30).
matrixC4x4<double> turnAndMove() {
  matrixC4x4<double> m = model3dTest::identity();
  m.values[0] = 0;
  m.values[1] = 1;
  m.values[4] = -1;
  m.values[5] = 0;
  m.values[12] = 10;
  m.values[13] = 20;
  m.values[14] = 30;
  return m;
}

// Members placed and not, holding a part, a nested assembly, nothing, or both documents; and
// a child of the member list that is no member.
const char* const assemblyText =
    "MESHASM{MESHSIZE{MINPK{0,0,0},MAXPK{1,1,1}},MESHMEMS{"
    "MESHMEM{MAT{1,0,0,0,0,1,0,0,0,0,1,0,1,0,0,1},MESHPART{MESH3DPKS{POINT3D{1,2,3}},MESH3DNORS{POINT3D{0,2,0}}}},"
    "MESHMEM{MESHASM{MESHMEMS{MESHMEM{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,5,1},MESHPART{MESH3DPKS{POINT3D{1,0,0}}}}}}},"
    "MESHMEM{MAT{2,0,0,0,0,2,0,0,0,0,2,0,0,0,0,1}},"
    "MESHMEM{MESHPART{MESH3DPKS{POINT3D{1,0,0}}},MESHASM{NAME{\"a\"}}},"
    "NOTE{1}}}";

const char* const partText =
    "MESHPART{MESH3DPKS{POINT3D{1,2,3}},MESH3DNORS{POINT3D{0,0,3}},MESHSIZE{MINPK{0,0,0},MAXPK{1,2,3}}}";

}  // namespace

TEST(mMeshAsmC, TransformPlacesEveryMemberAndMovesEachDocumentBelowOnce) {
  const std::string moved =
      "MESHASM{MESHSIZE{MINPK{10,20,30}MAXPK{9,21,31}}MESHMEMS{"
      // Placed by m × MAT; the part's points and box moved, its normal turned and of length 1.
      "MESHMEM{MAT{0,1,0,0,-1,0,0,0,0,0,1,0,10,21,30,1}MESHPART{MESH3DPKS{POINT3D{8,21,33}}MESH3DNORS{POINT3D{-1,0,0}}"
      "MESHSIZE{MINPK{10,20,30}MAXPK{10,20,30}}}}"
      // Without MAT: placed by m itself; the nested assembly's member placed and moved by m too.
      "MESHMEM{MESHASM{MESHMEMS{MESHMEM{MAT{0,1,0,0,-1,0,0,0,0,0,1,0,10,20,35,1}MESHPART{MESH3DPKS{POINT3D{10,21,30}}"
      "MESH3DNORS,MESHSIZE{MINPK{10,20,30}MAXPK{10,20,30}}}}}MESHSIZE{MINPK{10,20,30}MAXPK{10,20,30}}}"
      "MAT{0,1,0,0,-1,0,0,0,0,0,1,0,10,20,30,1}}"
      // Without a document: placed alone.
      "MESHMEM{MAT{0,2,0,0,-2,0,0,0,0,0,2,0,10,20,30,1}}"
      // With both documents: the assembly is moved, the part left.
      "MESHMEM{MESHPART{MESH3DPKS{POINT3D{1,0,0}}}MESHASM{NAME{\"a\"}MESHSIZE{MINPK{10,20,30}MAXPK{10,20,30}}MESHMEMS}"
      "MAT{0,1,0,0,-1,0,0,0,0,0,1,0,10,20,30,1}}"
      "NOTE{1}}}";

  // Called on the assembly, or on a general mesh document that forwards by key word.
  for (const bool general : {false, true}) {
    SCOPED_TRACE(general ? "mMeshDocC" : "mMeshAsmC");
    treeC assembly(assemblyText);
    if (general) mMeshDocC(assembly.node(), 0).transform(turnAndMove());
    else mMeshAsmC(assembly.node(), 0).transform(turnAndMove());
    EXPECT_EQ(assembly.text(), moved);
  }

  // A general document forwards a part to the part's transform.
  treeC viaDocument(partText);
  treeC direct(partText);
  mMeshDocC(viaDocument.node(), 0).transform(turnAndMove());
  mMeshPartC(direct.node(), 0).transform(turnAndMove());
  EXPECT_EQ(viaDocument.text(), direct.text());
  EXPECT_EQ(direct.text(),
            "MESHPART{MESH3DPKS{POINT3D{8,21,33}}MESH3DNORS{POINT3D{0,0,1}}MESHSIZE{MINPK{10,20,30}MAXPK{8,21,33}}}");

  // A key word without a mesh class, and a view without a node, change nothing.
  for (const char* text : {"MESHMEM{MAT{1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1}}", "PART{MESHSIZE{MINPK{1,1,1}}}", "7"}) {
    treeC other(text);
    const std::string before = other.text();
    mMeshDocC(other.node(), 0).transform(turnAndMove());
    EXPECT_EQ(other.text(), before) << text;
  }
  mMeshDocC().transform(turnAndMove());
  mMeshAsmC().transform(turnAndMove());

  // The prototypes lent to the nested calls hold no node afterwards.
  for (const char* key : {"MESHASM", "MESHPART"}) {
    treeC empty(key);
    const mMeshDocC* prototype = lookupPrototype<mMeshDocC>(meshRegistry, empty.node()).prototype;
    ASSERT_TRUE(prototype) << key;
    EXPECT_EQ(prototype->getNode(), nullptr) << key;
  }
}

TEST(mMeshAsmC, TransformByAMatrixNotFiniteChangesNothing) {
  const double notFinite[] = {NAN, INFINITY, -INFINITY};
  // The rotation part, the translation (which normals do not see), and the fourth row (which
  // points do not see, placements do).
  const int positions[] = {0, 6, 12, 14, 3, 15};
  // The second part lacks the children a transform would add.
  const char* const parts[] = {partText, "MESHPART{MESH3DNORS{POINT3D{0,2,0}}}"};
  for (const double value : notFinite)
    for (const int position : positions) {
      SCOPED_TRACE(testing::Message() << value << " at " << position);
      matrixC4x4<double> bad = turnAndMove();
      bad.values[position] = value;

      treeC assembly(assemblyText);
      const std::string before = assembly.text();
      mMeshAsmC(assembly.node(), 0).transform(bad);
      EXPECT_EQ(assembly.text(), before);
      mMeshDocC(assembly.node(), 0).transform(bad);
      EXPECT_EQ(assembly.text(), before);

      for (const char* text : parts) {
        treeC part(text);
        const std::string unchanged = part.text();
        mMeshDocC(part.node(), 0).transform(bad);
        EXPECT_EQ(part.text(), unchanged);
      }
    }
}
