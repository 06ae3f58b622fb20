// The library's side of the engine's factory service ("MZCOMENGFACT"). Each call reaches the
// kept engine, makes one call on the service and releases it again: 1 when no engine is
// kept or the service cannot be had, else the service's own result.
#pragma once

#include <cstdint>

#include "mzcom/mzIIDS.h"

class mzIUnknown;
class mzIComObjectCollection;

uint32_t mzComRegisterClassObject(const mzIIDS& classId, mzIUnknown* object, uint32_t flags, uint32_t* cookie);
uint32_t mzComRevokeClassObject(uint32_t cookie);
uint32_t mzComAddComponentPath(const char* path, uint32_t a, uint32_t b);
// The class object of classId, asked for interface iid into out; the class object itself is released.
uint32_t mzComGetClassObject(const mzIIDS& classId, const mzIIDS& iid, void** out);
uint32_t mzComGetClassObjects(const mzIIDS& classId, uint32_t flags, const mzIIDS& iid,
                              mzIComObjectCollection** out);

// Registers factory's "MZIIDUNK" interface under "MZIIDCLSFAC" with flags 1.
uint32_t mzComRegisterClassFactory(mzIUnknown* factory, uint32_t* cookie);

// mzComGetClassObject for the class of that text name.
uint32_t createInstanceByName(const char* className, const mzIIDS& iid, void** out);

// Offers (a, b, c) to the engine's file monikers in turn: 0 as soon as one answers 0, else 1.
uint32_t mzComFileMonikerCall(uintptr_t a, uintptr_t b, uintptr_t c);
// found := 1 when a file moniker answers (a, b) with 0, else 0; always 0.
uint32_t mzComFileMonikerTest(uintptr_t a, uintptr_t b, uint32_t* found);
