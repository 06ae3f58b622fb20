// Calls by name as a host makes them, keeping the result and the error's texts.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzSmartPtr.h"
#include "mzcom/mzVariantS.h"

namespace invokeTest {

inline std::string textOf(const mzVariantS& v) {
  const char* text = nullptr;
  return v.getString(text) == 0 ? std::string(text) : std::string("<not a string>");
}

inline mzVariantS intValue(int32_t value) {
  mzVariantS v;
  v.setInt(value);
  return v;
}

inline mzVariantS doubleValue(double value) {
  mzVariantS v;
  v.setDouble(value);
  return v;
}

struct callS {
  uint32_t outcome = 0;
  mzVariantS result;
  std::string source;
  std::string description;
  mzSmartPtr<mzIException> inner;
};

inline callS call(mzIDispatch* object, const char* name, uint32_t kind,
                  std::initializer_list<mzVariantS> arguments = {}) {
  callS done;
  std::vector<mzVariantS> array(arguments);
  mzIException* error = nullptr;
  done.outcome = object->Invoke(name, kind, uint32_t(array.size()), array.data(), &done.result, &error);
  if (error) {
    mzVariantS text;
    error->getSource(&text);
    done.source = textOf(text);
    error->getDescription(&text);
    done.description = textOf(text);
    mzIException* innerError = nullptr;
    error->getInnerException(&innerError);
    done.inner.assign(innerError, false);
    error->Release();
  }
  return done;
}

// The object a call returned, with the result's reference handed over.
inline mzSmartPtr<mzIDispatch> objectOf(callS&& done) {
  mzSmartPtr<mzIDispatch> object;
  if (done.result.type == mzVariantS::typeInterface && done.result.interfaceValue) {
    void* dispatch = nullptr;
    if (done.result.interfaceValue->QueryInterface(mzIID_IDispatch, &dispatch) == 0)
      object.assign(static_cast<mzIDispatch*>(dispatch), false);
  }
  return object;
}

}  // namespace invokeTest
