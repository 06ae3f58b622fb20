// One proxy class as scripts and hosts see it, described once: the type name it answers, its
// own rows and the class it derives from. Every object of the class points at its
// description; the merged table (own rows in front of everything inherited) and the index of
// its member names are made for the first object of the class and freed at exit, so making an
// object merges and allocates nothing.
//
// A description is a static object of its class, defined beside the class (for a class
// derived through prxDescribedT, by its describe functions):
//
//   const proxyClassC fooC::description("class fooC *", fooRows, &prxMetaObjectBaseC::description,
//                                       &makeProxyOverNode<fooC>);
//
// where fooRows is a static array of rows ending with a row without a handler. Every
// description registers itself before main, so the library knows all its classes without a
// list kept by hand (the fuzz targets take them from here).
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <emmintrin.h>
#include <mutex>
#include <string>

#include "proxy/proxyMethodEntryS.h"

class metaTreeC;
class proxyObjectC;

class proxyClassC {
 public:
  // A new object of the class over a node it shares, with count 0; for classes a script gets
  // over any node of a tree.
  using makeOverNodeT = proxyObjectC* (*)(metaTreeC* node);
  // The type name of a template instance, composed from its arguments' names.
  using composeNameT = std::string (*)();

  // ownRows may be null (no rows of its own), base null for a class without a described base.
  proxyClassC(const char* typeName, const proxyMethodEntryS* ownRows, const proxyClassC* base,
              makeOverNodeT makeOverNode = nullptr);
  // The type name is composed when the class is first used, not while statics are made.
  proxyClassC(composeNameT composeName, const proxyMethodEntryS* ownRows, const proxyClassC* base,
              makeOverNodeT makeOverNode = nullptr);
  proxyClassC(const proxyClassC&) = delete;
  proxyClassC& operator=(const proxyClassC&) = delete;
  ~proxyClassC();

  // Makes the merged table and the name index once, whichever thread asks first. Every
  // object's constructor asks, so the accessors below may be used on an object's class as is.
  void prepare() const;

  // "class <name> *".
  const char* getTypeName() const;
  makeOverNodeT getMakeOverNode() const { return makeOverNode; }

  // The merged table: the rows of a class without base are its own static rows, not owned; a
  // class that adds no rows shares its base's; any other owns a merged copy.
  const proxyMethodTableS& getMethodTable() const;

  // What a call by name reads of the first row of a name: its kind and argument count (side
  // by side, as in the row) and its handler, with the value getter that handler runs, if any.
  struct firstRowS {
    uint32_t kind;
    uint32_t argumentCount;
    proxyMethodHandlerT handler;
    proxyValueGetterT valueGetter;
  };
  // The rows of one name as a call tries them: the first is copied here, beside the name, so
  // that a call of a name with one row reads nothing but its slot of the index; all of them,
  // the first included, are rows[0] .. rows[count - 1] of the table, in table order.
  struct nameRowsS {
    const char* name;  // null for an empty slot of the index
    uint64_t first;    // the name's first 16 bytes (nameWordsS)
    uint64_t second;
    uint32_t key;
    uint32_t count;
    const proxyMethodEntryS* const* rows;
    firstRowS firstRow;
  };

  // The rows whose name equals name with ASCII case folded (null as ""); null for a name
  // without rows.
  const nameRowsS* findName(const char* name) const;

  // The rows of the name when the first slot it probes holds it byte for byte, as it does
  // for most calls; null otherwise, whether the name has rows or not (findName tells). Inline,
  // so that a call by name makes no call to find its rows.
  const nameRowsS* findAtFirstProbe(const char* name) const {
    if (!readsWordWise(name)) [[unlikely]]
      return nullptr;
    uint64_t length;
    const __m128i bytes = nameBytes(name, length);
    if (length >= 16) return nullptr;
    const nameRowsS& slot = homeSlot(nameKey(wordsOf(bytes)));
    // The slot's two words side by side, compared at once.
    const __m128i slotBytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&slot.first));
    return _mm_movemask_epi8(_mm_cmpeq_epi8(slotBytes, bytes)) == 0xFFFF ? &slot : nullptr;
  }

  // The same rows as an array, in table order.
  struct rowsOfNameS {
    const proxyMethodEntryS* const* rows;
    uint32_t count;
  };
  rowsOfNameS findRows(const char* name) const {
    const nameRowsS* found = findName(name);
    return found ? rowsOfNameS{found->rows, found->count} : rowsOfNameS{nullptr, 0};
  }

  // Every description of the process, in no fixed order.
  static const proxyClassC* first() { return firstClass; }
  const proxyClassC* getNext() const { return nextClass; }
  // Prepares every description: tables made ahead stay out of later heap counts.
  static void prepareAll();

 private:
  // What a probe compares of a name without walking it: its first 16 bytes as two words, the
  // bytes from its terminating zero on cleared. A name of 16 bytes or more is the one whose
  // last word ends in a byte other than 0; its bytes from 16 on are compared apart. An empty
  // slot holds such a long name's words with a first word of 0, which no name has.
  struct nameWordsS {
    uint64_t first;
    uint64_t second;
  };
  static constexpr nameWordsS emptySlotWords{0, uint64_t(0xFF) << 56};

  static bool isLong(const nameWordsS& words) { return words.second >> 56 != 0; }

  // The name's 16 bytes are read at once even where it ends among them: they never leave the
  // page it starts on unless it starts near the page's end (or at its start, which the test
  // takes for that so as to refuse null with the same comparison), and the bytes past its end
  // are cleared.
  static bool readsWordWise(const char* name) {
    constexpr uintptr_t pageBytes = 4096;
    return ((reinterpret_cast<uintptr_t>(name) - 1) & (pageBytes - 1)) < pageBytes - 16;
  }
  // The first 16 bytes of a name that readsWordWise, found without walking it, and the number
  // of its bytes before the terminating zero: 16 when none of the 16 is 0, the name being long.
  __attribute__((no_sanitize("address"))) static __m128i nameBytes(const char* name, uint64_t& length) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(name));
    const uint32_t zeros = uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_setzero_si128(), bytes)));
    length = uint32_t(std::countr_zero(zeros | 0x10000u));
    const unsigned char* keep = keptBytes + 16;
    return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(keep - length)), bytes);
  }
  static nameWordsS wordsOf(__m128i bytes) {
    return {uint64_t(_mm_cvtsi128_si64(bytes)), uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(bytes, bytes)))};
  }
  // The same bytes as two words.
  static nameWordsS nameWords(const char* name, uint64_t& length) { return wordsOf(nameBytes(name, length)); }
  // The 16 bytes from keptBytes + 16 - n keep the first n of 16 bytes and clear the others.
  static constexpr unsigned char keptBytes[32] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  // The same words, read byte by byte: for a name near the end of a page, and for the index.
  static nameWordsS nameWordsByBytes(const char* name);

  // The key of the folded name. Setting bit 5 of every byte folds the letters and keeps equal
  // names equal; names it makes equal that are not are told apart by the comparison. The
  // second word is turned by whole bytes, so that equal words do not cancel and bit 5 of each
  // byte stays bit 5 of a byte, where one setting folds both words.
  static uint32_t nameKey(const nameWordsS& words) {
    constexpr uint64_t foldLetters = 0x2020202020202020u;
    const uint64_t folded = (words.first ^ std::rotl(words.second, 24)) | foldLetters;
    return uint32_t(folded * 0x9E3779B97F4A7C15u >> 32);
  }
  // The slot a key probes first. The mask keeps the key's bits that number a slot, shifted by
  // the size of a slot, so that they are the slot's offset.
  static_assert(std::has_single_bit(sizeof(nameRowsS)));
  const nameRowsS& homeSlot(uint32_t key) const {
    return *reinterpret_cast<const nameRowsS*>(reinterpret_cast<const char*>(slots) + (key & homeMask));
  }
  uint32_t homeIndex(uint32_t key) const { return (key & homeMask) / sizeof(nameRowsS); }
  uint32_t slotMask() const { return homeMask / sizeof(nameRowsS); }

  // findName for a name the words of which are read byte by byte (null as "").
  const nameRowsS* findByBytes(const char* name) const;
  // The slot of the name's words from slot on: past the first probe of colliding names, or
  // no slot.
  const nameRowsS* findFrom(uint32_t slot, uint64_t first, uint64_t second, uint32_t key, const char* name) const;
  // The slot's name is name, compared byte for byte and then with letters folded.
  static bool sameName(const nameRowsS& slot, const nameWordsS& words, uint32_t key, const char* name);

  void build() const;
  void buildIndex() const;

  static inline constinit proxyClassC* firstClass = nullptr;

  const char* literalName;
  composeNameT composeName;
  const proxyMethodEntryS* ownRows;
  const proxyClassC* base;
  makeOverNodeT makeOverNode;
  proxyClassC* nextClass = nullptr;

  mutable std::once_flag built;
  mutable std::string composedName;
  mutable proxyMethodTableS table;
  // Open addressing over the distinct folded names, at most half full; each slot names a run
  // of rowsByName, which holds every row grouped by name, each group in table order.
  mutable nameRowsS* slots = nullptr;
  mutable uint32_t homeMask = 0;  // the number of slots less one, times the size of a slot
  mutable const proxyMethodEntryS** rowsByName = nullptr;
};
