// The one shape of every engine call: reach the kept engine, ask it for a service or an
// object, make one call, and release everything again on every path.
#pragma once

#include <cstdint>

#include "mzcom/mzComEngineFactoryClient.h"
#include "mzcom/mzComEngineState.h"
#include "mzcom/mzIComEngine.h"
#include "mzcom/mzIIDS.h"
#include "mzcom/mzSmartPtr.h"

// operation(engine): 1 when no engine is kept.
template <class Operation>
uint32_t mzComCallEngine(Operation operation) {
  mzIComEngine* engine = nullptr;
  if (mzComGetEngine(engine) != 0 || !engine) return 1;
  mzSmartPtr<mzIComEngine> heldEngine(engine, false);
  return operation(*engine);
}

// operation(service) on the engine's service serviceId of type Service.
template <class Service, class Operation>
uint32_t mzComCallService(const mzIIDS& serviceId, Operation operation) {
  return mzComCallEngine([&](mzIComEngine& engine) -> uint32_t {
    void* service = nullptr;
    if (engine.QueryInterface(serviceId, &service) != 0 || !service) return 1;
    mzSmartPtr<Service> heldService(static_cast<Service*>(service), false);
    return operation(*heldService.get());
  });
}

// operation(object) on a new object of class classId as interface iid of type Interface.
template <class Interface, class Operation>
uint32_t mzComCallClassObject(const mzIIDS& classId, const mzIIDS& iid, Operation operation) {
  void* object = nullptr;
  if (mzComGetClassObject(classId, iid, &object) != 0 || !object) return 1;
  mzSmartPtr<Interface> heldObject(static_cast<Interface*>(object), false);
  return operation(*heldObject.get());
}

// The same for a class named by text.
template <class Interface, class Operation>
uint32_t mzComCallNamedClassObject(const char* className, const mzIIDS& iid, Operation operation) {
  void* object = nullptr;
  if (createInstanceByName(className, iid, &object) != 0 || !object) return 1;
  mzSmartPtr<Interface> heldObject(static_cast<Interface*>(object), false);
  return operation(*heldObject.get());
}
