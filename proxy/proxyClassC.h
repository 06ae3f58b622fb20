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

#include <cstdint>
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

  // The rows whose name equals name with ASCII case folded (null as ""), in table order.
  struct rowsOfNameS {
    const proxyMethodEntryS* const* rows;
    uint32_t count;
  };
  rowsOfNameS findRows(const char* name) const {
    if (!name) name = "";
    const uint32_t key = nameKey(name);
    for (uint32_t i = key & slotMask;; i = (i + 1) & slotMask) {
      const nameSlotS& slot = slots[i];
      if (!slot.name) return rowsOfNameS{nullptr, 0};
      if (slot.key == key && sameFoldedName(slot.name, name)) return rowsOfNameS{rowsByName + slot.first, slot.count};
    }
  }

  // Every description of the process, in no fixed order.
  static const proxyClassC* first() { return firstClass; }
  const proxyClassC* getNext() const { return nextClass; }
  // Prepares every description: tables made ahead stay out of later heap counts.
  static void prepareAll();

 private:
  struct nameSlotS {
    const char* name;  // null for an empty slot
    uint32_t key;
    uint32_t first;
    uint32_t count;
  };

  // A key of the folded name from its first four bytes at most: no walk over the whole name,
  // which the comparison at the end of a probe makes anyway. Setting bit 5 of every byte folds
  // the letters and keeps equal names equal; names of one class that share their first bytes
  // share a key and are told apart by that comparison.
  static uint32_t nameKey(const char* name) {
    uint32_t bytes = 0;
    for (int i = 0; i < 4 && name[i]; ++i) bytes |= (static_cast<unsigned char>(name[i]) | 0x20u) << (8 * i);
    const uint32_t key = bytes * 0x9E3779B1u;
    return key ^ key >> 16;
  }

  // Equal with ASCII letters folded. Most names come as the table writes them: the letters
  // are folded only from the first byte that differs.
  static bool sameFoldedName(const char* left, const char* right) {
    for (;; ++left, ++right) {
      if (*left != *right) return methodNamesEqual(left, right);
      if (!*left) return true;
    }
  }

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
  mutable nameSlotS* slots = nullptr;
  mutable uint32_t slotMask = 0;
  mutable const proxyMethodEntryS** rowsByName = nullptr;
};
