// Trees with references whose stored targets are forged, stale or never converted are read,
// copied and written: nothing may follow a target that is not a node of the tree at hand.
// Run under the sanitized build, a wrong step is a crash or a reported error.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/metaObjectCRCC.h"
#include "core/metaObjectRefC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeNodeHandleTableC.h"
#include "tests/core/referenceTestHelpers.h"

using referenceTest::parseRaw;
using referenceTest::payloadText;

namespace {

class treeTextGeneratorC {
 public:
  treeTextGeneratorC(uint32_t seed, std::vector<uint32_t> forgedHandles) : random(seed), forged(std::move(forgedHandles)) {}

  std::string text() {
    budget = 2 + pick(40);
    std::string out;
    int tops = 1 + int(pick(3));
    for (int i = 0; i < tops; ++i) {
      if (i) out += ' ';
      out += node(0);
    }
    return out;
  }

 private:
  uint32_t pick(uint32_t n) { return uint32_t(random() % n); }

  uint32_t code() {
    switch (pick(6)) {
      case 0: return 0;
      case 1: return 0xFFFFFFFFu;
      case 2: return uint32_t(random());
      case 3: return forged[pick(uint32_t(forged.size()))];
      default: return 1 + pick(50);
    }
  }

  std::string payload() {
    std::string text = payloadText(code());
    switch (pick(8)) {
      case 0: return "REFTRGPTR";
      case 1: return "REFTRGPTR{SIZE{" + std::to_string(int(pick(12)) - 4) + "},DATA{\"" + junk() + "\"}}";
      case 2: text.insert(text.size() - 1, ",EXTRA{1,\"2\"}"); return text;
      case 3: return "REFTRGPTR{DATA{\"" + junk() + "\"},SIZE{4},CODE{X}}";
      default: return text;
    }
  }

  std::string junk() {
    static const char letters[] = "0123456789abcdefXYZ,;.:-_#'+*~!$%&/(){}=?@";
    std::string text;
    for (uint32_t n = pick(12); n > 0; --n) text += letters[pick(sizeof letters - 1)];
    return text;
  }

  std::string node(int depth) {
    if (budget > 0) --budget;
    switch (pick(depth > 6 || budget == 0 ? 3 : 9)) {
      case 0: return std::to_string(int(pick(100)) - 50);
      case 1: return "\"s" + std::to_string(pick(10)) + "\"";
      case 2: return "MOREF{" + payload() + "}";
      case 3: return "MOREF{" + payload() + "," + node(depth + 1) + "}";
      case 4: return "MOCRC{" + std::string(pick(2) ? "MOREF{" + payload() + "}" : "") + "}";
      default: {
        static const char* words[] = {"A", "B", "PART", "NAME", "MOREF", "CODE"};
        std::string text = words[pick(6)];
        uint32_t children = pick(4);
        if (!children) return text;
        text += '{';
        for (uint32_t i = 0; i < children; ++i) {
          if (i) text += ',';
          text += node(depth + 1);
        }
        return text + '}';
      }
    }
  }

  std::mt19937 random;
  std::vector<uint32_t> forged;
  uint32_t budget = 0;
};

void collectReferences(metaTreeC* chain, std::vector<metaTreeC*>& references, std::vector<metaTreeC*>& records) {
  references.clear();
  records.clear();
  int levelsDown = 0;
  for (metaTreeC* node = chain; node; node = nextInPreOrder(node, levelsDown, true)) {
    if (node->hasKeyword("MOREF")) references.push_back(node);
    if (node->hasKeyword("MOCRC")) records.push_back(node);
  }
}

bool inChain(const metaTreeC* chain, const metaTreeC* wanted) {
  int levelsDown = 0;
  for (const metaTreeC* node = chain; node; node = nextInPreOrder(node, levelsDown, true)) {
    if (node == wanted) return true;
  }
  return false;
}

// Every operation that follows references, on one tree.
void exercise(metaObjectC& tree) {
  std::vector<metaTreeC*> references, records;
  collectReferences(tree.node, references, records);
  for (metaTreeC* reference : references) {
    metaTreeC* target = metaObjectRefC(reference, 0).getTargetNode();
    EXPECT_TRUE(!target || inChain(metaTreeC::firstSibling(tree.node), target));
  }
  for (metaTreeC* record : records) metaObjectCRCC(record, 0).verifyChecksum();
  metaTreeC* single = tree.clone(1, 1);
  metaTreeC* whole = tree.clone(0, 1);
  metaObjectC copy(whole, 1);
  str written = tree.writeToStringValue(0, 0);
  metaObjectC again = metaObjectC::readFromString(written.c_str(), 1);
  EXPECT_TRUE(again.isValid()) << written.c_str();
  metaObjectC(single, 0).writeToStringValue(1, 1);
  copy.writeToStringValue(0, 0);
  delete single;
}

}  // namespace

TEST(referenceFuzz, ForgedAndStaleTargetsAreNeverFollowed) {
  metaTreeNodeHandleTableC& handles = metaTreeNodeHandleTableC::instance();
  // Handles naming no node of any tree at hand: one never given, one of a node since freed
  // (its address free for the nodes of every later tree), and one of a node of another tree
  // that must keep its copy mark.
  metaTreeC* freed = metaTreeC::newWithKeyword("FREED");
  uint32_t freedHandle = handles.handleOf(freed);
  delete freed;
  metaObjectC outsider(metaTreeC::newWithKeyword("OUTSIDE"), 1);
  std::vector<uint32_t> forged = {0x7FFFFFF0u, freedHandle, handles.handleOf(outsider.node)};

  treeTextGeneratorC generator(20240611, forged);
  for (int round = 0; round < 1500; ++round) {
    std::string text = generator.text();
    SCOPED_TRACE(text);
    // Read without load hooks, every stored code stays as it is, a position and no handle; with
    // them every top-level node is converted.
    metaObjectC raw(parseRaw(text), 1);
    ASSERT_TRUE(raw.isValid());
    exercise(raw);
    metaObjectC hooked = metaObjectC::readFromString(text.c_str(), 1);
    ASSERT_TRUE(hooked.isValid());
    exercise(hooked);
    // A reference in a later top-level node that a call gave a forged handle.
    for (uint32_t handle : forged) {
      metaObjectC later(parseRaw(("A{B} B{MOREF} " + text).c_str()), 1);
      metaObjectRefC(later.node->next->firstChild, 0).setTargetHandle(handle);
      exercise(later);
    }
    EXPECT_EQ(outsider.node->copyMark, 0);
  }
}
