#include "proxy/proxyMethodEntryS.h"

#include <memory>

#include "memman/memManSystemC.h"
#include "platform/asciiCase.h"

uint32_t countMethodEntries(const proxyMethodEntryS* rows) {
  uint32_t count = 0;
  if (rows)
    while (rows[count].handler) ++count;
  return count;
}

uint32_t proxyMethodTableS::getCount() const { return countMethodEntries(rows); }

const proxyMethodEntryS* proxyMethodTableS::getEntry(uint32_t index) const {
  return index < getCount() ? &rows[index] : nullptr;
}

const char* proxyMethodTableS::getName(uint32_t index) const {
  const proxyMethodEntryS* entry = getEntry(index);
  return entry ? entry->name : nullptr;
}

uint32_t proxyMethodTableS::getKind(uint32_t index) const {
  const proxyMethodEntryS* entry = getEntry(index);
  return entry ? entry->kind : 0;
}

void registerMethodTable(proxyMethodTableS& table, const proxyMethodEntryS* rows) {
  uint32_t held = table.getCount();
  uint32_t added = countMethodEntries(rows);
  uint64_t bytes = (uint64_t(held) + added + 1) * sizeof(proxyMethodEntryS);
  auto* merged = static_cast<proxyMethodEntryS*>(getMemManSystem(0)->allocate(uint32_t(bytes)));
  std::uninitialized_copy_n(rows ? rows : merged, added, merged);
  std::uninitialized_copy_n(table.rows ? table.rows : merged, held, merged + added);
  ::new (static_cast<void*>(merged + added + held)) proxyMethodEntryS{};
  releaseMethodTable(table);
  table.rows = merged;
  table.owned = 1;
}

void releaseMethodTable(proxyMethodTableS& table) {
  if (table.owned && table.rows) getMemManSystem(0)->free(table.rows);
  table.rows = nullptr;
  table.owned = 0;
}

bool methodNamesEqual(const char* left, const char* right) {
  if (!left) left = "";
  if (!right) right = "";
  // Names are mostly written as the table writes them: fold only where the bytes differ.
  for (;; ++left, ++right) {
    if (*left != *right && asciiCase::toLower(*left) != asciiCase::toLower(*right)) return false;
    if (!*left) return true;
  }
}

const proxyMethodEntryS* findMethodEntry(const proxyMethodTableS& table, const char* name, uint32_t kind,
                                         const proxyMethodEntryS* start) {
  const proxyMethodEntryS* row = start ? start : table.rows;
  if (!row) return nullptr;
  for (; row->handler; ++row) {
    if ((kind == proxyAnyKind || row->kind == kind) && methodNamesEqual(row->name, name)) return row;
  }
  return nullptr;
}
