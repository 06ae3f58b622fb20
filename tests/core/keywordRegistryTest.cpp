#include "core/keywordRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/keywordRegistrarT.h"
#include "core/keywordRegistries.h"
#include "core/metaObjectCRCC.h"
#include "core/metaObjectCustomHooks.h"
#include "core/metaObjectCustomStorageC.h"
#include "core/prototypeBinding.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::parse;

namespace {

std::vector<std::string> keywordsOf(const metaObjectInterfaceListC* registry) {
  std::vector<std::string> keywords;
  for (uint32_t i = 0; i < registry->elementCount; ++i) keywords.emplace_back((*registry)[i].keyword.c_str());
  return keywords;
}

int prototypes[8];

}  // namespace

TEST(keywordRegistry, HigherPrioritiesReplaceAndEqualOnesAreIgnored) {
  metaObjectInterfaceListC* registry = nullptr;
  registryCreate(registry);
  metaObjectInterfaceListC* created = registry;
  registryCreate(registry);
  EXPECT_EQ(registry, created);  // an existing registry stays

  keywordRegistryStatisticsS before = keywordRegistryStatistics;
  registerKeyword(registry, "A", &prototypes[0], 3);
  registerKeyword(registry, "A", &prototypes[1], 5);
  registerKeyword(registry, "A", &prototypes[2], 4);
  registerKeyword(registry, "A", &prototypes[3], 5);
  ASSERT_EQ(registry->elementCount, 1u);
  EXPECT_EQ((*registry)[0].prototype, &prototypes[1]);
  EXPECT_EQ((*registry)[0].priority, 5);
  EXPECT_EQ(keywordRegistryStatistics.entriesInserted - before.entriesInserted, 1u);
  EXPECT_EQ(keywordRegistryStatistics.entriesReplaced - before.entriesReplaced, 1u);
  EXPECT_EQ(keywordRegistryStatistics.registrationsIgnored - before.registrationsIgnored, 1u);

  registryDestroy(registry);
  EXPECT_EQ(registry, nullptr);
  registryDestroy(registry);
  EXPECT_EQ(findKeyword(registry, "A"), nullptr);
}

TEST(keywordRegistry, EntriesKeepByteOrderAndScansAgreeWithHalving) {
  metaObjectInterfaceListC* registry = nullptr;
  registryCreate(registry);
  const char* keywords[] = {"a", "C", "Z", "B", "", "ab"};
  for (int i = 0; i < 5; ++i) registerKeyword(registry, keywords[i], &prototypes[i], 3);
  EXPECT_EQ(keywordsOf(registry), (std::vector<std::string>{"", "B", "C", "Z", "a"}));
  uint32_t insertAt = 99;
  EXPECT_EQ(registrySearch(registry, "Y", insertAt), -1);
  EXPECT_EQ(insertAt, 3u);
  EXPECT_EQ(registrySearch(registry, "Z", insertAt), 3);

  // Five entries are scanned, six halved: the answers are the same.
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(findKeyword(registry, "Z"), &prototypes[2]) << round;
    EXPECT_EQ(findKeyword(registry, "a"), &prototypes[0]) << round;
    EXPECT_EQ(findKeyword(registry, "C"), &prototypes[1]) << round;
    EXPECT_EQ(findKeyword(registry, "b"), nullptr) << round;
    EXPECT_EQ(findKeyword(registry, "z"), nullptr) << round;
    EXPECT_EQ(findKeyword(registry, ""), nullptr) << round;  // even with an entry ""
    EXPECT_EQ(findKeyword(registry, nullptr), nullptr) << round;
    registerKeyword(registry, keywords[5], &prototypes[5], 3);
  }
  // Pages of 8 entries: inserting before entries that sit on later pages moves them all.
  for (char c = 'c'; c <= 'k'; ++c) registerKeyword(registry, std::string(1, c).c_str(), &prototypes[6], 3);
  registerKeyword(registry, "A", &prototypes[7], 3);
  std::vector<std::string> order = keywordsOf(registry);
  EXPECT_EQ(order.size(), 16u);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
  EXPECT_EQ(findKeyword(registry, "A"), &prototypes[7]);
  EXPECT_EQ(findKeyword(registry, "k"), &prototypes[6]);
  EXPECT_EQ(findKeyword(registry, "ab"), &prototypes[5]);
  registryDestroy(registry);
}

TEST(keywordRegistry, TheFirstRegistrarDestroyedFreesTheRegistry) {
  metaObjectInterfaceListC* slot = nullptr;
  uint32_t registrars = keywordRegistryStatistics.registrarsConstructed;
  auto* first = new keywordRegistrarT<metaObjectCRCC, metaObjectCustomStorageC>(slot, "ONE", 3);
  auto* second = new keywordRegistrarT<metaObjectCRCC, metaObjectCustomStorageC>(slot, "TWO", 4);
  EXPECT_EQ(keywordRegistryStatistics.registrarsConstructed - registrars, 2u);
  EXPECT_EQ(findKeyword(slot, "TWO"), static_cast<metaObjectCustomStorageC*>(second->getPrototype()));
  delete second;
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(findKeyword(slot, "ONE"), nullptr);
  delete first;
  EXPECT_EQ(slot, nullptr);
}

TEST(keywordRegistry, TheLibraryRegistriesAreFilledAtStart) {
  EXPECT_NE(findKeyword(customStorageRegistry, "MOREF"), nullptr);
  EXPECT_NE(findKeyword(customStorageRegistry, "MOCRC"), nullptr);
  EXPECT_NE(findKeyword(customCopyRegistry, "MOREF"), nullptr);
  EXPECT_EQ(findKeyword(customCopyRegistry, "MOCRC"), nullptr);
  for (const char* key : {"EXTATTRVAR", "EXTATTRSTR", "EXTATTRVAL"}) EXPECT_NE(findKeyword(extAttrRegistry, key), nullptr) << key;
}

TEST(keywordRegistry, LookupsByNodeAndTreeTests) {
  metaTreeC* tree = parse("MOCRC \"MOCRC\" R{W{MOREF}} \"S\"{MOREF} R{X} MOREF");
  metaTreeC* checksum = tree;
  metaTreeC* string = tree->next;
  auto found = lookupCustomStorage(checksum);
  EXPECT_NE(dynamic_cast<metaObjectCRCC*>(found.prototype), nullptr);
  EXPECT_EQ(found.node, checksum);
  EXPECT_EQ(lookupCustomStorage(string).prototype, nullptr);
  EXPECT_EQ(lookupCustomCopy(checksum).prototype, nullptr);
  EXPECT_NE(lookupCustomCopy(string->next->firstChild->firstChild).prototype, nullptr);

  // Lending a prototype a node and taking it back.
  prototypeBindingS binding;
  bindPrototype(found, binding);
  EXPECT_EQ(found.prototype->getNode(), checksum);
  EXPECT_FALSE(found.prototype->ownsNode());
  unbindPrototype(binding);
  EXPECT_EQ(found.prototype->getNode(), nullptr);

  metaTreeC* wordRoot = string->next;
  metaTreeC* stringRoot = wordRoot->next;
  EXPECT_EQ(treeHasCustomCopy(wordRoot, 1), 1u);
  EXPECT_EQ(treeHasCustomCopy(stringRoot, 1), 0u);  // a string's children are not visited
  // With single the walk ends after the first word node: R{X} is one, the MOREF after it is not looked at.
  EXPECT_EQ(treeHasCustomCopy(stringRoot, 0), 1u);
  EXPECT_EQ(treeHasCustomCopy(stringRoot->next, 1), 0u);
  EXPECT_EQ(treeHasCustomCopy(string, 1), 1u);  // non-word nodes are passed over until a word
  EXPECT_EQ(treeHasCustomStorage(checksum, 1), 1u);
  EXPECT_EQ(treeHasCustomCopy(checksum, 1), 0u);
  EXPECT_EQ(treeHasCustomCopy(nullptr, 0), 0u);
  delete tree;
}
