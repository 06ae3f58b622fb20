// A class's method table joined from pieces (the rows of fields, children, factories and rows
// written out), ended by the end row. The table stands where a row array does:
//
//   constexpr auto rows = rowTable(settableRows<&mFooC::getName, &mFooC::setName>("Name"),
//                                  childRow<prxBarListC, &mFooC::getBars>("Bars"));
//   const proxyClassC prxFooC::description("class prxFooC *", rows, ...);
#pragma once

#include <array>
#include <cstddef>

#include "proxy/proxyMethodEntryS.h"

namespace methodRows {

template <size_t count>
struct rowTableT : std::array<proxyMethodEntryS, count> {
  constexpr operator const proxyMethodEntryS*() const { return this->data(); }
};

// Rows written out, as a piece of a table.
template <size_t count>
constexpr std::array<proxyMethodEntryS, count> rowsOf(const proxyMethodEntryS (&rows)[count]) {
  std::array<proxyMethodEntryS, count> piece{};
  for (size_t i = 0; i < count; ++i) piece[i] = rows[i];
  return piece;
}

// The pieces in order, then the end row.
template <size_t... counts>
constexpr rowTableT<(counts + ... + 0) + 1> rowTable(const std::array<proxyMethodEntryS, counts>&... pieces) {
  rowTableT<(counts + ... + 0) + 1> table{};
  size_t at = 0;
  auto append = [&](const auto& piece) {
    for (const proxyMethodEntryS& row : piece) table[at++] = row;
  };
  (append(pieces), ...);
  return table;
}

}  // namespace methodRows
