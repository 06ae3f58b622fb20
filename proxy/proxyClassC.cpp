#include "proxy/proxyClassC.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "memman/memManSystemC.h"
#include "proxy/proxyValueRowT.h"

namespace {

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
  slots = allocateArray<nameRowsS>(slotCount);
  std::fill_n(slots, slotCount, nameRowsS{nullptr, emptySlotWords.first, emptySlotWords.second, 0, 0, nullptr, {}});
  homeMask = uint32_t((slotCount - 1) * sizeof(nameRowsS));
  rowsByName = allocateArray<const proxyMethodEntryS*>(rowCount ? rowCount : 1);

  // Each row's slot, counting the rows of every name; then the runs in order of first use.
  std::vector<nameRowsS*> slotOfRow(rowCount);
  std::vector<nameRowsS*> slotsInOrder;
  for (uint32_t i = 0; i < rowCount; ++i) {
    const char* name = table.rows[i].name ? table.rows[i].name : "";
    const nameWordsS words = nameWordsByBytes(name);
    const uint32_t key = nameKey(words);
    nameRowsS* slot = &slots[homeIndex(key)];
    while (slot->name && !(slot->key == key && methodNamesEqual(slot->name, name)))
      slot = &slots[(uint32_t(slot - slots) + 1) & slotMask()];
    if (!slot->name) {
      const proxyMethodEntryS& row = table.rows[i];
      *slot = nameRowsS{name,    words.first, words.second,
                        key,     0,           nullptr,
                        {row.kind, row.argumentCount, row.handler, findValueGetter(row.handler)}};
      slotsInOrder.push_back(slot);
    }
    ++slot->count;
    slotOfRow[i] = slot;
  }
  uint32_t next = 0;
  for (nameRowsS* slot : slotsInOrder) {
    slot->rows = rowsByName + next;
    next += slot->count;
    slot->count = 0;
  }
  for (uint32_t i = 0; i < rowCount; ++i) {
    nameRowsS* slot = slotOfRow[i];
    rowsByName[uint32_t(slot->rows - rowsByName) + slot->count++] = &table.rows[i];
  }
}

proxyClassC::nameWordsS proxyClassC::nameWordsByBytes(const char* name) {
  unsigned char bytes[16] = {};
  for (size_t i = 0; i < sizeof bytes && name[i]; ++i) bytes[i] = static_cast<unsigned char>(name[i]);
  nameWordsS words;
  std::memcpy(&words.first, bytes, 8);
  std::memcpy(&words.second, bytes + 8, 8);
  return words;
}

bool proxyClassC::sameName(const nameRowsS& slot, const nameWordsS& words, uint32_t key, const char* name) {
  if (slot.first == words.first && slot.second == words.second &&
      (!isLong(words) || std::strcmp(slot.name + 16, name + 16) == 0))
    return true;
  return slot.name && slot.key == key && methodNamesEqual(slot.name, name);
}

// Most calls find the name in its first slot, byte for byte as the table writes it.
const proxyClassC::nameRowsS* proxyClassC::findName(const char* name) const {
  if (!readsWordWise(name)) [[unlikely]]
    return findByBytes(name);
  uint64_t length;
  const nameWordsS words = nameWords(name, length);
  const uint32_t key = nameKey(words);
  const nameRowsS& slot = homeSlot(key);
  if (slot.first == words.first && slot.second == words.second && length < 16) return &slot;
  return findFrom(homeIndex(key), words.first, words.second, key, name);
}

[[gnu::noinline]] const proxyClassC::nameRowsS* proxyClassC::findByBytes(const char* name) const {
  if (!name) name = "";
  const nameWordsS words = nameWordsByBytes(name);
  const uint32_t key = nameKey(words);
  return findFrom(homeIndex(key), words.first, words.second, key, name);
}

[[gnu::noinline]] const proxyClassC::nameRowsS* proxyClassC::findFrom(uint32_t i, uint64_t first, uint64_t second,
                                                                    uint32_t key, const char* name) const {
  const nameWordsS words{first, second};
  const uint32_t mask = slotMask();
  for (;; i = (i + 1) & mask) {
    const nameRowsS& slot = slots[i];
    if (sameName(slot, words, key, name)) return &slot;
    if (!slot.name) return nullptr;
  }
}

void proxyClassC::prepareAll() {
  for (const proxyClassC* description = firstClass; description; description = description->nextClass)
    description->prepare();
}
