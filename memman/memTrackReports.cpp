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

// For each live block (by header) the number of its parent, found in one pass: every block,
// in walk order, claims the blocks whose payload addresses it holds and that no earlier
// block claimed. The payloads are read as pointer-sized words.
std::unordered_map<const memPoolBlockHeaderS*, int64_t> findParentBlocks(
    const std::vector<const memPoolBlockHeaderS*>& blocks) {
  std::unordered_map<uint64_t, const memPoolBlockHeaderS*> blockOfPayload;
  for (const memPoolBlockHeaderS* header : blocks)
    blockOfPayload.emplace(reinterpret_cast<uintptr_t>(payloadOfSlot(header)), header);
  std::unordered_map<const memPoolBlockHeaderS*, int64_t> parents;
  for (size_t number = 0; number < blocks.size(); ++number) {
    const auto* payload = static_cast<const unsigned char*>(payloadOfSlot(blocks[number]));
    uint32_t words = blocks[number]->sizeOrLink / sizeof(uint64_t);
    for (uint32_t i = 0; i < words; ++i) {
      uint64_t word;
      std::memcpy(&word, payload + size_t(i) * sizeof word, sizeof word);
      auto held = blockOfPayload.find(word);
      if (held != blockOfPayload.end()) parents.try_emplace(held->second, int64_t(number));
    }
  }
  return parents;
}

}  // namespace

void formatMemTrackLine(std::string& out, int64_t id, int64_t parent, const memPoolBlockHeaderS* header,
                        uint32_t count) {
  if (id >= 0) appendFormatted(out, "Id %6" PRId64 ",", id);
  if (parent >= 0) appendFormatted(out, "Parent %6" PRId64 ",", parent);
  uint32_t size = header->sizeOrLink;
  std::string name = blockTypeName(header);
  appendFormatted(out, "Mem %6" PRIu64 ", Cnt %6u, Name %s (%u) (%016" PRIxPTR ")\n", uint64_t(size) * count, count,
                  name.c_str(), size, reinterpret_cast<uintptr_t>(payloadOfSlot(header)));
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
  std::vector<const memPoolBlockHeaderS*> blocks;
  forEachLiveBlock([&](const memPoolBlockHeaderS* header) { blocks.push_back(header); });
  auto parents = findParentBlocks(blocks);
  bool withStacks = readMemTrackSwitches() & memTrackLocationBit;
  for (size_t number = 0; number < blocks.size(); ++number) {
    auto parent = parents.find(blocks[number]);
    formatMemTrackLine(out, int64_t(number), parent == parents.end() ? -1 : parent->second, blocks[number], 1);
    if (withStacks) formatCallStack(reinterpret_cast<const uint64_t*>(blocks[number] + 1), out);
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
