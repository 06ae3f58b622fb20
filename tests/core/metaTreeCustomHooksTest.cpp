#include "core/metaTreeCustomHooks.h"

#include <gtest/gtest.h>

#include "core/metaObjectC.h"
#include "core/metaObjectCustomHooks.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;

namespace {

int loads = 0, saves = 0, copies = 0;
uint32_t lastSingle = 7;

void countLoad(metaTreeC*, uint32_t single) {
  ++loads;
  lastSingle = single;
}

// Writes a stand-in instead of the tree.
metaTreeC* prepareSave(metaTreeC*, uint32_t single) {
  // Parsed first: the read runs the load hook, which notes its own single.
  metaTreeC* standIn = treeTest::parse("SAVED{1} EXTRA");
  ++saves;
  lastSingle = single;
  return standIn;
}

metaTreeC* markedCopy(metaTreeC* root, uint32_t single) {
  ++copies;
  lastSingle = single;
  metaTreeC* copy = single ? metaTreeC::deepCopyNode(root) : metaTreeC::deepCopy(root);
  copy->copyMark = 77;
  return copy;
}

const metaTreeCustomHooksS testHooks = {countLoad, prepareSave, markedCopy};

struct installedHooksS {
  installedHooksS() {
    loads = saves = copies = 0;
    previous = metaTreeCustomHooks::install(&testHooks);
  }
  ~installedHooksS() { metaTreeCustomHooks::install(previous); }
  const metaTreeCustomHooksS* previous;
};

}  // namespace

TEST(metaTreeCustomHooks, WithoutATableNothingRuns) {
  const metaTreeCustomHooksS* standard = metaTreeCustomHooks::install(nullptr);
  EXPECT_EQ(standard, &metaObjectCustomHooksTable);  // installed from the start
  metaObjectC tree = metaObjectC::readFromString("A{B{MOCRC}} C", 1);
  EXPECT_STREQ(tree.writeToStringValue(0, 0).c_str(), "A{B{MOCRC}}C");  // no checksum written
  metaTreeC* copy = metaTreeCustomHooks::copy(tree.node, 1);
  EXPECT_EQ(describe(copy), "W:A{W:B{W:MOCRC}}");
  delete copy;
  EXPECT_EQ(metaTreeCustomHooks::copy(nullptr, 0), nullptr);
  EXPECT_EQ(metaTreeCustomHooks::save(tree.node, 0), nullptr);
  metaTreeCustomHooks::install(standard);
  EXPECT_STRNE(tree.writeToStringValue(0, 0).c_str(), "A{B{MOCRC}}C");
}

TEST(metaTreeCustomHooks, ReadsWritesAndCopiesGoThroughTheTable) {
  installedHooksS hooks;
  metaObjectC tree = metaObjectC::readFromString("A{B} C", 1);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(lastSingle, 0u);  // every top-level item, as a write saves them all
  EXPECT_FALSE(metaObjectC::readFromString("A{", 1).isValid());
  EXPECT_EQ(loads, 1);  // a failed read runs no hook

  // The prepared copy is written with its siblings, whatever single says, then deleted.
  EXPECT_STREQ(tree.writeToStringValue(1, 0).c_str(), "SAVED{1}EXTRA");
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(lastSingle, 1u);

  metaObjectC assigned;
  assigned = tree;
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(lastSingle, 0u);
  EXPECT_EQ(assigned.node->copyMark, 77);
  metaTreeC* plain = tree.clone(0, 0);
  EXPECT_EQ(copies, 1);
  delete plain;
  metaObjectC target = metaObjectC::createWithKeyword("T", 1);
  target.appendChild(tree.node, 1);
  target.copyContentFrom(tree.node);
  EXPECT_EQ(copies, 3);
  EXPECT_EQ(describe(target.node), "W:A{W:B}");
}

TEST(metaTreeCustomHooks, AReaderSkipsTheStandardLoadHooksOnlyForTreesWithoutTheirKeyWords) {
  EXPECT_TRUE(metaTreeCustomHooks::loadGatedByKeywords());
  EXPECT_TRUE(metaTreeCustomHooks::keywordHasLoadHook("MOREF"));
  EXPECT_TRUE(metaTreeCustomHooks::keywordHasLoadHook("MOCRC"));
  EXPECT_FALSE(metaTreeCustomHooks::keywordHasLoadHook("DRAWING"));
  EXPECT_FALSE(metaTreeCustomHooks::keywordHasLoadHook("moref"));
  {
    installedHooksS hooks;  // any other table runs on every tree read
    EXPECT_FALSE(metaTreeCustomHooks::loadGatedByKeywords());
    metaObjectC words = metaObjectC::readFromString("A{B}", 1);
    metaObjectC number = metaObjectC::readFromString("12", 1);
    EXPECT_EQ(loads, 2);
  }
  const metaTreeCustomHooksS* standard = metaTreeCustomHooks::install(nullptr);
  EXPECT_TRUE(metaTreeCustomHooks::loadGatedByKeywords());
  EXPECT_FALSE(metaTreeCustomHooks::keywordHasLoadHook("MOREF"));
  metaTreeCustomHooks::install(standard);
}
