// Objects of a host for the fuzz targets that call the library by name: an object whose
// default member and writeToString answer a value, itself, nothing, or fail; a script
// variable passed by reference; the host's error object. Each counts the references the
// library takes, so that a target can check every one is given back.
#pragma once

#include <cstdint>
#include <cstring>

#include "fuzz/fuzzCheck.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzIScriptSymbolRef.h"
#include "mzcom/mzVariantS.h"

namespace scriptFuzz {

class hostErrorC : public mzIException {
 public:
  int references = 1;
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IException)) return 2;
    *out = static_cast<mzIException*>(this);
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return uint32_t(++references); }
  uint32_t Release() override {
    FUZZ_CHECK(references > 1);
    return uint32_t(--references);
  }
  uint32_t getSource(mzVariantS* out) override {
    out->setString("host");
    return 0;
  }
  uint32_t getDescription(mzVariantS* out) override {
    out->setString("host failure");
    return 0;
  }
  uint32_t getInnerException(mzIException** out) override {
    *out = nullptr;
    return 0;
  }
};

// A script variable passed by reference; its value is what the input set.
class hostVariableC : public mzIScriptSymbolRef {
 public:
  int references = 1;
  mzVariantS value;
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_ScriptSymbolRef)) return 2;
    *out = static_cast<mzIScriptSymbolRef*>(this);
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return uint32_t(++references); }
  uint32_t Release() override {
    FUZZ_CHECK(references > 1);
    return uint32_t(--references);
  }
  uint32_t symbolRefOperation1() override { return 0; }
  uint32_t getValue(mzVariantS* out) override { return value.copyTo(*out); }
};

// A host object: its default member and writeToString answer the value (tree text or
// anything else), itself, nothing, or fail.
class hostObjectC : public mzIDispatch {
 public:
  enum behaviourE { answerValue, answerSelf, answerNothing, fail, behaviourCount };

  int references = 1;
  behaviourE behaviour = answerValue;
  mzVariantS value;
  hostErrorC error;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!iid.isEqual(mzIID_IUnknown) && !iid.isEqual(mzIID_IDispatch)) return 2;
    *out = static_cast<mzIDispatch*>(this);
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return uint32_t(++references); }
  uint32_t Release() override {
    FUZZ_CHECK(references > 1);
    return uint32_t(--references);
  }
  uint32_t Invoke(const char* name, uint32_t, uint32_t argumentCount, mzVariantS* arguments, mzVariantS* result,
                  mzIException** errorOut) override {
    FUZZ_CHECK(!argumentCount || arguments);
    bool known = !name || !*name || std::strcmp(name, "writeToString") == 0 || std::strcmp(name, "classkey") == 0;
    if (!known || behaviour == fail) {
      if (errorOut) {
        error.AddRef();
        *errorOut = &error;
      }
      return 1;
    }
    if (!result) return 0;
    if (behaviour == answerSelf) result->setDispatch(this);
    else if (behaviour == answerValue) value.copyTo(*result);
    return 0;
  }
  void checkReleased() const { FUZZ_CHECK(references == 1 && error.references == 1); }
};

}  // namespace scriptFuzz
