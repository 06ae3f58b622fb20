// The rows of one proxy class, built once. A class's builder keeps one of these as a
// function-local static: it is made on the builder's first call, which also registers
// its release at exit (or when the library is unloaded), and every later call returns
// the same rows.
//
//   const proxyMethodEntryS* fooC::buildMethodTable() {
//     static constexpr proxyMethodEntryS rows[] = {{"Count", mzInvokePropertyGet, 0, &getCount}, {}};
//     static const proxyClassMethodTableC table(rows);
//     return table.getRows();
//   }
#pragma once

#include "proxy/proxyMethodEntryS.h"

class proxyClassMethodTableC {
 public:
  // rows ends with a row without a handler; they are copied.
  explicit proxyClassMethodTableC(const proxyMethodEntryS* rows) { registerMethodTable(table, rows); }
  proxyClassMethodTableC(const proxyClassMethodTableC&) = delete;
  proxyClassMethodTableC& operator=(const proxyClassMethodTableC&) = delete;
  ~proxyClassMethodTableC() { releaseMethodTable(table); }

  const proxyMethodEntryS* getRows() const { return table.rows; }

 private:
  proxyMethodTableS table;
};
