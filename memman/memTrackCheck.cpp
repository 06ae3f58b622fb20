#include "memman/memTrackCheck.h"

#include <cinttypes>
#include <memory>

#include "memman/memManPoolInspect.h"
#include "memman/memSlotArenaC.h"
#include "memman/memTrackFormat.h"
#include "memman/memTrackReportScope.h"
#include "memman/memTrackSink.h"
#include "platform/safeMemoryRead.h"

namespace {

bool isValidPage(const memPoolPageS* page, const memPoolPageS& copy) {
  if (copy.magic != memPoolPageMagic) return false;
  if (reinterpret_cast<uintptr_t>(copy.freeHead) - reinterpret_cast<uintptr_t>(page) > memPoolBlockArea) return false;
  // A stride or capacity that leaves the block area would send the slot walk outside the page.
  return copy.stride >= sizeof(memPoolBlockHeaderS) && uint64_t(copy.capacity) * copy.stride <= memPoolBlockArea &&
         copy.firstSetUp <= copy.capacity;
}

// A free link is the in-page offset of a slot that has been handed out, or the block area's end.
bool linksToSlot(const memPoolPageS& copy, uint32_t link) {
  if (link == memPoolBlockArea) return true;
  return link % copy.stride == 0 && link / copy.stride >= copy.firstSetUp && link / copy.stride < copy.capacity;
}

// Only slots that have been handed out are checked: each is live or freed since.
bool isValidSlot(const memPoolPageS& copy, const memPoolBlockHeaderS& header) {
  if (header.owner == memPoolOwnerFreed) return linksToSlot(copy, header.sizeOrLink);
  return header.owner == copy.number && header.sizeOrLink <= copy.elementSize;
}

void checkPageList(const memPoolPageS* head, memPoolPageS& copy, std::string& out) {
  uint32_t pagesLeft = memPoolPageCount();
  for (const memPoolPageS* page = head; page; page = copy.next) {
    if (pagesLeft-- == 0 || !safeMemoryRead(page, &copy, sizeof copy) || !isValidPage(page, copy)) {
      out += "invalid page block\n";
      return;
    }
    for (uint32_t index = copy.firstSetUp; index < copy.capacity; ++index) {
      size_t offset = size_t(index) * copy.stride;
      auto* header = reinterpret_cast<const memPoolBlockHeaderS*>(copy.blocks + offset);
      if (isValidSlot(copy, *header)) continue;
      appendFormatted(out, "Invalid Block %" PRIxPTR "\n", reinterpret_cast<uintptr_t>(page) + offset);
    }
  }
}

}  // namespace

void memoryCheck(std::string& out) {
  memTrackReportScope inReport;
  out += "Memory check:\n";
  auto copy = std::make_unique<memPoolPageS>();
  for (uint32_t sizeClass = 0; sizeClass < memPoolClassCount; ++sizeClass)
    checkPageList(memPoolClassListHead(sizeClass), *copy, out);
  checkPageList(memPoolFullListHead(), *copy, out);
  // The arena's blocks have no headers: its live bits and its count of live blocks are what
  // can disagree.
  if (!memSlotArenaC::isConsistent()) out += "invalid node arena\n";
}

void memCheckToSink() {
  memTrackReportScope inReport;
  std::string text;
  memoryCheck(text);
  writeMemTrackSink(text);
}
