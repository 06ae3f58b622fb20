#include "core/metaObjKeyContainerC.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/mExtAttrStrC.h"
#include "core/metaObjKeyContainerTemplateC.h"
#include "core/metaObjListValContainerT.h"
#include "core/metaTreeC.h"
#include "tests/core/treeTestHelpers.h"

using treeTest::describe;
using treeTest::parse;

TEST(metaObjKeyContainerC, TheCacheHoldsOneKeyAndFollowsKeyWordChanges) {
  metaObjKeyContainerC container(parse("C{P X P Y P}"), 1);
  metaTreeC* x = container.node->firstChild->next;
  EXPECT_EQ(container.getKeyedCount("P"), 3u);
  EXPECT_EQ(container.keyedChildAt(0, "X"), x);  // another key rebuilds the cache
  EXPECT_EQ(container.keyedChildAt(1, "P"), x->next);
  // Turning X into P is a change the cache sees.
  metaObjectC(x, 0).setKeyword("P");
  EXPECT_EQ(container.keyedChildAt(1, "P"), x);
  EXPECT_EQ(container.getKeyedCount("P"), 4u);
  // So is turning a value into a word through setWord.
  metaObjKeyContainerC values(parse("D{Y P}"), 1);
  EXPECT_EQ(values.getKeyedCount("P"), 1u);
  metaObjectC(values.node, 0).setWord("P");
  EXPECT_EQ(values.getKeyedCount("P"), 2u);
  EXPECT_EQ(container.getLoopCount(), 0u);
  metaTreeC::appendWordChild(container.node, "LOOP");
  EXPECT_EQ(container.getLoopCount(), 1u);
  EXPECT_EQ(container.getKeyedCount(nullptr), 0u);
  EXPECT_EQ(container.keyedChildAt(0, nullptr), nullptr);

  // Assignment keeps the pages but empties the cache.
  metaObjKeyContainerC other(parse("D{P}"), 1);
  container = other;
  EXPECT_EQ(container.getKeyedCount("P"), 1u);
  EXPECT_EQ(container.keyedChildAt(0, "P"), container.node->firstChild);
}

TEST(metaObjKeyContainerTemplateC, ItemsAreTypedViewsOverTheClassKeyChildren) {
  metaObjKeyContainerTemplateC<mExtAttrStrC> list(parse("L{EXTATTRSTR{VALUE{\"a\"}} EXTATTRVAL EXTATTRSTR{VALUE{\"b\"}}}"), 1);
  EXPECT_EQ(list.getCount(), 2u);
  uint32_t found = 0;
  EXPECT_STREQ(list.getItem(1, &found).getValue().c_str(), "b");
  EXPECT_EQ(found, 1u);
  mExtAttrStrC missing = list.getItem(2, &found);
  EXPECT_EQ(found, 0u);
  EXPECT_FALSE(missing.isValid());
  EXPECT_STREQ(missing.getValue().c_str(), "");
  EXPECT_FALSE(list.getItem(0).ownsNode());
  metaObjKeyContainerTemplateC<mExtAttrStrC> copy(list);
  EXPECT_NE(copy.node, list.node);
  EXPECT_EQ(copy.getCount(), 2u);
}

TEST(metaObjListValContainerT, ValuesAndCountsComeThroughTheCache) {
  metaObjListValContainerT<double> values(parse("V{1.5 -2 \"text\" 4}"), 1);
  EXPECT_EQ(values.getCount(), 4u);
  memManDataPoolC<double> numbers = values.getValues();
  ASSERT_EQ(numbers.count(), 4u);
  EXPECT_EQ(numbers.data[0], 1.5);
  EXPECT_EQ(numbers.data[1], -2.0);
  EXPECT_EQ(numbers.data[2], 0.0);  // not a double: no reading of the text's bits
  EXPECT_EQ(numbers.data[3], 4.0);
  metaObjListValContainerT<double> empty;
  EXPECT_EQ(empty.getValues().count(), 0u);
  metaObjListValContainerT<double> childless(metaTreeC::newWithKeyword("V"), 1);
  EXPECT_EQ(childless.getValues().count(), 0u);
}

TEST(metaObjListValContainerT, IntegersReadStoredNumbersByTheDoubleToIntRule) {
  metaObjListValContainerT<double> stored(parse("V{1e300 -7.9 4294967301}"), 1);
  stored.append(std::nan(""));
  metaObjListValContainerT<int> integers(stored.getNode(), 0);
  memManDataPoolC<int> numbers = integers.getValues();
  ASSERT_EQ(numbers.count(), 4u);
  EXPECT_EQ(numbers.data[0], 0);  // beyond 64 bits
  EXPECT_EQ(numbers.data[1], -7);
  EXPECT_EQ(numbers.data[2], 5);  // the low 32 bits
  EXPECT_EQ(numbers.data[3], 0);  // NaN
  EXPECT_EQ(integers.getAt(0), 0);
  EXPECT_EQ(integers.getAt(3), 0);
}
