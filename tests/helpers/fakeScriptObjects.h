// Objects of a host and its script engine, for the tests and the fuzz targets: a plain counted
// object, a dispatch object with a default member, a script variable passed by reference, and
// an error object that counts its references. They live on the caller's stack; each starts with the caller's
// own reference, so that a test checks every reference the library took was given back. A
// release that would take that reference, or a call with a count but no arguments, is a
// misuse: it calls fakeObjectMisused, which a fuzz target makes a finding.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "mzcom/mzIComProxyObject.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzIScriptSymbolRef.h"
#include "mzcom/mzVariantS.h"

// Called with what went wrong; nothing by default.
inline void (*fakeObjectMisused)(const char* what) = nullptr;

// The count after a release, which must leave the owner's reference.
inline uint32_t fakeRelease(uint32_t& references) {
  if (references <= 1 && fakeObjectMisused) fakeObjectMisused("released below its owner's reference");
  return --references;
}

// Answers only "MZIIDUNK", and not even that when answersUnknown is cleared.
class fakeUnknownC final : public mzIUnknown {
 public:
  uint32_t references = 1;
  bool answersUnknown = true;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (!answersUnknown || !iid.isEqual(mzIID_IUnknown)) {
      *out = nullptr;
      return 1;
    }
    AddRef();
    *out = static_cast<mzIUnknown*>(this);
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return fakeRelease(references); }
};

class fakeErrorC : public mzIException {
 public:
  uint32_t references = 1;
  uint32_t releases = 0;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (iid.isEqual(mzIID_IUnknown) || iid.isEqual(mzIID_IException)) {
      *out = static_cast<mzIException*>(this);
      AddRef();
      return 0;
    }
    *out = nullptr;
    return 1;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override {
    ++releases;
    return fakeRelease(references);
  }
  uint32_t getSource(mzVariantS* out) override {
    out->setString("fake");
    return 0;
  }
  uint32_t getDescription(mzVariantS* out) override {
    out->setString("fake failure");
    return 0;
  }
  uint32_t getInnerException(mzIException** out) override {
    *out = nullptr;
    return 0;
  }
};

// Its default member (a method call without name) returns defaultValue, or the object
// itself when returnsSelf is set; failDefault makes it fail with an error object.
// Member "classkey" reads memberValue, and "writeToString" asked for the compact text of the
// object alone (1, 0) reads writtenValue when it holds something: an object of another
// component, known only by its members. With membersFollowDefault set, "classkey" and
// "writeToString" answer as the default member does instead: an object of the host that
// stands for a whole document. It also answers "MZCOMPROXYOBJ".
class fakeDispatchC : public mzIDispatch, public mzIComProxyObject {
 public:
  uint32_t references = 1;
  mzVariantS defaultValue;
  mzVariantS memberValue;
  mzVariantS writtenValue;
  bool returnsSelf = false;
  bool failDefault = false;
  bool answersDispatch = true;
  bool membersFollowDefault = false;
  int invokeCount = 0;
  std::string lastName;
  uint32_t lastKind = 0;
  fakeErrorC error;
  uintptr_t proxyValue = 0;
  int proxyCalls = 0;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (iid.isEqual(mzIID_IUnknown) || (answersDispatch && iid.isEqual(mzIID_IDispatch))) {
      *out = static_cast<mzIDispatch*>(this);
    } else if (iid.isEqual(mzIID_IComProxyObject)) {
      *out = static_cast<mzIComProxyObject*>(this);
    } else {
      return 2;
    }
    AddRef();
    return 0;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return fakeRelease(references); }

  uint32_t Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments, mzVariantS* result,
                  mzIException** errorOut) override {
    if (argumentCount && !arguments && fakeObjectMisused) fakeObjectMisused("called with a count but no arguments");
    ++invokeCount;
    lastName = name ? name : "<null>";
    lastKind = kind;
    bool writesItself = name && !membersFollowDefault && std::strcmp(name, "writeToString") == 0 &&
                        writtenValue.type != mzVariantS::typeEmpty && asksCompactSingle(argumentCount, arguments);
    bool member = writesItself || (name && (std::strcmp(name, "classkey") == 0 ||
                                            (membersFollowDefault && std::strcmp(name, "writeToString") == 0)));
    bool defaultMember = !name || !*name || (member && membersFollowDefault);
    if ((defaultMember && failDefault) || (!defaultMember && !member)) {
      if (errorOut) {
        error.AddRef();
        *errorOut = &error;
      }
      return 1;
    }
    if (!result) return 0;
    if (!defaultMember) {
      (writesItself ? writtenValue : memberValue).copyTo(*result);
    } else if (returnsSelf) {
      result->setDispatch(static_cast<mzIDispatch*>(this));
    } else {
      defaultValue.copyTo(*result);
    }
    return 0;
  }

  static bool asksCompactSingle(uint32_t argumentCount, const mzVariantS* arguments) {
    return argumentCount == 2 && arguments && arguments[0].type == mzVariantS::typeInt && arguments[0].intValue == 1 &&
           arguments[1].type == mzVariantS::typeInt && arguments[1].intValue == 0;
  }

  uint32_t proxyOperation1() override { return 0; }
  uint32_t proxyOperation2() override { return 0; }
  uint32_t proxyOperation3() override { return 0; }
  uint32_t proxyOperation4(uintptr_t value) override {
    proxyValue = value;
    ++proxyCalls;
    return 0;
  }
};

// A script variable passed by reference; its value may be another reference, itself included.
class fakeSymbolRefC : public mzIScriptSymbolRef {
 public:
  uint32_t references = 1;
  mzVariantS value;
  int reads = 0;

  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (iid.isEqual(mzIID_IUnknown) || iid.isEqualText("MZSCR.SYMBOLREF")) {
      *out = static_cast<mzIScriptSymbolRef*>(this);
      AddRef();
      return 0;
    }
    return 2;
  }
  uint32_t AddRef() override { return ++references; }
  uint32_t Release() override { return fakeRelease(references); }
  uint32_t symbolRefOperation1() override { return 0; }
  uint32_t getValue(mzVariantS* out) override {
    ++reads;
    value.copyTo(*out);
    return 0;
  }
};
