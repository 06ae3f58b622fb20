// Merges and updates of option pages look elements up by ID through an index. A host calling
// getMergedPage or updateFieldsFromPage must see exactly what the plain scans gave, IDs added
// to passed elements included: the reference below is that algorithm, compared over random
// pages, pages merged with themselves and pages lying inside each other.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/keyNodeField.h"
#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "dlliface/optionElementIds.h"
#include "dlliface/prxmDllIfaceOptionPageC.h"
#include "tests/core/treeTestHelpers.h"
#include "tests/helpers/scriptCalls.h"

using namespace invokeTest;

namespace {

namespace reference {

struct collectionS {
  const char* key;
  const char* elementKey;
};
constexpr collectionS collections[] = {{"OPTGROUPS", "OPTGROUP"}, {"OPTTYPES", "OPTTYPE"}, {"OPTITEMS", "OPTITEM"}};

void mergeCollection(metaTreeC* target, metaTreeC* source, const collectionS& collection) {
  metaTreeC* from = fieldNode(source, collection.key);
  const uint32_t count = countElements(from, collection.elementKey);
  metaTreeC* element = firstElement(from, collection.elementKey);
  for (uint32_t i = 0; i < count && element; ++i, element = nextElement(element, collection.elementKey)) {
    metaTreeC* into = fieldNode(target, collection.key);
    if (findElementById(into, collection.elementKey, textView(elementIdText(element)))) continue;
    metaObjectC(metaTreeC::appendWordChild(into, collection.elementKey), 0).copyContentFrom(element);
  }
}

void mergeWithPage(metaTreeC* target, metaTreeC* source) {
  for (const collectionS& collection : collections) mergeCollection(target, source, collection);
}

void updateFieldsFromPage(metaTreeC* target, metaTreeC* page) {
  const metaObjectC source(metaObjectC(page, 0).clone(1, 1), 1);
  metaTreeC* items = fieldNode(source.getNode(), "OPTITEMS");
  for (metaTreeC* from = firstElement(items, "OPTITEM"); from; from = nextElement(from, "OPTITEM")) {
    metaTreeC* into = findElementById(fieldNode(target, "OPTITEMS"), "OPTITEM", textView(elementIdText(from)));
    if (!into) continue;
    if (textView(getStringField(from, "TYP")) != textView(getStringField(into, "TYP"))) continue;
    if (const metaTreeC* value = peekFieldNode(from, "VAL")) metaObjectC(fieldNode(into, "VAL"), 0).copyContentFrom(value);
  }
}

}  // namespace reference

// Elements with IDs from a few texts, repeated, missing or not strings, between children of
// other words; some options hold collections of their own, so that pages nest.
std::string randomElements(std::mt19937& random, const char* elementKey, int depth) {
  const char* ids[] = {"ID{\"a\"}", "ID{\"b\"}", "ID{\"c\"}", "ID{\"\"}", "ID{5}", "", "ID{\"a\"}ID{\"b\"}"};
  const char* types[] = {"", "TYP{\"int\"}", "TYP{\"str\"}"};
  std::string text;
  for (uint32_t n = random() % 6; n > 0; --n) {
    if (random() % 6 == 0) {
      text += "OTHER{ID{\"a\"}}";
      continue;
    }
    text += std::string(elementKey) + "{" + ids[random() % std::size(ids)] + types[random() % std::size(types)];
    if (random() % 2) text += "VAL{" + std::to_string(random() % 9) + "}";
    if (depth > 0 && random() % 4 == 0) text += "OPTITEMS{" + randomElements(random, "OPTITEM", depth - 1) + "}";
    text += "}";
  }
  return text;
}

std::string randomPage(std::mt19937& random, int depth) {
  std::string text = "OPTPAGE{ID{\"P\"}";
  for (const reference::collectionS& collection : reference::collections) {
    for (uint32_t n = random() % 3; n > 0; --n)
      text += std::string(collection.key) + "{" + randomElements(random, collection.elementKey, depth) + "}";
  }
  return text + "}";
}

// The nodes of the tree in pre-order.
std::vector<metaTreeC*> nodesOf(metaTreeC* root) {
  std::vector<metaTreeC*> nodes;
  int levels = 0;
  for (metaTreeC* node = root; node; node = nextInPreOrder(node, levels, true)) nodes.push_back(node);
  return nodes;
}

// The positions of the nodes that can stand for pages: pages and options.
std::vector<size_t> pagePlaces(const std::vector<metaTreeC*>& nodes) {
  std::vector<size_t> places;
  for (size_t i = 0; i < nodes.size(); ++i)
    if (nodes[i]->hasKeyword("OPTPAGE") || nodes[i]->hasKeyword("OPTITEM")) places.push_back(i);
  return places;
}

dispatchT pageObject(metaTreeC* node) { return dispatchT(new prxmDllIfaceOptionPageC(metaObjectC(node, 0))); }

}  // namespace

TEST(OptionMergeReference, IndexedLookupsGiveWhatScansGave) {
  std::mt19937 random(31337);
  int changed = 0;
  for (int round = 0; round < 300; ++round) {
    const std::string text = "TRANSFEROPTPAGES{" + randomPage(random, 2) + randomPage(random, 2) + "}";
    const std::string otherText = "GLOBALOPTPAGES{" + randomPage(random, 1) + "}";
    const bool update = round % 3 == 2;
    metaObjectC ours = metaObjectC::readFromString(text.c_str(), 1);
    metaObjectC theirs = metaObjectC::readFromString(text.c_str(), 1);
    metaObjectC ourOther = metaObjectC::readFromString(otherText.c_str(), 1);
    metaObjectC theirOther = metaObjectC::readFromString(otherText.c_str(), 1);
    ASSERT_TRUE(ours.getNode() && ourOther.getNode()) << text << otherText;

    // The target is a page or option of the tree; the source another one, the same one, or
    // the page of the other tree.
    const std::vector<metaTreeC*> ourNodes = nodesOf(ours.getNode()), theirNodes = nodesOf(theirs.getNode());
    const std::vector<size_t> places = pagePlaces(ourNodes);
    const size_t target = places[random() % places.size()];
    const uint32_t kind = random() % 4;
    const size_t source = kind == 0 ? target : places[random() % places.size()];
    const bool elsewhere = kind == 3;
    metaTreeC* ourSource = elsewhere ? ourOther.getNode()->firstChild : ourNodes[source];
    metaTreeC* theirSource = elsewhere ? theirOther.getNode()->firstChild : theirNodes[source];

    const std::string before = treeTest::describe(ours.getNode());
    dispatchT page = pageObject(ourNodes[target]);
    dispatchT other = pageObject(ourSource);
    const callS done = method(page.get(), update ? "updateFieldsFromPage" : "getMergedPage", {objectValue(other)});
    ASSERT_EQ(done.outcome, 0u);
    if (update) reference::updateFieldsFromPage(theirNodes[target], theirSource);
    else reference::mergeWithPage(theirNodes[target], theirSource);

    const std::string after = treeTest::describe(ours.getNode());
    ASSERT_EQ(after, treeTest::describe(theirs.getNode())) << round << " " << text << " " << target << " " << source;
    ASSERT_EQ(treeTest::describe(ourOther.getNode()), treeTest::describe(theirOther.getNode())) << round;
    changed += after != before;
  }
  // Most rounds merge, update or add IDs.
  EXPECT_GT(changed, 200);
}
