#include "core/metaObjectCustomHooks.h"

#include <gtest/gtest.h>

#include <string>

#include "core/keywordRegistries.h"
#include "core/keywordRegistry.h"
#include "core/metaObjectCustomCopyC.h"
#include "core/metaObjectCustomStorageC.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

namespace {

std::string calls;

metaTreeC* standIn(const char* text) {
  metaTreeC* node = metaTreeC::newWithKeyword("TESTHOOK");
  metaTreeC::appendStringChild(node, text);
  return node;
}

std::string nameOf(const metaTreeC* node) {
  const str* text = node ? node->value.getText() : nullptr;
  return text ? text->c_str() : "?";
}

// Records every hook it runs as "operation:node:root"; its saveNode writes a stand-in.
class recordingStorageC : public metaObjectCustomStorageC {
 public:
  uint32_t loadNode(metaTreeC* root) override { return record("load", root); }
  metaTreeC* saveNode(metaTreeC* root) override {
    record("save", root);
    return standIn("saved");
  }
  uint32_t prepareSave(metaTreeC* root) override { return record("prepareSave", root); }
  uint32_t finishSave(metaTreeC* root) override { return record("finishSave", root); }
  uint32_t prepareLoad(metaTreeC* root) override { return record("prepareLoad", root); }
  uint32_t finishLoad(metaTreeC* root) override { return record("finishLoad", root); }

 private:
  uint32_t record(const char* operation, metaTreeC* root) {
    calls += std::string(operation) + ":" + nameOf(node) + ":" + nameOf(root) + " ";
    return 1;
  }
};

class recordingCopyC : public metaObjectCustomCopyC {
 public:
  metaTreeC* copyNode(metaTreeC* root) override {
    calls += "copy:" + nameOf(root) + " ";
    return standIn("copied");
  }
  uint32_t prepareCopy(metaTreeC* root) override { return record("prepareCopy", root); }
  uint32_t finishCopy(metaTreeC* root) override { return record("finishCopy", root); }

 private:
  uint32_t record(const char* operation, metaTreeC* root) {
    calls += std::string(operation) + ":" + nameOf(node) + ":" + nameOf(root) + " ";
    return 1;
  }
};

// Registered once for the whole process: single entries are never removed from a registry.
struct testRegistrationsS {
  testRegistrationsS() {
    registerKeyword(customStorageRegistry, "TESTHOOK", static_cast<metaObjectCustomStorageC*>(&storage), 3);
    registerKeyword(customCopyRegistry, "TESTHOOK", static_cast<metaObjectCustomCopyC*>(&copy), 3);
  }
  recordingStorageC storage;
  recordingCopyC copy;
};

void registerTestHooks() { static testRegistrationsS registrations; }

}  // namespace

TEST(metaObjectCustomHooks, HooksRunChildrenFirstAndOnlyWhenTheGateOpens) {
  registerTestHooks();
  calls.clear();
  metaObjectC tree = metaObjectC::readFromString("R{TESTHOOK{1} A} TESTHOOK", 1);
  // Every top-level node is visited after a read; the root is the argument throughout.
  EXPECT_EQ(calls,
            "prepareLoad:TESTHOOK:R prepareLoad:TESTHOOK:R load:TESTHOOK:R load:TESTHOOK:R "
            "finishLoad:TESTHOOK:R finishLoad:TESTHOOK:R ");

  calls.clear();
  EXPECT_STREQ(tree.writeToStringValue(0, 0).c_str(), "R{TESTHOOK{\"saved\"}A}TESTHOOK{\"saved\"}");
  EXPECT_EQ(calls,
            "prepareSave:TESTHOOK:R prepareSave:TESTHOOK:R save:TESTHOOK:R save:TESTHOOK:R "
            "finishSave:TESTHOOK:R finishSave:TESTHOOK:R ");
  calls.clear();
  EXPECT_STREQ(tree.writeToStringValue(1, 0).c_str(), "R{TESTHOOK{\"saved\"}A}");
  // The live tree is untouched.
  EXPECT_EQ(describe(tree.node), "W:R{W:TESTHOOK{D:1} W:A} W:TESTHOOK");

  calls.clear();
  metaTreeC* copy = runCopyHooks(tree.node, 0);
  EXPECT_EQ(describe(copy), "W:R{W:TESTHOOK{S:\"copied\"} W:A} W:TESTHOOK{S:\"copied\"}");
  EXPECT_NE(copy, tree.node);
  EXPECT_EQ(calls,
            "prepareCopy:TESTHOOK:R prepareCopy:TESTHOOK:R copy:R copy:R finishCopy:TESTHOOK:R finishCopy:TESTHOOK:R ");
  EXPECT_TRUE(treeTest::linksConsistent(copy, nullptr));
  delete copy;

  // A tree whose only registered node hangs below a string is neither copied nor written by hooks.
  calls.clear();
  metaObjectC hidden = metaObjectC::readFromString("\"S\"{TESTHOOK}", 1);
  EXPECT_STREQ(hidden.writeToStringValue(0, 0).c_str(), "\"S\"{TESTHOOK}");
  metaTreeC* plain = runCopyHooks(hidden.node, 0);
  EXPECT_EQ(describe(plain), "S:\"S\"{W:TESTHOOK}");
  delete plain;
  EXPECT_EQ(calls, "");
  EXPECT_EQ(runSaveHooks(hidden.node, 0), nullptr);
  EXPECT_EQ(runSaveHooks(nullptr, 0), nullptr);
}

TEST(metaObjectCustomHooks, ThePassesWalkDeepTreesWithoutRecursion) {
  registerTestHooks();
  const int depth = 200000;
  metaTreeC* root = metaTreeC::newWithKeyword("N");
  metaTreeC* last = root;
  for (int i = 1; i < depth; ++i) last = metaTreeC::appendWordChild(last, "N");
  metaTreeC::appendWordChild(last, "TESTHOOK");
  metaObjectC tree(root, 1);
  calls.clear();
  metaTreeC* copy = runCopyHooks(tree.node, 1);
  EXPECT_EQ(calls, "prepareCopy:TESTHOOK:N copy:N finishCopy:TESTHOOK:N ");
  metaTreeC* saved = runSaveHooks(tree.node, 1);
  ASSERT_NE(saved, nullptr);
  calls.clear();
  runLoadHooks(tree.node, 1);
  EXPECT_EQ(calls, "prepareLoad:TESTHOOK:N load:TESTHOOK:N finishLoad:TESTHOOK:N ");
  delete copy;
  delete saved;
}
