#include "memman/memManInterfaceC.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "memman/memManPoolC.h"
#include "memman/memManPoolInspect.h"
#include "memman/memManSystemC.h"

namespace {

struct pooledThing : memManInterfaceC {
  double values[5] = {1, 2, 3, 4, 5};
};

struct throwingThing : memManInterfaceC {
  throwingThing() { throw std::runtime_error("refused"); }
};

}  // namespace

TEST(memManInterfaceC, ObjectsAndBuffersComeFromTheHeap) {
  EXPECT_EQ(getMemManSystem(0), getMemManSystem(42));
  uint32_t outstanding = memPoolOutstandingCount();

  auto* thing = new pooledThing;
  EXPECT_NE(memPoolPageOfBlock(thing), nullptr);
  EXPECT_EQ(memDataPoolBlockSize(thing), sizeof(pooledThing));
  EXPECT_EQ(thing->getMemManager(7), getMemManSystem(0));
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 1);

  auto* buffer = static_cast<char*>(thing->allocMemory(10));
  std::memcpy(buffer, "abcdefghi", 10);
  buffer = static_cast<char*>(thing->reallocMemory(buffer, 4000));
  EXPECT_STREQ(buffer, "abcdefghi");
  EXPECT_EQ(memDataPoolBlockSize(buffer), 4000u);
  thing->freeMemory(buffer);
  delete thing;
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);

  auto* things = new pooledThing[3];
  EXPECT_EQ(things[2].values[4], 5.0);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding + 1);
  delete[] things;
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);

  EXPECT_THROW(new throwingThing, std::runtime_error);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);

  memManSystemC* manager = getMemManSystem(0);
  void* block = manager->allocate(24);
  block = manager->reallocate(block, 12);
  EXPECT_EQ(memDataPoolBlockSize(block), 12u);
  manager->free(block);
  EXPECT_EQ(memPoolOutstandingCount(), outstanding);
}
