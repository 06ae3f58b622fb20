// The base of every script-visible object: an mzIDispatch that counts its references,
// deletes itself at the last Release and takes every call by member name through its
// method table. Two inner objects give it the native-pointer and external-connection
// interfaces; references taken through them are references on the proxy.
#pragma once

#include <cstdint>

#include "memman/memManInterfaceC.h"
#include "mzcom/mzComRefObjectC.h"
#include "mzcom/mzIComExternalConnection.h"
#include "mzcom/mzIComNativePointer.h"
#include "mzcom/mzIDispatch.h"
#include "proxy/proxyClassC.h"
#include "proxy/proxyMethodEntryS.h"

class proxyAutoParaListC;
class proxyAutoTypeCastC;

class proxyObjectC : public mzIDispatch, public memManInterfaceC, public mzComRefObjectC {
 public:
  class externalConnectionC : public mzIComExternalConnection {
   public:
    explicit externalConnectionC(proxyObjectC* ownerProxy) : owner(ownerProxy) {}
    externalConnectionC(const externalConnectionC&) = delete;
    externalConnectionC& operator=(const externalConnectionC&) = delete;

    // "MZIIDUNK" and "MZCOMEXTCONN" give this inner object; anything else 2.
    uint32_t QueryInterface(const mzIIDS& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    uint32_t connectionOperation1(uint32_t value) override;
    uint32_t connectionOperation2(uint32_t first, uint32_t second) override;
    uint32_t connectionOperation3(uint32_t* out) override;

   private:
    proxyObjectC* owner;
  };

  class nativePointerC : public mzIComNativePointer {
   public:
    explicit nativePointerC(proxyObjectC* ownerProxy) : owner(ownerProxy) {}
    nativePointerC(const nativePointerC&) = delete;
    nativePointerC& operator=(const nativePointerC&) = delete;

    // "MZIIDUNK" and "MZCOMNATPTR" give this inner object; anything else 2.
    uint32_t QueryInterface(const mzIIDS& iid, void** out) override;
    uint32_t AddRef() override;
    uint32_t Release() override;
    uint32_t getThreadId(uint32_t* out) override;
    uint32_t getNativePointer(void** out) override;
    uint32_t nativePointerOperation6(uint32_t unused) override;
    uint32_t getTypeName(mzVariantS* out) override;

   private:
    proxyObjectC* owner;
  };

  // Each form starts with count 0 as an object of the described class; a non-zero
  // takeReference takes the first reference at once. The native object, the first argument
  // of every handler, is the proxy itself (as a proxyObjectC*) unless one is given; handlers
  // cast it back to what their class passed. A derived class's constructor makes the object
  // one of its own class with setClass (prxDescribedT does it for a described class).
  proxyObjectC(const proxyClassC& description, uint8_t takeReference);
  proxyObjectC(void* nativeObject, const proxyClassC& description, uint8_t takeReference);
  proxyObjectC(void* nativeObject, uint32_t unusedWord, const proxyClassC& description, uint8_t takeReference);
  proxyObjectC(const proxyObjectC&) = delete;
  proxyObjectC& operator=(const proxyObjectC&) = delete;

  // "MZIIDDSP", "MZIIDUNK", "MZCOMEXTCONN", "MZCOMNATPTR", and "MZIIDTYPEINFO" as a new
  // description of this object; anything else gives 2 and leaves out as it was.
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override;
  uint32_t AddRef() override;
  // Deletes the proxy when the count reaches 0.
  uint32_t Release() override;
  // Never throws: every failure gives 1 and, when asked for, an error object.
  uint32_t Invoke(const char* name, uint32_t kind, uint32_t argumentCount, mzVariantS* arguments, mzVariantS* result,
                  mzIException** error) override;

  // "class <name> *": the type name of the object's class description.
  virtual const char* getTypeName();
  // The object itself: the address of the most-derived object, whatever class asks. A class
  // overrides it only to answer another object.
  virtual void* getNativePointer();
  // The external connection's three operations; they keep only their results.
  virtual uint32_t connectionOperation1(uint32_t value);
  virtual uint32_t connectionOperation2(uint32_t first, uint32_t second);
  virtual uint32_t connectionOperation3(uint32_t* out);

  // Declared after the operations above so that their slots stay where hosts expect them.
  ~proxyObjectC() override;

  // Tries the rows of name and kind in table order until a handler runs to its end:
  // true then, false when none did. Rows whose argument count differs from the list's are
  // skipped; a handler's cast exception moves on to the next row, any other leaves.
  bool callByName(const char* name, uint32_t kind, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);
  // callByName, then the fallbacks through default members: a method N is tried as the
  // default member of N's value and as N of the proxy's default value; a property N as
  // N of the default value. true when one of them ran.
  bool dispatchWithDefaultMember(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                                 proxyAutoTypeCastC& result);

  // The merged table of the object's class, shared by all its objects.
  const proxyMethodTableS& getMethodTable() const { return proxyClass->getMethodTable(); }
  const proxyClassC& getClass() const { return *proxyClass; }

 protected:
  // From now on the object is one of the described class.
  void setClass(const proxyClassC& description);

  externalConnectionC externalConnection;
  nativePointerC nativePointer;
  void* nativeObject;
  const proxyClassC* proxyClass;

 private:
  // Tries the candidates' rows from index next on, as callByName does.
  bool callRows(const proxyClassC::nameRowsS* candidates, uint32_t next, uint32_t kind,
                proxyAutoParaListC& arguments, proxyAutoTypeCastC& result);
  // The roads Invoke passes a call on to, each out of line so that Invoke's own frame stays
  // as small as its shortest road needs.
  // A call with arguments.
  [[gnu::noinline]] uint32_t invokeWithArguments(const char* name, uint32_t kind, uint32_t argumentCount,
                                                 mzVariantS* arguments, mzVariantS* result, mzIException** error);
  // A call without arguments whose name's first row fits, that row run in a frame of its own
  // (Invoke itself keeps none).
  [[gnu::noinline]] uint32_t runFirstRow(const char* name, uint32_t kind, const proxyClassC::nameRowsS* candidates,
                                         mzVariantS* result, mzIException** error);
  // A call without arguments whose name the first probe of the index did not find.
  [[gnu::noinline]] uint32_t invokeAfterFirstProbe(const char* name, uint32_t kind, mzVariantS* result,
                                                   mzIException** error);
  // A call without arguments whose name's first row does not fit (or that names nothing).
  [[gnu::noinline]] uint32_t invokeWithoutFit(const char* name, uint32_t kind,
                                              const proxyClassC::nameRowsS* candidates, mzVariantS* result,
                                              mzIException** error);
  // A call without arguments whose name's first row was tried in runFirstRow's frame and did
  // not fit: the road on from its next row.
  struct firstRowCallS;
  [[gnu::noinline]] uint32_t finishFirstRowCall(firstRowCallS& call);
  // The rest of a call from the candidates' row next on: the other rows, the default
  // members, and the failure when none of them ran.
  uint32_t finishCall(const char* name, uint32_t kind, const proxyClassC::nameRowsS* candidates, uint32_t next,
                      proxyAutoParaListC& arguments, proxyAutoTypeCastC& resultCast, mzVariantS* result,
                      mzIException** error);
  // The fallbacks of dispatchWithDefaultMember, once callByName found no row.
  bool callThroughDefaultMembers(const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                                 proxyAutoTypeCastC& result);
};
