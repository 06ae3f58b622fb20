// The host's mzCom engine: what a component library attached to it can reach. It keeps the
// class objects components register (cookies from 1), hands out class objects by class id
// (its own "rudezaze.array" among them), and keeps a table of running objects, in which a
// message output can be started.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mzcom/mzComObjectT.h"
#include "mzcom/mzIComEngine.h"
#include "mzcom/mzIComEngineFactory.h"
#include "mzcom/mzIComEngineRot.h"
#include "mzcom/mzIIDS.h"

class hostMessageOutputC;

class hostEngineC final : public mzComObjectT<mzComInterfaceT<mzIComEngine, mzIID_IUnknown>,
                                              mzComInterfaceT<mzIComEngineFactory, mzIID_ComEngineFactory>,
                                              mzComInterfaceT<mzIComEngineRot, mzIID_ComEngineRot>> {
 public:
  struct registrationS {
    uint32_t cookie;
    mzIIDS classId;
    mzIUnknown* object;  // one reference held while registered
    uint32_t flags;
  };

  // A new engine with one reference for the caller.
  static hostEngineC* create();
  hostEngineC(const hostEngineC&) = delete;
  hostEngineC& operator=(const hostEngineC&) = delete;

  // QueryInterface answers "MZIIDUNK", "MZCOMENGFACT" and "MZCOMENGROT"; anything else gives 1 and a null pointer.

  // The engine's own operation: it offers nothing through it (1).
  uint32_t engineOperation1(uintptr_t a, uintptr_t b, uintptr_t c) override;

  uint32_t registerClassObject(const mzIIDS& classId, mzIUnknown* object, uint32_t flags, uint32_t* cookie) override;
  uint32_t revokeClassObject(uint32_t cookie) override;
  uint32_t addComponentPath(const char* path, uint32_t a, uint32_t b) override;
  // "rudezaze.array" gives a new array; any other class id the newest object registered under it.
  uint32_t getClassObject(const mzIIDS& classId, mzIUnknown** out) override;
  // Every object registered under classId that answers iid, in the order of registration.
  uint32_t getClassObjects(const mzIIDS& classId, uint32_t flags, const mzIIDS& iid,
                           mzIComObjectCollection** out) override;

  uint32_t findRunningObject(const mzIIDS& id, const mzIIDS& iid, uint32_t reserved, void** out) override;
  // Operations the engine does not offer (1).
  uint32_t rotOperation2(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) override;
  uint32_t rotOperation3(uintptr_t a) override;
  uint32_t rotOperation4(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d) override;
  uint32_t rotOperation5(uintptr_t a) override;
  uint32_t rotOperation6() override;

  // What the host itself sees of the engine.
  uint32_t referenceCount() const { return mzComRefObjectC::referenceCount; }
  const std::vector<registrationS>& registrations() const { return registered; }
  // Cookies revoked so far, in the order of revocation.
  const std::vector<uint32_t>& revokedCookies() const { return revoked; }
  const std::vector<std::string>& componentPaths() const { return paths; }

  // Enters object (with a reference of the engine's) as the running object id, replacing
  // an earlier one of that id.
  void registerRunningObject(const mzIIDS& id, mzIUnknown* object);
  bool revokeRunningObject(const mzIIDS& id);
  // Starts a message output, the running object "MZCOMMSGOUTPUTSRV"; the engine keeps it, so
  // the pointer stays valid while the engine lives.
  hostMessageOutputC* startMessageOutput();

 private:
  struct runningObjectS {
    mzIIDS id;
    mzIUnknown* object;  // one reference held
  };

  hostEngineC() = default;
  ~hostEngineC();

  uint32_t nextCookie = 1;
  std::vector<registrationS> registered;
  std::vector<uint32_t> revoked;
  std::vector<std::string> paths;
  std::vector<runningObjectS> runningObjects;
};
