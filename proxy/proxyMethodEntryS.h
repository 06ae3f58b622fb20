// Method tables: every script-visible class publishes its members as rows of name,
// kind, argument count and handler, found by name at call time. A table ends at the
// first row without a handler.
#pragma once

#include <cstdint>

#include "mzcom/mzIDispatch.h"

class proxyAutoParaListC;
class proxyAutoTypeCastC;
struct mzVariantS;

// A handler converts its arguments itself: one that does not fit throws
// proxyAutoTypeCastExceptionC so that the next row of the name is tried.
using proxyMethodHandlerT = void (*)(void* nativeObject, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);

// The value getter of a row that reads a number and cannot fail (proxy/proxyValueRowT.h):
// writes the value into result, which holds nothing to release; gives 0, what Invoke answers.
using proxyValueGetterT = uint32_t (*)(void* nativeObject, mzVariantS& result) noexcept;

// An argument count that takes any number of arguments, and a kind that finds every row.
inline constexpr uint32_t proxyAnyArgumentCount = 0xFFFFFFFFu;
inline constexpr uint32_t proxyAnyKind = 0xFFFFFFFFu;

struct proxyMethodEntryS {
  const char* name;  // "" names the default member
  uint32_t kind;     // mzInvokeMethod, mzInvokePropertyGet or mzInvokePropertyPut
  uint32_t argumentCount;
  proxyMethodHandlerT handler;
};

// The rows of one object or class, and whether they were allocated for it.
struct proxyMethodTableS {
  proxyMethodEntryS* rows = nullptr;
  uint32_t owned = 0;

  // The number of rows before the end row.
  uint32_t getCount() const;
  // Null for an index at or beyond the count.
  const proxyMethodEntryS* getEntry(uint32_t index) const;
  const char* getName(uint32_t index) const;
  // 0 for an index at or beyond the count.
  uint32_t getKind(uint32_t index) const;
};

// The number of rows before the end row of a row array; 0 for null.
uint32_t countMethodEntries(const proxyMethodEntryS* rows);

// Puts rows in front of what the table holds, in a new array that the table owns.
void registerMethodTable(proxyMethodTableS& table, const proxyMethodEntryS* rows);

// Frees the rows when the table owns them and leaves it without rows.
void releaseMethodTable(proxyMethodTableS& table);

// The first row at or after start (the first row when start is null) of the kind
// (proxyAnyKind matches all) whose name equals name with ASCII case folded; a null
// name is "". Null when there is none.
const proxyMethodEntryS* findMethodEntry(const proxyMethodTableS& table, const char* name, uint32_t kind,
                                         const proxyMethodEntryS* start);

// Names compare as the tables compare them: ASCII letters folded, null as "".
bool methodNamesEqual(const char* left, const char* right);
