#include "memman/memTrackReports.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "memman/memManPoolInspect.h"
#include "memman/memSlotArenaC.h"
#include "memman/memTrackBlockWalk.h"
#include "memman/memTrackCheck.h"
#include "memman/memTrackSnapshot.h"
#include "tests/helpers/memTrackTreeNodes.h"
#include "tests/helpers/scriptCalls.h"
#include "tests/memman/memPoolTestBlocks.h"
#include "tests/proxy/metaProxyTestHelpers.h"

// Every check uses block sizes of which no other block is live while it runs, and other
// blocks do not change while a test runs, so whole reports can be compared.
namespace {

std::string addressText(const void* payload) {
  char text[32];
  std::snprintf(text, sizeof text, "%016" PRIxPTR, reinterpret_cast<uintptr_t>(payload));
  return text;
}

std::string summary() {
  std::string text;
  memSummaryReport(text);
  return text;
}

uint64_t totalBytes(const std::string& report) {
  std::smatch total;
  EXPECT_TRUE(std::regex_search(report, total, std::regex("\nTotal Bytes : ([0-9]+)\n$"))) << report;
  return total.empty() ? 0 : std::stoull(total[1]);
}

// The line of the report that names the block, empty when none does.
std::string lineOfBlock(const std::string& report, const void* payload) {
  size_t at = report.find("(" + addressText(payload) + ")\n");
  if (at == std::string::npos) return {};
  size_t start = report.rfind('\n', at) + 1;
  return report.substr(start, report.find('\n', at) - start);
}

}  // namespace

TEST(memTrackReports, SummaryCountsLiveBlocksBySizeAndName) {
  std::string before = summary();
  EXPECT_EQ(before.rfind("MZMEMTRACK Summary Report (Pid=" + std::to_string(getpid()) + ")\n", 0), 0u);
  ASSERT_EQ(before.find("(1944)"), std::string::npos);
  uint64_t totalBefore = totalBytes(before);

  memPoolTestBlocks held;
  void *higher, *lower, *other;
  {
    // The blocks that fill what earlier tests left of the class are freed before the report.
    memPoolTestBlocks filling;
    filling.drainClassAndSpare(1944);
    higher = held.take(1944);
    lower = held.take(1944);
    other = held.take(1940);
  }
  held.take(3000);
  held.take(0);
  std::string after = summary();
  // Within a fresh page the second block lies below the first, so the walk meets it first.
  EXPECT_LT(lower, higher);
  EXPECT_NE(after.find("Mem   3888, Cnt      2, Name unk (1944) (" + addressText(lower) + ")\n"), std::string::npos)
      << after;
  EXPECT_NE(after.find("Mem   1940, Cnt      1, Name unk (1940) (" + addressText(other) + ")\n"), std::string::npos)
      << after;
  EXPECT_EQ(after.find("(3000)"), std::string::npos);
  EXPECT_EQ(after.find("unk (0)"), std::string::npos);
  EXPECT_EQ(totalBytes(after), totalBefore + 2 * 1944 + 1940);
}

TEST(memTrackReports, DetailNumbersBlocksAndNamesTheirParents) {
  memPoolTestBlocks held;
  auto* holder = static_cast<unsigned char*>(held.take(1800));
  void* held1 = held.take(1800);
  void* held2 = held.take(1720);
  std::memset(holder, 0, 1800);
  std::memcpy(holder + 8, &held1, sizeof held1);
  std::memcpy(holder + 1792, &held2, sizeof held2);
  std::string detail;
  memDetailReport(detail);
  EXPECT_EQ(detail.rfind("MZMEMTRACK Detail Report (Pid=" + std::to_string(getpid()) + ")\n", 0), 0u);

  std::smatch holderLine;
  std::string line = lineOfBlock(detail, holder);
  ASSERT_TRUE(std::regex_match(line, holderLine, std::regex(R"(Id +([0-9]+),Mem   1800, Cnt      1, Name unk \(1800\) \(.*\))")))
      << line;
  char parent[32];
  std::snprintf(parent, sizeof parent, "Parent %6d,", std::stoi(holderLine[1]));
  EXPECT_NE(lineOfBlock(detail, held1).find(std::string(parent) + "Mem   1800, Cnt      1, Name unk (1800)"),
            std::string::npos)
      << detail;
  EXPECT_NE(lineOfBlock(detail, held2).find(std::string(parent) + "Mem   1720,"), std::string::npos) << detail;
}

TEST(memTrackReports, FormatMemTrackLineLeavesOutNegativeIdAndParent) {
  memPoolTestBlocks held;
  void* block = held.take(1616);
  auto* header = reinterpret_cast<const memPoolBlockHeaderS*>(static_cast<unsigned char*>(block) - memPoolHeaderSize());
  std::string out;
  formatMemTrackLine(out, -1, -1, trackBlockOfSlot(header), 3);
  formatMemTrackLine(out, 12, -1, trackBlockOfSlot(header), 1);
  formatMemTrackLine(out, 1234567, 7, trackBlockOfSlot(header), 1);
  std::string address = addressText(block);
  EXPECT_EQ(out, "Mem   4848, Cnt      3, Name unk (1616) (" + address + ")\n" +
                     "Id     12,Mem   1616, Cnt      1, Name unk (1616) (" + address + ")\n" +
                     "Id 1234567,Parent      7,Mem   1616, Cnt      1, Name unk (1616) (" + address + ")\n");
}

TEST(memTrackReports, CompareShowsWhatChangedSinceTheSnapshot) {
  memPoolTestBlocks held;
  held.take(1872);
  held.take(1872);
  void* gone = held.take(1856);
  takeMemSnapshot();
  std::string unchanged;
  compareMemSnapshot(unchanged);
  EXPECT_EQ(unchanged, "MZMEMTRACK Compare Snap\n");

  for (int i = 0; i < 3; ++i) held.take(1872);
  held.give(gone);
  held.take(1864);
  std::string changed;
  compareMemSnapshot(changed);
  EXPECT_EQ(changed,
            "MZMEMTRACK Compare Snap\n"
            "Mem   5616, Befor=  2, After=  5,Diff=  3, Name unk (1872)\n"
            "Mem   1856, Befor=  1, After=  0,Diff= -1, Name unk (1856)\n"
            "Mem   1864, Befor=  0, After=  1,Diff=  1, Name unk (1864)\n");
  // A comparison leaves the snapshot as it was: the same comparison gives the same lines.
  std::string again;
  compareMemSnapshot(again);
  EXPECT_EQ(again, changed);

  for (int i = 0; i < 3; ++i) held.give(held.blocks.back());  // the 1864 block and two of 1872
  takeMemSnapshot();
  std::string fresh;
  compareMemSnapshot(fresh);
  EXPECT_EQ(fresh, "MZMEMTRACK Compare Snap\n");
}

TEST(memTrackReports, MemoryCheckFindsDamagedSlotsAndPages) {
  std::string healthy;
  memoryCheck(healthy);
  EXPECT_EQ(healthy, "Memory check:\n");

  memPoolTestBlocks held;
  held.drainClass(1808);
  void* live = held.take(1808);
  void* freed = held.take(1808);
  held.take(1808);
  held.give(freed);
  auto* page = const_cast<memPoolPageS*>(memPoolPageOfBlock(live));
  auto* liveHeader = reinterpret_cast<memPoolBlockHeaderS*>(static_cast<unsigned char*>(live) - memPoolHeaderSize());
  auto* freedHeader = reinterpret_cast<memPoolBlockHeaderS*>(static_cast<unsigned char*>(freed) - memPoolHeaderSize());
  auto check = [] {
    std::string text;
    memoryCheck(text);
    return text;
  };
  char liveLine[64], freedLine[64];
  std::snprintf(liveLine, sizeof liveLine, "Invalid Block %" PRIxPTR "\n", reinterpret_cast<uintptr_t>(liveHeader));
  std::snprintf(freedLine, sizeof freedLine, "Invalid Block %" PRIxPTR "\n", reinterpret_cast<uintptr_t>(freedHeader));

  liveHeader->sizeOrLink = 1809;  // more than the page's element size
  uint32_t link = freedHeader->sizeOrLink;
  freedHeader->sizeOrLink = 12345;  // names no slot of the page
  // The slot freed was handed out second, so it lies below the live one.
  EXPECT_EQ(check(), std::string("Memory check:\n") + freedLine + liveLine);
  liveHeader->sizeOrLink = 1808;
  freedHeader->sizeOrLink = link;
  uint32_t owner = liveHeader->owner;
  liveHeader->owner = memPoolOwnerLarge;  // a page slot never holds the large-block mark
  EXPECT_EQ(check(), std::string("Memory check:\n") + liveLine);
  liveHeader->owner = owner;

  page->magic = 0;
  EXPECT_EQ(check(), "Memory check:\ninvalid page block\n");
  page->magic = memPoolPageMagic;
  // A list that runs back into itself ends the walk of that list.
  memPoolPageS* next = page->next;
  page->next = page;
  EXPECT_EQ(check(), "Memory check:\ninvalid page block\n");
  page->next = next;
  EXPECT_EQ(check(), "Memory check:\n");
}

// The nodes of a document read through the factory are in the snapshot comparison, the
// summary and the detail report while it lives, and gone from them once it is released.
TEST(memTrackReports, ReportsFollowTheNodesOfADocument) {
  using namespace invokeTest;
  const char* documentText = "DRAWING{NAME{\"first\"},FIGURE{NAME{\"second\"}}}";
  dispatchT factory = factoryOf("rudezaze.metaobjectfactory");
  // A first read builds whatever the factory's calls keep for good.
  method(factory, "createFromString", {text(documentText)});
  const uint32_t nodesBefore = memSlotArenaC::liveCount();
  takeMemSnapshot();
  std::vector<const metaTreeC*> nodes;
  {
    dispatchT document = method(factory, "createFromString", {text(documentText)});
    nodes = memTrackTreeNodes(metaProxyTest::nodeOf(document.get()));
    ASSERT_EQ(nodes.size(), 6u);
    const uint32_t added = uint32_t(nodes.size());

    std::string compare;
    compareMemSnapshot(compare);
    char nodeLine[128];
    std::snprintf(nodeLine, sizeof nodeLine, "Mem %6u, Befor=%3u, After=%3u,Diff=%3u, Name metaTreeC (32)\n", added * 32,
                  nodesBefore, nodesBefore + added, added);
    EXPECT_NE(compare.find(nodeLine), std::string::npos) << compare;

    std::string counted = summary();
    std::snprintf(nodeLine, sizeof nodeLine, "Mem %6u, Cnt %6u, Name metaTreeC (32) (", (nodesBefore + added) * 32,
                  nodesBefore + added);
    EXPECT_NE(counted.find(nodeLine), std::string::npos) << counted;
    std::string detail;
    memDetailReport(detail);
    for (const metaTreeC* node : nodes)
      EXPECT_NE(lineOfBlock(detail, node).find("Mem     32, Cnt      1, Name metaTreeC (32)"), std::string::npos)
          << detail;
    // The root is held by address; the nodes hold their texts.
    EXPECT_NE(lineOfBlock(detail, nodes[0]).find("Parent"), std::string::npos) << detail;
  }

  std::string compare;
  compareMemSnapshot(compare);
  EXPECT_EQ(compare.find("metaTreeC"), std::string::npos) << compare;
  std::string detail;
  memDetailReport(detail);
  for (const metaTreeC* node : nodes) EXPECT_EQ(lineOfBlock(detail, node), "");
}
