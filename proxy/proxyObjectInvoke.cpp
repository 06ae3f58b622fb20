// The road of one call by name: find the rows, fall back through default members, and
// turn every failure into a result code and an error object.
#include <cxxabi.h>

#include <cstring>
#include <optional>

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

// Hands the value over without copying it; the source is left empty.
void moveVariant(mzVariantS& from, mzVariantS& to) {
  to.clear();
  std::memcpy(to.payload, from.payload, sizeof to.payload);
  to.type = from.type;
  from.type = mzVariantS::typeEmpty;
}

void reportFailure(const char* name, int argumentIndex, invokeFailureS& failure, mzIException** error) {
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
  if (!error) return;
  auto* errorObject = new mzExceptionObjectC(failure.source.c_str(), failure.description.c_str(), failure.inner.get());
  errorObject->AddRef();
  *error = errorObject;
}

}  // namespace

bool proxyObjectC::callByName(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                              proxyAutoTypeCastC& result) {
  const uint32_t count = arguments.getCount();
  const proxyClassC::rowsOfNameS candidates = proxyClass->findRows(name);
  for (uint32_t i = 0; i < candidates.count; ++i) {
    const proxyMethodEntryS* row = candidates.rows[i];
    if (kind != proxyAnyKind && row->kind != kind) continue;
    if (row->argumentCount != proxyAnyArgumentCount && row->argumentCount != count) continue;
    try {
      row->handler(nativeObject, arguments, result);
      return true;
    } catch (const proxyAutoTypeCastExceptionC&) {
      // this row does not fit the arguments; the next one of the name may
    }
  }
  return false;
}

bool proxyObjectC::dispatchWithDefaultMember(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                                             proxyAutoTypeCastC& result) {
  if (callByName(name, kind, arguments, result)) return true;
  if (nestedFallbacks >= mzMaxIndirectionSteps) return false;
  fallbackDepthC depth;

  if (kind == mzInvokeMethod) {
    // N holds an object: its default member takes the arguments (an item by index).
    proxyAutoParaListC noArguments(0);
    if (callByName(name, mzInvokePropertyGet, noArguments, result)) {
      mzSmartPtr<mzIDispatch> value;
      if (variantToDispatch(value, result) &&
          invokeOnObject(value.get(), nullptr, mzInvokeMethod, arguments, &result) == 0)
        return true;
    }
  }

  // N of the object's own default value.
  proxyAutoParaListC noArguments(0);
  if (!callByName("", mzInvokeMethod, noArguments, result)) return false;
  mzSmartPtr<mzIDispatch> defaultValue;
  if (!variantToDispatch(defaultValue, result)) return false;
  return invokeOnObject(defaultValue.get(), name, kind, arguments, &result) == 0;
}

// Thread cancellation unwinds as an exception without an object: its catch clause binds
// a reference to null by design, so the sanitizer's null check is off here (in the
// attribute spelling both g++ and clang honour).
__attribute__((no_sanitize("null"))) uint32_t proxyObjectC::Invoke(const char* name, uint32_t kind,
                                                                  uint32_t argumentCount, mzVariantS* arguments,
                                                                  mzVariantS* result, mzIException** error) {
  try {
    if (argumentCount && !arguments) {
      invokeFailureS failure;
      reportFailure(name, -1, failure, error);
      return 1;
    }
    proxyAutoParaListC list(argumentCount);
    for (uint32_t i = 0; i < argumentCount; ++i) list.setScriptArgument(i, proxyAutoTypeCastC(arguments[i]));
    proxyAutoTypeCastC resultCast;

    // Made only when the call fails: a successful call builds and frees no error texts.
    std::optional<invokeFailureS> failure;
    bool succeeded = false;
    try {
      succeeded = dispatchWithDefaultMember(name, kind, list, resultCast);
    } catch (const proxyExecuteExceptionC& e) {
      failure.emplace();
      failure->source = e.source;
      failure->description = e.description;
      failure->appendArgumentIndex = false;
    } catch (const proxyExecuteComExceptionC& e) {
      failure.emplace();
      failure->inner = e.error;
      failure->appendArgumentIndex = false;
    } catch (abi::__forced_unwind&) {
      throw;
    } catch (...) {
      failure.emplace();
      failure->description = "unhandle exception";
      failure->appendArgumentIndex = false;
    }

    if (succeeded) {
      if (result) moveVariant(resultCast, *result);
      return 0;
    }
    if (!failure) failure.emplace();
    reportFailure(name, list.getCurrentIndex(), *failure, error);
    return 1;
  } catch (abi::__forced_unwind&) {
    throw;
  } catch (...) {
    // Only composing the error itself can get here; the call has failed all the same.
    return 1;
  }
}
