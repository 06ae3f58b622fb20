// The road of one call by name: find the rows, fall back through default members, and
// turn every failure into a result code and an error object.
#include <cxxabi.h>

#include <cstddef>
#include <cstring>

#include "base/str.h"
#include "mzcom/mzExceptionObjectC.h"
#include "mzcom/mzForeignCall.h"
#include "mzcom/mzSmartPtr.h"
#include "proxy/invokeOnObject.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyObjectC.h"

namespace {

// Objects whose default values lead back to one another would forward a call among
// themselves for ever; past this many nested fallbacks the call fails instead.
thread_local int nestedFallbacks = 0;

class fallbackDepthC {
 public:
  fallbackDepthC() { ++nestedFallbacks; }
  fallbackDepthC(const fallbackDepthC&) = delete;
  fallbackDepthC& operator=(const fallbackDepthC&) = delete;
  ~fallbackDepthC() { --nestedFallbacks; }
};

// What a failed call reports.
struct invokeFailureS {
  str source;
  str description;
  mzSmartPtr<mzIException> inner;
  bool appendArgumentIndex = true;
};

// Composes the error of a failed call; 1, what Invoke answers then.
[[gnu::noinline]] uint32_t failCall(const char* name, int argumentIndex, invokeFailureS failure, mzIException** error) {
  if (failure.source.isEmpty()) {
    failure.source = "methode:";
    if (name) failure.source += name;
  }
  if (failure.appendArgumentIndex && argumentIndex != -1) {
    failure.source += "(Para:";
    failure.source += str(argumentIndex + 1).c_str();
    failure.source += ")";
  }
  if (failure.description.isEmpty()) failure.description = "Object call failed";
  if (!error) return 1;
  auto* errorObject = new mzExceptionObjectC(failure.source.c_str(), failure.description.c_str(), failure.inner.get());
  errorObject->AddRef();
  *error = errorObject;
  return 1;
}

// The row (a table's or the first of a name's slot) takes a call of kind with count
// arguments. Most rows name both exactly, which one comparison of the two adjacent words
// tells.
template <class rowT>
inline bool rowFits(const rowT& row, uint32_t kind, uint32_t count) {
  static_assert(offsetof(rowT, argumentCount) == offsetof(rowT, kind) + 4);
  uint64_t rowKindAndCount;
  std::memcpy(&rowKindAndCount, &row.kind, sizeof rowKindAndCount);
  if (rowKindAndCount == (kind | uint64_t(count) << 32)) return true;
  return (kind == proxyAnyKind || row.kind == kind) &&
         (row.argumentCount == proxyAnyArgumentCount || row.argumentCount == count);
}

// The arguments of every call without any. Such a list is never written to: every read of
// it fails before it records an index, and it keeps nothing. It is never destroyed either, so
// that it serves calls made while the process ends.
union noArgumentsU {
  constexpr noArgumentsU() : list(0, nullptr) {}
  ~noArgumentsU() {}
  proxyAutoParaListC list;
};
constinit noArgumentsU noArguments;

// The result of a call without arguments, in Invoke's frame. The cast's destructor would
// release its two values and then note the memory manager for the pooled objects that follow;
// only the values are released here, which is all a cast on the stack needs.
class resultOfCallC {
 public:
  resultOfCallC() : cast() {}
  resultOfCallC(const resultOfCallC&) = delete;
  resultOfCallC& operator=(const resultOfCallC&) = delete;
  ~resultOfCallC() {
    cast.clear();
    cast.resolvedValue.clear();
  }

  union {
    proxyAutoTypeCastC cast;
  };
};

}  // namespace

// A call without arguments whose first row runs in runFirstRow's frame: its result, and what
// the call needs after the handler, in one record whose address the handler gets with the
// result.
struct proxyObjectC::firstRowCallS {
  firstRowCallS(proxyObjectC* object, const char* name, uint32_t kind, const proxyClassC::nameRowsS* candidates,
                mzVariantS* result, mzIException** error)
      : object(object), name(name), candidates(candidates), result(result), error(error), kind(kind) {}
  firstRowCallS(const firstRowCallS&) = delete;
  firstRowCallS& operator=(const firstRowCallS&) = delete;

  resultOfCallC resultOfCall;
  proxyObjectC* object;
  const char* name;
  const proxyClassC::nameRowsS* candidates;
  mzVariantS* result;
  mzIException** error;
  uint32_t kind;
};

namespace {

// The failure that the exception being handled makes of a call; only forced unwinding
// leaves.
[[gnu::noinline, gnu::cold]] __attribute__((no_sanitize("null"))) uint32_t failOnException(const char* name,
                                                                                         mzIException** error) {
  try {
    try {
      throw;
    } catch (const proxyExecuteExceptionC& e) {
      return failCall(name, -1, invokeFailureS{e.source, e.description, {}, false}, error);
    } catch (const proxyExecuteComExceptionC& e) {
      return failCall(name, -1, invokeFailureS{{}, {}, e.error, false}, error);
    } catch (abi::__forced_unwind&) {
      throw;
    } catch (...) {
      return failCall(name, -1, invokeFailureS{{}, "unhandle exception", {}, false}, error);
    }
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (...) {
    // Only composing the error itself can get here; the call has failed all the same.
    return 1;
  }
}

}  // namespace

bool proxyObjectC::callRows(const proxyClassC::nameRowsS* candidates, uint32_t next, uint32_t kind,
                            proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  if (!candidates) return false;
  const uint32_t count = arguments.getCount();
  for (; next < candidates->count; ++next) {
    const proxyMethodEntryS& row = *candidates->rows[next];
    if (rowFits(row, kind, count)) {
      try {
        row.handler(nativeObject, arguments, result);
        return true;
      } catch (const proxyAutoTypeCastExceptionC&) {
        // this row does not fit the arguments; the next one of the name may
      }
    }
  }
  return false;
}

bool proxyObjectC::callByName(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                              proxyAutoTypeCastC& result) {
  return callRows(proxyClass->findName(name), 0, kind, arguments, result);
}

bool proxyObjectC::dispatchWithDefaultMember(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                                             proxyAutoTypeCastC& result) {
  return callByName(name, kind, arguments, result) || callThroughDefaultMembers(name, kind, arguments, result);
}

bool proxyObjectC::callThroughDefaultMembers(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                                             proxyAutoTypeCastC& result) {
  if (nestedFallbacks >= mzMaxIndirectionSteps) return false;
  fallbackDepthC depth;

  if (kind == mzInvokeMethod) {
    // N holds an object: its default member takes the arguments (an item by index).
    if (callByName(name, mzInvokePropertyGet, noArguments.list, result)) {
      mzSmartPtr<mzIDispatch> value;
      if (variantToDispatch(value, result) &&
          invokeOnObject(value.get(), nullptr, mzInvokeMethod, arguments, &result) == 0)
        return true;
    }
  }

  // N of the object's own default value.
  if (!callByName("", mzInvokeMethod, noArguments.list, result)) return false;
  mzSmartPtr<mzIDispatch> defaultValue;
  if (!variantToDispatch(defaultValue, result)) return false;
  return invokeOnObject(defaultValue.get(), name, kind, arguments, &result) == 0;
}

__attribute__((no_sanitize("null"))) uint32_t proxyObjectC::finishCall(const char* name, uint32_t kind,
                                                                      const proxyClassC::nameRowsS* candidates,
                                                                      uint32_t next, proxyAutoParaListC& arguments,
                                                                      proxyAutoTypeCastC& resultCast,
                                                                      mzVariantS* result, mzIException** error) {
  try {
    if (callRows(candidates, next, kind, arguments, resultCast) ||
        callThroughDefaultMembers(name, kind, arguments, resultCast)) {
      if (result) result->takeFrom(resultCast);
      return 0;
    }
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (...) {
    return failOnException(name, error);
  }
  try {
    return failCall(name, arguments.getCurrentIndex(), invokeFailureS(), error);
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (...) {
    return 1;
  }
}

__attribute__((no_sanitize("null"))) uint32_t proxyObjectC::invokeWithArguments(const char* name, uint32_t kind,
                                                                               uint32_t argumentCount,
                                                                               mzVariantS* arguments,
                                                                               mzVariantS* result,
                                                                               mzIException** error) {
  if (!arguments) {
    try {
      return failCall(name, -1, invokeFailureS(), error);
    } catch (abi::__forced_unwind&) {
      throw;
    } catch (...) {
      return 1;
    }
  }
  proxyAutoParaListC list(argumentCount, arguments);
  proxyAutoTypeCastC resultCast;
  return finishCall(name, kind, proxyClass->findName(name), 0, list, resultCast, result, error);
}

uint32_t proxyObjectC::invokeWithoutFit(const char* name, uint32_t kind, const proxyClassC::nameRowsS* candidates,
                                        mzVariantS* result, mzIException** error) {
  proxyAutoTypeCastC resultCast;
  return finishCall(name, kind, candidates, 0, noArguments.list, resultCast, result, error);
}

uint32_t proxyObjectC::invokeAfterFirstProbe(const char* name, uint32_t kind, mzVariantS* result,
                                             mzIException** error) {
  return invokeWithoutFit(name, kind, proxyClass->findName(name), result, error);
}

// Most calls take no arguments and name a member that the first probe of the index finds
// and whose first row fits. When that row reads a number and the host's result holds nothing
// to release, the row's value getter writes the result in place of Invoke; any other such
// row runs in a frame of its own. The rest of every road is out of line, as are the
// failures, so that a call that succeeds sets up none of their texts.
uint32_t proxyObjectC::Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments,
                              mzVariantS* result, mzIException** error) {
  if (argumentCount) return invokeWithArguments(name, kind, argumentCount, arguments, result, error);
  const proxyClassC::nameRowsS* candidates = proxyClass->findAtFirstProbe(name);
  if (!candidates) [[unlikely]]
    return invokeAfterFirstProbe(name, kind, result, error);
  if (!rowFits(candidates->firstRow, kind, 0)) return invokeWithoutFit(name, kind, candidates, result, error);
  const proxyValueGetterT valueGetter = candidates->firstRow.valueGetter;
  if (valueGetter && result && !result->ownsPayload()) return valueGetter(nativeObject, *result);
  return runFirstRow(name, kind, candidates, result, error);
}

// Thread cancellation unwinds as an exception without an object: its catch clauses bind a
// reference to null by design, so the sanitizer's null check is off where they are (in the
// attribute spelling both g++ and clang honour). What the call needs once the handler has
// returned or thrown is written to the record beside the result the handler gets, and read
// back from there, so that it stays out of registers the function would save and restore;
// the road on from the next row takes the record alone, so that no argument goes on the
// stack (which would cost the function a frame pointer).
__attribute__((no_sanitize("null"))) uint32_t proxyObjectC::runFirstRow(const char* name, uint32_t kind,
                                                                       const proxyClassC::nameRowsS* candidates,
                                                                       mzVariantS* result, mzIException** error) {
  firstRowCallS call(this, name, kind, candidates, result, error);
  proxyAutoTypeCastC& resultCast = call.resultOfCall.cast;
  try {
    candidates->firstRow.handler(nativeObject, noArguments.list, resultCast);
    if (call.result) call.result->takeFrom(resultCast);
    return 0;
  } catch (const proxyAutoTypeCastExceptionC&) {
    // the row does not fit; the name's other rows and the default members may
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (...) {
    return failOnException(call.name, call.error);
  }
  return call.object->finishFirstRowCall(call);
}

uint32_t proxyObjectC::finishFirstRowCall(firstRowCallS& call) {
  return finishCall(call.name, call.kind, call.candidates, 1, noArguments.list, call.resultOfCall.cast, call.result,
                    call.error);
}
