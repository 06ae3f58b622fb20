// QueryInterface, AddRef and Release of a component object over its interfaces, written once:
//
//   class fooC : public mzComObjectT<mzComInterfaceT<mzIFoo, mzIID_Foo>, mzComInterfaceT<mzIBar, mzIID_Bar>> {...};
//
// "MZIIDUNK" gives the first interface, an interface's identifier that interface, each with a
// new reference; anything else gives 1 and a null out pointer. The interfaces are bases in the
// order given, so their tables keep the slots hosts call. The count lives in the virtual base
// mzComRefObjectC and starts at 0; the object deletes itself through its virtual destructor,
// the slot after its first interface's own operations, when the count reaches 0.
#pragma once

#include <cstdint>

#include "mzcom/mzComRefObjectC.h"
#include "mzcom/mzIIDConstants.h"

template <class I, const mzIIDS& iid>
struct mzComInterfaceT {
  using interfaceT = I;
  static constexpr const mzIIDS& id = iid;
};

template <class firstT, class... othersT>
class mzComObjectT : public firstT::interfaceT, public othersT::interfaceT..., public virtual mzComRefObjectC {
 public:
  mzComObjectT() = default;
  mzComObjectT(const mzComObjectT&) = delete;
  mzComObjectT& operator=(const mzComObjectT&) = delete;

  uint32_t QueryInterface(const mzIIDS& requested, void** out) override {
    if (!out) return 1;
    *out = nullptr;
    if (requested.isEqual(mzIID_IUnknown))
      *out = static_cast<typename firstT::interfaceT*>(this);
    else if (!answers<firstT>(requested, out))
      static_cast<void>((false || ... || answers<othersT>(requested, out)));
    if (!*out) return 1;
    AddRef();
    return 0;
  }

  uint32_t AddRef() override { return ++referenceCount; }

  uint32_t Release() override {
    uint32_t count = --referenceCount;
    if (count == 0) delete this;
    return count;
  }

  virtual ~mzComObjectT() = default;

 private:
  template <class entryT>
  bool answers(const mzIIDS& requested, void** out) {
    if (!requested.isEqual(entryT::id)) return false;
    *out = static_cast<typename entryT::interfaceT*>(this);
    return true;
  }
};
