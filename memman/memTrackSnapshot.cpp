#include "memman/memTrackSnapshot.h"

#include <cinttypes>
#include <vector>

#include "memman/memTrackFormat.h"
#include "memman/memTrackReportScope.h"
#include "memman/memTrackSink.h"
#include "memman/memTypeStatS.h"

namespace {

std::vector<memTypeStatS> snapshotTable;

void appendCompareLine(std::string& out, uint64_t memory, uint32_t before, uint32_t after, const memTypeStatS& entry) {
  appendFormatted(out, "Mem %6" PRIu64 ", Befor=%3u, After=%3u,Diff=%3" PRId64 ", Name %s (%u)\n", memory, before, after,
                  int64_t(after) - int64_t(before), entry.name, entry.size);
}

}  // namespace

void takeMemSnapshot() {
  memTrackReportScope inReport;
  collectTypeStats(snapshotTable);
}

void compareMemSnapshot(std::string& out) {
  memTrackReportScope inReport;
  out += "MZMEMTRACK Compare Snap\n";
  std::vector<memTypeStatS> current;
  collectTypeStats(current);
  for (memTypeStatS& before : snapshotTable) before.seen = 0;

  for (memTypeStatS& before : snapshotTable) {
    memTypeStatS* after = findTypeStat(current, before.size, before.name);
    if (!after) continue;
    if (after->count != before.count) {
      uint32_t change = after->count > before.count ? after->count - before.count : before.count - after->count;
      appendCompareLine(out, uint64_t(change) * before.size, before.count, after->count, before);
    }
    before.seen = 1;
    after->seen = 1;
  }
  for (memTypeStatS& before : snapshotTable) {
    if (before.seen) continue;
    appendCompareLine(out, uint64_t(before.count) * before.size, before.count, 0, before);
    before.seen = 1;
  }
  for (const memTypeStatS& after : current)
    if (!after.seen) appendCompareLine(out, uint64_t(after.count) * after.size, 0, after.count, after);
}

void compareMemSnapshotToSink() {
  memTrackReportScope inReport;
  std::string text;
  compareMemSnapshot(text);
  writeMemTrackSink(text);
}
