#include "memman/pageMemT.h"

#include <gtest/gtest.h>

#include "memman/memManPoolInspect.h"
#include "memman/pageMemC.h"

namespace {

// Counts how its objects are made, copied and destroyed.
struct countedElement {
  static inline int made = 0, destroyed = 0, assigned = 0;
  int value = -1;
  countedElement() { ++made; }
  ~countedElement() { ++destroyed; }
  countedElement(const countedElement&) = delete;
  countedElement& operator=(const countedElement& other) {
    ++assigned;
    value = other.value;
    return *this;
  }
};

// An element read as a C text, which may be null.
struct textElement {
  const char* text = nullptr;
  operator const char*() const { return text; }
};

void setValue(int& element, int v) { element = v; }
void setValue(countedElement& element, int v) { element.value = v; }

template <class T, int N>
void append(pageMemT<T, N>& array, std::initializer_list<int> values) {
  for (int v : values) setValue(*array.newElement(), v);
}

}  // namespace

TEST(pageMemT, PagesAreAddedAtTheEndAndElementsNeverMove) {
  uint32_t outstanding = memPoolOutstandingCount();
  {
    pageMemT<int, 3> array;
    EXPECT_EQ(array.pageCount, 0u);
    int* first = array.newElement();
    *first = 10;
    EXPECT_EQ(array.pageCount, 1u);
    for (int i = 1; i < 8; ++i) *array.newElement() = 10 + i;
    EXPECT_EQ(array.pageCount, 1u);
    *array.newElement() = 18;
    EXPECT_EQ(array.pageCount, 2u);
    EXPECT_EQ(array.pageTable.count(), 2u);
    EXPECT_EQ(array.elementCount, 9u);
    EXPECT_EQ(&array[0], first);
    for (uint32_t i = 0; i < 9; ++i) EXPECT_EQ(array[i], int(10 + i));

    pageMemT<int, 5> wide;
    for (int i = 0; i < 33; ++i) *wide.newElement() = i;
    EXPECT_EQ(wide.pageCount, 2u);
    EXPECT_EQ(wide[32], 32);
    wide.addPage();
    EXPECT_EQ(wide.pageCount, 3u);
    EXPECT_EQ(wide.elementCount, 33u);
  }
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}

TEST(pageMemT, ElementsLiveAndDieWithTheirPages) {
  countedElement::made = countedElement::destroyed = 0;
  {
    pageMemT<countedElement, 3> array;
    array.addPage();
    EXPECT_EQ(countedElement::made, 8);
    append(array, {1, 2, 3});
    EXPECT_EQ(countedElement::made, 8);
    array.removeAt(0);
    EXPECT_EQ(countedElement::destroyed, 0);
  }
  EXPECT_EQ(countedElement::destroyed, 8);
}

TEST(pageMemT, CopiesHaveCountDivEightPlusOnePagesAndAssignmentKeepsPages) {
  pageMemT<countedElement, 3> eight;
  append(eight, {0, 1, 2, 3, 4, 5, 6, 7});
  EXPECT_EQ(eight.pageCount, 1u);

  countedElement::assigned = 0;
  pageMemT<countedElement, 3> copy(eight);
  EXPECT_EQ(copy.pageCount, 2u);
  EXPECT_EQ(copy.elementCount, 8u);
  EXPECT_EQ(countedElement::assigned, 8);
  for (uint32_t i = 0; i < 8; ++i) EXPECT_EQ(copy[i].value, int(i));

  pageMemT<countedElement, 3> empty;
  pageMemT<countedElement, 3> emptyCopy(empty);
  EXPECT_EQ(emptyCopy.pageCount, 0u);
  EXPECT_EQ(emptyCopy.elementCount, 0u);

  pageMemT<countedElement, 3> longer;
  for (int i = 0; i < 20; ++i) append(longer, {100 + i});
  EXPECT_EQ(longer.pageCount, 3u);
  pageMemT<countedElement, 3> shorter;
  append(shorter, {7, 8, 9});
  longer = shorter;
  EXPECT_EQ(longer.pageCount, 3u);
  EXPECT_EQ(longer.elementCount, 3u);
  EXPECT_EQ(longer[2].value, 9);
  longer = empty;
  EXPECT_EQ(longer.pageCount, 3u);
  EXPECT_EQ(longer.elementCount, 0u);

  shorter = eight;
  EXPECT_EQ(shorter.pageCount, 2u);
  EXPECT_EQ(shorter[7].value, 7);
  shorter = shorter;
  EXPECT_EQ(shorter.elementCount, 8u);
}

TEST(pageMemT, IndexOfFindsTheFirstEqualElement) {
  pageMemT<int, 3> numbers;
  append(numbers, {4, 5, 6, 5, 7, 8, 9, 10, 11, 5});
  EXPECT_EQ(numbers.indexOf(5), 1);
  EXPECT_EQ(numbers.indexOf(11), 8);
  EXPECT_EQ(numbers.indexOf(99), -1);
  pageMemT<int, 3> none;
  EXPECT_EQ(none.indexOf(0), -1);

  pageMemT<textElement, 3> texts;
  for (const char* text : {"alpha", "", "beta", static_cast<const char*>(nullptr), "beta"})
    texts.newElement()->text = text;
  EXPECT_EQ(texts.indexOf(textElement{nullptr}), 1);
  EXPECT_EQ(texts.indexOf(textElement{""}), 1);
  char beta[] = "beta";
  EXPECT_EQ(texts.indexOf(textElement{beta}), 2);
  EXPECT_EQ(texts.indexOf(textElement{"gamma"}), -1);
  texts[1].text = "x";
  EXPECT_EQ(texts.indexOf(textElement{""}), 3);
}

TEST(pageMemT, RemoveAtMovesTheRestDown) {
  pageMemT<int, 3> numbers;
  append(numbers, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  numbers.removeAt(3);
  EXPECT_EQ(numbers.elementCount, 9u);
  const int afterMiddle[] = {0, 1, 2, 4, 5, 6, 7, 8, 9};
  for (uint32_t i = 0; i < 9; ++i) EXPECT_EQ(numbers[i], afterMiddle[i]);
  numbers.removeAt(8);
  EXPECT_EQ(numbers.elementCount, 8u);
  EXPECT_EQ(numbers[7], 8);
  numbers.removeAt(8);
  numbers.removeAt(100);
  EXPECT_EQ(numbers.elementCount, 8u);
  EXPECT_EQ(numbers[7], 8);
  EXPECT_EQ(numbers.pageCount, 2u);

  pageMemT<int, 3> empty;
  empty.removeAt(0);
  EXPECT_EQ(empty.elementCount, 0u);
}

TEST(pageMemT, NestedArraysAreMadeAndFreedWithTheirPages) {
  uint32_t outstanding = memPoolOutstandingCount();
  {
    pageMemT<pageMemC<double>, 3> net;
    net.addPage();
    for (int row = 0; row < 3; ++row) {
      pageMemC<double>* points = net.newElement();
      EXPECT_EQ(points->elementCount, 0u);
      for (int i = 0; i < 10; ++i) *points->newElement() = row * 100 + i;
    }
    EXPECT_EQ(net[2][9], 209.0);
    EXPECT_EQ(net[7].pageCount, 0u);
    pageMemC<double> rowCopy(net[1]);
    EXPECT_EQ(rowCopy.pageCount, 2u);
    EXPECT_EQ(rowCopy[9], 109.0);
  }
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}
