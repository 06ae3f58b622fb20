#include "memman/memTrackReports.h"

#include <unistd.h>

#include <cinttypes>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "memman/memTrackBlockWalk.h"
#include "memman/memTrackCallStack.h"
#include "memman/memTrackFormat.h"
#include "memman/memTrackHooks.h"
#include "memman/memTrackReportScope.h"
#include "memman/memTrackSink.h"
#include "memman/memTrackTypeName.h"
#include "memman/memTypeStatS.h"

namespace {

void appendHeading(std::string& out, const char* kind) {
  appendFormatted(out, "MZMEMTRACK %s Report (Pid=%d)\n", kind, int(getpid()));
}

// For each live block (by its number in walk order) the number of its parent, found in one
// pass: every block, in walk order, claims the blocks whose payload addresses it holds and
// that no earlier block claimed. The payloads are read as pointer-sized words; an arena
// block also leads to the blocks whose numbers stand at its link offsets.
std::vector<int64_t> findParentBlocks(const std::vector<memTrackBlockS>& blocks) {
  std::unordered_map<uint64_t, size_t> numberOfPayload;
  for (size_t number = 0; number < blocks.size(); ++number)
    numberOfPayload.emplace(reinterpret_cast<uintptr_t>(blocks[number].payload), number);
  std::vector<int64_t> parents(blocks.size(), -1);
  auto claim = [&](uint64_t address, size_t claimant) {
    auto held = numberOfPayload.find(address);
    if (held != numberOfPayload.end() && parents[held->second] < 0) parents[held->second] = int64_t(claimant);
  };
  for (size_t number = 0; number < blocks.size(); ++number) {
    const auto* payload = static_cast<const unsigned char*>(blocks[number].payload);
    uint32_t words = blocks[number].size / sizeof(uint64_t);
    for (uint32_t i = 0; i < words; ++i) {
      uint64_t word;
      std::memcpy(&word, payload + size_t(i) * sizeof word, sizeof word);
      claim(word, number);
    }
    if (blocks[number].header) continue;
    for (uint32_t offset : memSlotArenaC::reportLinkOffsets) {
      uint32_t link;
      std::memcpy(&link, payload + offset, sizeof link);
      if (link != 0) claim(reinterpret_cast<uintptr_t>(memSlotArenaC::at(link)), number);
    }
  }
  return parents;
}

}  // namespace

void formatMemTrackLine(std::string& out, int64_t id, int64_t parent, const memTrackBlockS& block, uint32_t count) {
  if (id >= 0) appendFormatted(out, "Id %6" PRId64 ",", id);
  if (parent >= 0) appendFormatted(out, "Parent %6" PRId64 ",", parent);
  std::string name = blockTypeName(block);
  appendFormatted(out, "Mem %6" PRIu64 ", Cnt %6u, Name %s (%u) (%016" PRIxPTR ")\n", uint64_t(block.size) * count, count,
                  name.c_str(), block.size, reinterpret_cast<uintptr_t>(block.payload));
}

void memSummaryReport(std::string& out) {
  memTrackReportScope inReport;
  appendHeading(out, "Summary");
  std::vector<memTypeStatS> table;
  uint64_t total = collectTypeStats(table);
  for (const memTypeStatS& entry : table) formatMemTrackLine(out, -1, -1, entry.firstBlock, entry.count);
  appendFormatted(out, "Total Bytes : %" PRIu64 "\n", total);
}

void memDetailReport(std::string& out) {
  memTrackReportScope inReport;
  appendHeading(out, "Detail");
  std::vector<memTrackBlockS> blocks;
  forEachLiveBlock([&](const memTrackBlockS& block) { blocks.push_back(block); });
  std::vector<int64_t> parents = findParentBlocks(blocks);
  bool withStacks = readMemTrackSwitches() & memTrackLocationBit;
  for (size_t number = 0; number < blocks.size(); ++number) {
    formatMemTrackLine(out, int64_t(number), parents[number], blocks[number], 1);
    if (withStacks && blocks[number].header)
      formatCallStack(reinterpret_cast<const uint64_t*>(blocks[number].header + 1), out);
  }
}

void memReport(std::string& out) {
  memSummaryReport(out);
  if (readMemTrackSwitches() & memTrackLeakBit) memDetailReport(out);
}

void memReportToSink() {
  memTrackReportScope inReport;
  std::string text;
  memReport(text);
  writeMemTrackSink(text);
}
