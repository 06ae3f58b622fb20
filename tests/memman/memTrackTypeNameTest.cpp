#include "memman/memTrackTypeName.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "memman/memManInterfaceC.h"
#include "memman/memManPoolInspect.h"
#include "memman/memSlotArenaC.h"
#include "memman/memTrackBlockWalk.h"
#include "memman/memTrackHooks.h"

namespace memTrackProbe {

struct rootC {
  virtual ~rootC() = default;
  uint64_t value = 7;
};
struct pooledC : memManInterfaceC {
  uint64_t value = 8;
};
struct leftC {
  virtual ~leftC() = default;
  virtual int left() { return 1; }
};
struct rightC {
  virtual ~rightC() = default;
  virtual int right() { return 2; }
};
struct bothC : leftC, rightC {};
struct virtualBaseC : virtual rootC {};
template <class T>
struct wrapperT {
  virtual ~wrapperT() = default;
};

}  // namespace memTrackProbe

namespace {

// A block whose first word is the given value.
std::string nameWithFirstWord(uint64_t word) {
  uint64_t block[2] = {word, 0};
  return objectTypeName(block);
}

int hiddenFunction(int x) { return x + 1; }

}  // namespace

TEST(memTrackTypeName, PolymorphicObjectsAreNamedByTheirRunTimeType) {
  memTrackProbe::rootC plain;
  EXPECT_EQ(objectTypeName(&plain), "memTrackProbe::rootC");
  std::unique_ptr<memTrackProbe::pooledC> pooled(new memTrackProbe::pooledC);
  EXPECT_EQ(objectTypeName(pooled.get()), "memTrackProbe::pooledC");
  memTrackProbe::bothC both;
  EXPECT_EQ(objectTypeName(&both), "memTrackProbe::bothC");
  memTrackProbe::virtualBaseC withVirtualBase;
  EXPECT_EQ(objectTypeName(&withVirtualBase), "memTrackProbe::virtualBaseC");

  memTrackProbe::wrapperT<std::map<std::string, std::vector<std::string>>> longName;
  std::string name = objectTypeName(&longName);
  EXPECT_EQ(name.size(), memTrackTypeNameLimit);
  EXPECT_EQ(name.rfind("memTrackProbe::wrapperT<std::map<", 0), 0u) << name;
}

TEST(memTrackTypeName, OtherBlocksAreArraysWithoutEverFaulting) {
  EXPECT_EQ(nameWithFirstWord(0), "array");
  EXPECT_EQ(nameWithFirstWord(0x10), "array");
  EXPECT_EQ(nameWithFirstWord(0x1235), "array");
  EXPECT_EQ(nameWithFirstWord(0xFFFF800000000000ull), "array");

  long pageSize = sysconf(_SC_PAGESIZE);
  void* guarded = mmap(nullptr, size_t(pageSize) * 2, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  ASSERT_NE(guarded, MAP_FAILED);
  auto* second = static_cast<unsigned char*>(guarded) + pageSize;
  mprotect(second, size_t(pageSize), PROT_NONE);
  EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(second)), "array");
  // A table at the very start of a readable page, with nothing readable in front of it.
  mprotect(second, size_t(pageSize), PROT_READ | PROT_WRITE);
  mprotect(guarded, size_t(pageSize), PROT_NONE);
  std::memset(second, 0, 64);
  EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(second)), "array");
  munmap(guarded, size_t(pageSize) * 2);
  EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(second)), "array");

  // Data that points at data: a table whose first entry is no code.
  uint64_t words[4] = {0, 0, 12345, 0};
  EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(&words[2])), "array");
}

TEST(memTrackTypeName, TablesWithoutATrustedTypeRecordAreNamedFromTheirCode) {
  // Offset 0, no type record, then the first entry: the code's symbol gives the class.
  uint64_t what = reinterpret_cast<uintptr_t>(dlsym(RTLD_DEFAULT, "_ZNKSt13runtime_error4whatEv"));
  if (what) {
    uint64_t table[3] = {0, 0, what};
    EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(&table[2])), "std::runtime_error");
  }
  // Code that no symbol names is still code.
  uint64_t hidden = reinterpret_cast<uintptr_t>(&hiddenFunction);
  uint64_t unnamed[3] = {0, 0, hidden};
  EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(&unnamed[2])), "class");
  // A "type record" that is not one of the runtime's class records is not trusted.
  const char* fakeName = "7forgedC";
  uint64_t fakeRecord[2] = {reinterpret_cast<uintptr_t>(&fakeRecord), reinterpret_cast<uintptr_t>(fakeName)};
  uint64_t forged[3] = {0, reinterpret_cast<uintptr_t>(fakeRecord), hidden};
  EXPECT_EQ(nameWithFirstWord(reinterpret_cast<uintptr_t>(&forged[2])), "class");
  // A secondary table (an object's base part past offset 0) does not name the whole object.
  memTrackProbe::bothC both;
  memTrackProbe::rightC* right = &both;
  EXPECT_EQ(objectTypeName(right), "class");
}

TEST(memTrackTypeName, BlocksAreUnknownWithoutTheTypeInfoSwitch) {
  if (readMemTrackSwitches() & memTrackTypeInfoBit) GTEST_SKIP() << "MZMEMTRACK_TYPEINFO is set for this process";
  std::unique_ptr<memTrackProbe::pooledC> pooled(new memTrackProbe::pooledC);
  auto* header = reinterpret_cast<const memPoolBlockHeaderS*>(reinterpret_cast<unsigned char*>(pooled.get()) -
                                                              memPoolHeaderSize());
  EXPECT_EQ(blockTypeName(trackBlockOfSlot(header)), "unk");
  // A tree node in the slot arena is named as one all the same.
  void* node = memSlotArenaC::take();
  EXPECT_EQ(blockTypeName({node, memSlotArenaC::slotBytes, nullptr}), "metaTreeC");
  memSlotArenaC::giveBack(node);
}
