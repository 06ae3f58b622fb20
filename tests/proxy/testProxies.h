// Proxies for the dispatch tests: a base class with settable, overloaded, failing and
// default members, and a derived class whose rows go in front of the base's.
#pragma once

#include <stdexcept>
#include <string>

#include "mzcom/mzForeignCall.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyExceptions.h"
#include "proxy/proxyObjectC.h"

class testBaseProxyC : public proxyObjectC {
 public:
  explicit testBaseProxyC(uint8_t takeReference = 0) : proxyObjectC(description, takeReference) {}
  ~testBaseProxyC() override {
    if (destroyed) *destroyed = true;
  }

  static const proxyMethodEntryS rows[];

  static inline const proxyClassC description{"class testBaseProxyC *", rows, nullptr};

  void* getNativePointer() override { return this; }

  double value = 0;
  std::string lastItem;
  mzVariantS child;         // what Child reads
  mzVariantS defaultValue;  // what the default member without arguments returns
  mzIException* errorToThrow = nullptr;
  void (*onExit)() = nullptr;
  bool* destroyed = nullptr;

 private:
  static testBaseProxyC& self(void* native) {
    return *static_cast<testBaseProxyC*>(static_cast<proxyObjectC*>(native));
  }

  static void count(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setInt(1); }
  static void getValue(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    result.setDouble(self(native).value);
  }
  static void setValue(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    self(native).value = arguments.getScriptArgument(0).toDouble();
    result.setDispatch(static_cast<mzIDispatch*>(&self(native)));
  }
  static void itemByIndex(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    int index = arguments.getScriptArgument(0).toInt();
    self(native).lastItem = "index " + std::to_string(index);
    result.setInt(index);
  }
  static void itemByName(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    // The text lives in the cast, which must outlive its use.
    proxyAutoTypeCastC argument = arguments.getScriptArgument(0);
    const char* name = argument.toCString();
    self(native).lastItem = std::string("name ") + name;
    result.setString(name);
  }
  static void setItem(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC&) {
    int index = arguments.getScriptArgument(0).toInt();
    double itemValue = arguments.getScriptArgument(1).toDouble();
    self(native).lastItem = "set " + std::to_string(index) + " " + std::to_string(itemValue);
  }
  static void getChild(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    result.assign(self(native).child);
  }
  static void getDefault(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    if (self(native).defaultValue.type == mzVariantS::typeEmpty) throwTypeCastException();
    result.assign(self(native).defaultValue);
  }
  static void times10(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    result.setInt(arguments.getScriptArgument(0).toInt() * 10);
  }
  static void readsBeyond(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    result.setInt(arguments.getScriptArgument(1).toInt());
  }
  static void readsFirst(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    result.setInt(arguments.getScriptArgument(0).toInt() + 1);
  }
  static void countArguments(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    result.setInt(int32_t(arguments.getCount()));
  }
  static void failWithTexts(void*, proxyAutoParaListC&, proxyAutoTypeCastC&) {
    throwContainerError("out of range", "container");
  }
  static void failWithoutTexts(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC&) {
    arguments.getScriptArgument(0);
    throwContainerError("", "");
  }
  static void failWithErrorObject(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC&) {
    arguments.getScriptArgument(0);
    throwComException(self(native).errorToThrow);
  }
  static void crash(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC&) {
    arguments.getScriptArgument(0);
    throw std::runtime_error("not a proxy exception");
  }
  static void exitThread(void* native, proxyAutoParaListC&, proxyAutoTypeCastC&) { self(native).onExit(); }
};

inline const proxyMethodEntryS testBaseProxyC::rows[] = {
    {"Count", mzInvokePropertyGet, 0, &count},
    {"Value", mzInvokePropertyGet, 0, &getValue},
    {"Value", mzInvokePropertyPut, 1, &setValue},
    {"Value", mzInvokeMethod, 1, &setValue},
    {"Item", mzInvokeMethod, 1, &itemByIndex},
    {"Item", mzInvokeMethod, 1, &itemByName},
    {"Item", mzInvokeMethod, 2, &setItem},
    {"Child", mzInvokePropertyGet, 0, &getChild},
    {"", mzInvokeMethod, 0, &getDefault},
    {"", mzInvokeMethod, 1, &times10},
    {"Peek", mzInvokeMethod, 1, &readsBeyond},
    {"Peek", mzInvokeMethod, 1, &readsFirst},
    {"Any", mzInvokeMethod, proxyAnyArgumentCount, &countArguments},
    {"Fail", mzInvokeMethod, 0, &failWithTexts},
    {"FailBare", mzInvokeMethod, 1, &failWithoutTexts},
    {"FailCom", mzInvokeMethod, 1, &failWithErrorObject},
    {"Crash", mzInvokeMethod, 1, &crash},
    {"Exit", mzInvokeMethod, 0, &exitThread},
    {},
};

// Its Count hides the base's; Extra is its own.
class testDerivedProxyC : public testBaseProxyC {
 public:
  explicit testDerivedProxyC(uint8_t takeReference = 0) : testBaseProxyC(takeReference) { setClass(description); }

  static const proxyMethodEntryS rows[];

  static inline const proxyClassC description{"class testDerivedProxyC *", rows, &testBaseProxyC::description};

  void* getNativePointer() override { return this; }

 private:
  static void count(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setInt(2); }
  static void extra(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) { result.setString("extra"); }
};

inline const proxyMethodEntryS testDerivedProxyC::rows[] = {
    {"Count", mzInvokePropertyGet, 0, &count},     {"Extra", mzInvokePropertyGet, 0, &extra},
    {"createFromFile", mzInvokeMethod, 1, &extra}, {"Create", mzInvokeMethod, 0, &extra},
    {"Create", mzInvokeMethod, 2, &extra},         {},
};

// A proxy's dispatch interface with one reference for the caller.
inline mzIDispatch* held(proxyObjectC* proxy) {
  proxy->AddRef();
  return proxy;
}
