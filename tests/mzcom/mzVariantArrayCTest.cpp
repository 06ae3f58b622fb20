#include "mzcom/mzVariantArrayC.h"

#include <gtest/gtest.h>

TEST(mzVariantArrayC, PagesOfEightOnlyGrow) {
  mzVariantArrayC* array = nullptr;
  ASSERT_EQ(mzVariantArrayC::create(array, 0), 0u);
  EXPECT_EQ(array->getPageCount(), 0u);
  array->resize(8);
  EXPECT_EQ(array->getPageCount(), 2u);  // a count that fills its pages gets a spare one
  for (uint32_t i = 0; i < 8; ++i) {
    mzVariantS* element = nullptr;
    ASSERT_EQ(mzVariantArrayC::getElement(array, i, element), 0u);
    EXPECT_EQ(element->type, mzVariantS::typeEmpty);
    element->setInt(int32_t(i * 10));
  }
  mzVariantS* seven = nullptr;
  mzVariantArrayC::getElement(array, 7, seven);

  array->resize(3);
  uint32_t count = 0;
  EXPECT_EQ(mzVariantArrayC::getCount(array, count), 0u);
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(array->getPageCount(), 2u);
  mzVariantS* untouched = reinterpret_cast<mzVariantS*>(0x1);
  EXPECT_EQ(mzVariantArrayC::getElement(array, 3, untouched), 1u);
  EXPECT_EQ(untouched, reinterpret_cast<mzVariantS*>(0x1));

  array->resize(8);
  for (uint32_t i = 3; i < 8; ++i) {
    mzVariantS* element = nullptr;
    ASSERT_EQ(mzVariantArrayC::getElement(array, i, element), 0u);
    EXPECT_EQ(element->intValue, int32_t(i * 10));
  }
  array->resize(40);
  EXPECT_EQ(array->getPageCount(), 6u);
  mzVariantS* sevenAgain = nullptr;
  mzVariantArrayC::getElement(array, 7, sevenAgain);
  EXPECT_EQ(sevenAgain, seven);  // elements never move

  EXPECT_EQ(mzVariantArrayC::destroy(array), 0u);
  EXPECT_EQ(mzVariantArrayC::destroy(nullptr), 0u);
  EXPECT_EQ(mzVariantArrayC::getElement(nullptr, 0, untouched), 1u);
}

TEST(mzVariantArrayC, CopiesAreDeepAndNested) {
  mzVariantArrayC* source = nullptr;
  mzVariantArrayC::create(source, 2);
  mzVariantS* element = nullptr;
  mzVariantArrayC::getElement(source, 0, element);
  element->setString("text");
  mzVariantArrayC::getElement(source, 1, element);
  element->type = mzVariantS::typeArray;
  mzVariantArrayC::create(element->arrayValue, 1);
  mzVariantS* nested = nullptr;
  mzVariantArrayC::getElement(element->arrayValue, 0, nested);
  nested->setDouble(1.5);

  mzVariantArrayC* target = nullptr;
  mzVariantArrayC::create(target, 9);
  source->copyTo(*target);
  EXPECT_EQ(target->getCount(), 2u);
  EXPECT_EQ(target->getPageCount(), 2u);  // pages of the longer array stay
  mzVariantS* copied = nullptr;
  mzVariantArrayC::getElement(target, 0, copied);
  const char* text = nullptr;
  ASSERT_EQ(copied->getString(text), 0u);
  EXPECT_STREQ(text, "text");
  mzVariantArrayC::getElement(target, 1, copied);
  ASSERT_EQ(copied->type, mzVariantS::typeArray);
  EXPECT_NE(copied->arrayValue, element->arrayValue);
  mzVariantS* copiedNested = nullptr;
  mzVariantArrayC::getElement(copied->arrayValue, 0, copiedNested);
  EXPECT_EQ(copiedNested->doubleValue, 1.5);

  mzVariantArrayC::destroy(source);
  mzVariantArrayC::destroy(target);
}

// The source array lies inside the target: replacing the target's elements deletes it, so the
// copy must be complete before any element of the target changes.
TEST(mzVariantArrayC, CopyOntoTheArrayHoldingTheSource) {
  mzVariantArrayC* outer = nullptr;
  mzVariantArrayC::create(outer, 1);
  mzVariantS* holder = nullptr;
  mzVariantArrayC::getElement(outer, 0, holder);
  holder->type = mzVariantS::typeArray;
  mzVariantArrayC::create(holder->arrayValue, 3);
  mzVariantArrayC* inner = holder->arrayValue;
  mzVariantS* element = nullptr;
  mzVariantArrayC::getElement(inner, 0, element);
  element->setString("first");
  mzVariantArrayC::getElement(inner, 1, element);
  element->setInt(7);
  mzVariantArrayC::getElement(inner, 2, element);
  element->setString("last");

  inner->copyTo(*outer);

  ASSERT_EQ(outer->getCount(), 3u);
  mzVariantArrayC::getElement(outer, 0, element);
  EXPECT_STREQ(element->stringText(), "first");
  mzVariantArrayC::getElement(outer, 1, element);
  EXPECT_EQ(element->type, mzVariantS::typeInt);
  EXPECT_EQ(element->intValue, 7);
  mzVariantArrayC::getElement(outer, 2, element);
  EXPECT_STREQ(element->stringText(), "last");
  mzVariantArrayC::destroy(outer);
}
