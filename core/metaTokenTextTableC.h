// The texts of one read, one per distinct run of bytes, each held once by the table as well as
// by the tokens that carry it: a document's many equal key words and values share one text.
// Open addressing over a power-of-two table, bounded in size and in probes per lookup, so that
// no input makes it grow without end or makes a lookup slow; bytes that find no place are
// left to the caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

class metaTokenTextC;

class metaTokenTextTableC {
 public:
  // Slots at most; at most half of them are used.
  static constexpr size_t maxSlots = size_t(1) << 17;
  static constexpr uint64_t multiplier = 0xFF51AFD7ED558CCDull;

  metaTokenTextTableC() = default;
  ~metaTokenTextTableC() { clear(); }
  metaTokenTextTableC(const metaTokenTextTableC&) = delete;
  metaTokenTextTableC& operator=(const metaTokenTextTableC&) = delete;

  // The shared text of the length bytes at text, found or made; null when there is no room.
  // readable is how many bytes may be read from text on (at least length): short texts are
  // then compared a word at a time. firstAsKeyword tells whether the bytes are asked for as a
  // key word for the first time.
  metaTokenTextC* find(const char* text, int length, size_t readable, bool asKeyword, bool& firstAsKeyword) {
    // Texts of up to eight bytes found in their home slot take the short way.
    if (length <= 8 && readable >= 8 && !slots.empty()) {
      uint64_t head;
      std::memcpy(&head, text, 8);
      if (length < 8) head &= (uint64_t(1) << (8 * length)) - 1;
      const slotS& slot = slots[hashOfHead(head, length) & (slots.size() - 1)];
      if (slot.text && slot.head == head && slot.length == length && (!asKeyword || slot.askedAsKeyword)) {
        firstAsKeyword = false;
        return slot.text;
      }
    }
    return findOrAdd(text, length, readable, asKeyword, firstAsKeyword);
  }

  // Lets every text go (the tokens keep theirs) and frees the table.
  void clear();
  uint32_t textCount() const { return count; }

 private:
  struct slotS {
    metaTokenTextC* text = nullptr;
    uint64_t head = 0;  // the first eight bytes, zero-filled
    uint32_t hash = 0;
    int32_t length = 0;
    bool askedAsKeyword = false;
  };
  void grow();
  metaTokenTextC* findOrAdd(const char* text, int length, size_t readable, bool asKeyword, bool& firstAsKeyword);
  // The hash of a text: its first eight bytes (zero-filled) and its length, the rest mixed in
  // for longer texts (metaTokenTextTableC.cpp).
  // Every byte of the head reaches the low bits that pick a slot.
  static uint32_t hashOfHead(uint64_t head, int length) {
    uint64_t hash = head ^ uint64_t(length);
    hash = (hash ^ (hash >> 33)) * multiplier;
    return uint32_t(hash ^ (hash >> 33));
  }

  std::vector<slotS> slots;
  uint32_t count = 0;
};
