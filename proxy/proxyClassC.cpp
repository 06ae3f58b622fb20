#include "proxy/proxyClassC.h"

#include <algorithm>
#include <vector>

#include "memman/memManSystemC.h"

struct proxyClassC::nameSlotS {
  const char* name;  // null for an empty slot
  uint32_t key;
  uint32_t first;
  uint32_t count;
};

namespace {

inline uint32_t foldedByte(const char* text, uint32_t index) {
  uint32_t c = static_cast<unsigned char>(text[index]);
  return c - 'A' < 26u ? c | 0x20u : c;
}

// A key of the folded name from its length and four of its bytes: cheap enough to take on
// every call, and it tells apart the names of one class well enough for a short probe.
uint32_t nameKey(const char* name) {
  uint32_t length = 0;
  while (name[length]) ++length;
  if (!length) return 0;
  uint32_t bytes = foldedByte(name, 0) | foldedByte(name, length / 2) << 8 | foldedByte(name, length - 1) << 16 |
                   foldedByte(name, length > 1 ? length - 2 : 0) << 24;
  uint32_t key = (bytes ^ length * 0x9E3779B1u) * 0x85EBCA6Bu;
  return key ^ key >> 15;
}

template <class T>
T* allocateArray(uint32_t count) {
  return static_cast<T*>(getMemManSystem(0)->allocate(uint32_t(uint64_t(count) * sizeof(T))));
}

}  // namespace

proxyClassC::proxyClassC(const char* typeName, const proxyMethodEntryS* rows, const proxyClassC* baseClass,
                         makeOverNodeT maker)
    : literalName(typeName), composeName(nullptr), ownRows(rows), base(baseClass), makeOverNode(maker) {
  nextClass = firstClass;
  firstClass = this;
}

proxyClassC::proxyClassC(composeNameT composer, const proxyMethodEntryS* rows, const proxyClassC* baseClass,
                         makeOverNodeT maker)
    : literalName(nullptr), composeName(composer), ownRows(rows), base(baseClass), makeOverNode(maker) {
  nextClass = firstClass;
  firstClass = this;
}

proxyClassC::~proxyClassC() {
  for (proxyClassC** link = &firstClass; *link; link = &(*link)->nextClass) {
    if (*link == this) {
      *link = nextClass;
      break;
    }
  }
  releaseMethodTable(table);
  if (slots) getMemManSystem(0)->free(slots);
  if (rowsByName) getMemManSystem(0)->free(rowsByName);
}

void proxyClassC::prepare() const {
  std::call_once(built, [this] { build(); });
}

const char* proxyClassC::getTypeName() const {
  if (literalName) return literalName;
  prepare();
  return composedName.c_str();
}

const proxyMethodTableS& proxyClassC::getMethodTable() const {
  prepare();
  return table;
}

void proxyClassC::build() const {
  if (composeName) composedName = composeName();
  if (!base) {
    table.rows = const_cast<proxyMethodEntryS*>(ownRows);
  } else {
    base->prepare();
    table.rows = base->table.rows;
    if (countMethodEntries(ownRows)) registerMethodTable(table, ownRows);
  }
  buildIndex();
}

void proxyClassC::buildIndex() const {
  const uint32_t rowCount = table.getCount();
  uint32_t slotCount = 2;
  while (slotCount < 2 * rowCount) slotCount *= 2;
  slots = allocateArray<nameSlotS>(slotCount);
  std::fill_n(slots, slotCount, nameSlotS{nullptr, 0, 0, 0});
  slotMask = slotCount - 1;
  rowsByName = allocateArray<const proxyMethodEntryS*>(rowCount ? rowCount : 1);

  // Each row's slot, counting the rows of every name; then the runs in order of first use.
  std::vector<nameSlotS*> slotOfRow(rowCount);
  std::vector<nameSlotS*> slotsInOrder;
  for (uint32_t i = 0; i < rowCount; ++i) {
    const char* name = table.rows[i].name ? table.rows[i].name : "";
    const uint32_t key = nameKey(name);
    nameSlotS* slot = &slots[key & slotMask];
    while (slot->name && !(slot->key == key && methodNamesEqual(slot->name, name)))
      slot = &slots[(uint32_t(slot - slots) + 1) & slotMask];
    if (!slot->name) {
      *slot = nameSlotS{name, key, 0, 0};
      slotsInOrder.push_back(slot);
    }
    ++slot->count;
    slotOfRow[i] = slot;
  }
  uint32_t next = 0;
  for (nameSlotS* slot : slotsInOrder) {
    slot->first = next;
    next += slot->count;
    slot->count = 0;
  }
  for (uint32_t i = 0; i < rowCount; ++i) {
    nameSlotS* slot = slotOfRow[i];
    rowsByName[slot->first + slot->count++] = &table.rows[i];
  }
}

proxyClassC::rowsOfNameS proxyClassC::findRows(const char* name) const {
  if (!name) name = "";
  const uint32_t key = nameKey(name);
  for (uint32_t i = key & slotMask;; i = (i + 1) & slotMask) {
    const nameSlotS& slot = slots[i];
    if (!slot.name) return rowsOfNameS{nullptr, 0};
    if (slot.key == key && methodNamesEqual(slot.name, name)) return rowsOfNameS{rowsByName + slot.first, slot.count};
  }
}

void proxyClassC::prepareAll() {
  for (const proxyClassC* description = firstClass; description; description = description->nextClass)
    description->prepare();
}
