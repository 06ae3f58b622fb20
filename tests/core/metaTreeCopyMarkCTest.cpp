// Copy marks live beside the nodes: they follow copies, are cleared by 0, and leave nothing
// behind when their node goes, for a new node at the same address to find.
#include <gtest/gtest.h>

#include "core/metaTreeC.h"

namespace {

TEST(metaTreeCopyMarkC, MarksFollowCopiesAndGoWithTheirNodes) {
  uint32_t before = metaTreeCopyMarkC::marked();
  metaTreeC* root = metaTreeC::newWithKeyword("ROOT");
  metaTreeC* child = metaTreeC::appendWordChild(root, "CHILD");
  root->copyMark = -3;
  child->copyMark = intptr_t(child);
  EXPECT_EQ(metaTreeCopyMarkC::marked(), before + 2);

  metaTreeC* copy = metaTreeC::deepCopy(root);
  EXPECT_EQ(copy->copyMark, -3);
  EXPECT_EQ(copy->firstChild->copyMark, intptr_t(child));
  copy->copyMark = 0;
  EXPECT_EQ(copy->copyMark, 0);
  EXPECT_EQ(root->copyMark, -3);
  EXPECT_EQ(metaTreeCopyMarkC::marked(), before + 3);

  delete copy;
  delete root;
  EXPECT_EQ(metaTreeCopyMarkC::marked(), before);
  // Nodes made where the marked ones were carry no mark.
  for (int i = 0; i < 4; ++i) {
    metaTreeC* fresh = metaTreeC::newWithKeyword("FRESH");
    EXPECT_EQ(fresh->copyMark, 0);
    delete fresh;
  }
}

}  // namespace
