#include "core/metaTokenTextTableC.h"

#include <cstring>

#include "core/metaTokenTextC.h"

namespace {

constexpr size_t slotsAtFirst = 256;
constexpr size_t probesAtMost = 32;
constexpr uint64_t multiplier = metaTokenTextTableC::multiplier;

uint64_t load8(const char* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, 8);
  return word;
}

// Up to eight bytes as a word, zero-filled; a whole word is read when that many may be read.
uint64_t headOf(const char* text, int length, size_t readable) {
  size_t count = length < 8 ? size_t(length) : 8;
  if (readable >= 8) {
    uint64_t word = load8(text);
    return count == 8 ? word : word & ((uint64_t(1) << (8 * count)) - 1);
  }
  uint64_t word = 0;
  std::memcpy(&word, text, count);
  return word;
}

// The rest of a text longer than eight bytes, eight bytes a step, into the hash of its head.
uint32_t mixRest(uint32_t hash, const char* text, size_t length) {
  uint64_t mixed = hash;
  size_t at = 8;
  for (; at + 8 <= length; at += 8) mixed = ((mixed ^ load8(text + at)) * multiplier) >> 17;
  if (at < length) {
    uint64_t word = 0;
    std::memcpy(&word, text + at, length - at);
    mixed = ((mixed ^ word) * multiplier) >> 17;
  }
  return uint32_t(mixed ^ (mixed >> 32));
}

}  // namespace

void metaTokenTextTableC::clear() {
  for (slotS& slot : slots)
    if (slot.text) slot.text->releaseHolder();
  std::vector<slotS>().swap(slots);
  count = 0;
}

void metaTokenTextTableC::grow() {
  std::vector<slotS> old(slots.empty() ? slotsAtFirst : slots.size() * 2);
  old.swap(slots);
  size_t mask = slots.size() - 1;
  for (const slotS& moved : old) {
    if (!moved.text) continue;
    size_t at = moved.hash & mask;
    while (slots[at].text) at = (at + 1) & mask;
    slots[at] = moved;
  }
}

metaTokenTextC* metaTokenTextTableC::findOrAdd(const char* text, int length, size_t readable, bool asKeyword,
                                               bool& firstAsKeyword) {
  firstAsKeyword = false;
  uint64_t head = headOf(text, length, readable);
  uint32_t hash = hashOfHead(head, length);
  if (length > 8) hash = mixRest(hash, text, size_t(length));
  if (slots.empty()) grow();
  for (;;) {
    size_t mask = slots.size() - 1;
    size_t index = hash & mask;
    for (size_t probe = 0; probe < probesAtMost; ++probe, index = (index + 1) & mask) {
      slotS& slot = slots[index];
      if (slot.text) {
        if (slot.hash != hash || slot.length != length || slot.head != head) continue;
        if (length > 8 && std::memcmp(slot.text->c_str() + 8, text + 8, size_t(length) - 8) != 0) continue;
      } else {
        if (2 * (count + 1) > slots.size()) break;
        slot.text = new metaTokenTextC(text, length);
        slot.head = head;
        slot.hash = hash;
        slot.length = length;
        ++count;
      }
      if (asKeyword && !slot.askedAsKeyword) slot.askedAsKeyword = firstAsKeyword = true;
      return slot.text;
    }
    // Full, or too long a run of probes: a larger table, once it may grow, else no room.
    if (slots.size() >= maxSlots || 2 * (count + 1) <= slots.size()) return nullptr;
    grow();
  }
}
