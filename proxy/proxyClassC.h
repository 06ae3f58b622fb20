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

  // The rows of one name as a call tries them: the first is copied here, beside the name, so
  // that a call of a name with one row reads nothing but its slot of the index; all of them,
  // the first included, are rows[0] .. rows[count - 1] of the table, in table order.
  struct nameRowsS {
    const char* name;  // null for an empty slot of the index
    uint64_t head;     // the name's words (nameWordsS) as the table writes them
    uint64_t tail;
    uint32_t length;
    uint32_t key;
    const proxyMethodEntryS* const* rows;
    uint32_t count;
    proxyMethodEntryS firstRow;
  };

  // The rows whose name equals name with ASCII case folded (null as ""); null for a name
  // without rows.
  const nameRowsS* findName(const char* name) const {
    if (!name) name = "";
    const nameWordsS words = nameWords(name);
    const uint32_t key = nameKey(words);
    for (uint32_t i = key & slotMask;; i = (i + 1) & slotMask) {
      const nameRowsS& slot = slots[i];
      if (sameBytes(slot, words, name)) return &slot;
      if (!slot.name) return nullptr;
      if (slot.key == key && methodNamesEqual(slot.name, name)) return &slot;
    }
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
  // What a probe compares of a name without walking it again: its length and two words that
  // together hold every byte of a name of up to 16 bytes, read from inside the name (they
  // overlap in a name shorter than 16 bytes; one of up to 3 bytes is packed into head).
  struct nameWordsS {
    uint64_t head;
    uint64_t tail;
    size_t length;
  };

  static nameWordsS nameWords(const char* name) {
    const size_t length = std::strlen(name);
    nameWordsS words{0, 0, length};
    if (length >= 8) {
      std::memcpy(&words.head, name, 8);
      std::memcpy(&words.tail, name + length - 8, 8);
    } else if (length >= 4) {
      uint32_t head, tail;
      std::memcpy(&head, name, 4);
      std::memcpy(&tail, name + length - 4, 4);
      words.head = head;
      words.tail = tail;
    } else if (length) {
      const auto byte = [name](size_t i) { return uint64_t(static_cast<unsigned char>(name[i])); };
      words.head = byte(0) | byte(length / 2) << 8 | byte(length - 1) << 16;
    }
    return words;
  }

  // The key of the folded name. Setting bit 5 of every byte folds the letters and keeps equal
  // names equal; names it makes equal that are not are told apart by the comparison. The tail
  // is turned so that the words of a name of 8 bytes, which are one word twice, do not cancel.
  static uint32_t nameKey(const nameWordsS& words) {
    constexpr uint64_t foldLetters = 0x2020202020202020u;
    const uint64_t folded = (words.head | foldLetters) ^ std::rotl(words.tail | foldLetters, 29);
    return uint32_t((folded + words.length) * 0x9E3779B97F4A7C15u >> 32);
  }

  // The slot's name byte for byte: most names come as the table writes them. A name of other
  // case is compared with its letters folded after this. An empty slot holds the words of no
  // name: all 0 (as only "" has) with a length other than 0.
  static bool sameBytes(const nameRowsS& slot, const nameWordsS& words, const char* name) {
    if (slot.head != words.head || slot.tail != words.tail || slot.length != words.length) return false;
    return words.length <= 16 || sameMiddle(slot.name, name, words.length);
  }
  // Bytes 8 .. length - 9 of two names of length bytes, equal byte for byte.
  static bool sameMiddle(const char* left, const char* right, size_t length);

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
  mutable uint32_t slotMask = 0;
  mutable const proxyMethodEntryS** rowsByName = nullptr;
};
