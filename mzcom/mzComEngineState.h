// The engine the library is attached to: process-wide state shared by the exports, the
// loader of the engine's server library and every engine call. Unguarded: the host enters
// the library from one thread at a time.
//
// Every attach not yet matched by a detach has one registration slot holding the cookie of
// the class factory registered for it (0 when none was), so each detach can revoke exactly
// the registration of the attach it matches, newest first.
#pragma once

#include <cstdint>

class mzIComEngine;
class mzComLibraryC;

// Counts an attach. The first one keeps engine with one added reference and tells the
// clients; later ones ignore engine. A first attach without an engine is refused: 1,
// nothing counted or kept. Otherwise 0.
uint32_t mzComAttachRemoteEngine(mzIComEngine* engine);
// Undoes one attach; the last one tells the clients, releases the engine and lets the
// server library go. 1 when there is nothing to undo (nothing changes), when the last
// detach finds no engine kept, or when the server library lacks its terminate entry.
uint32_t mzComDetachRemoteEngine();

// The kept engine with one added reference, 0; 1 and out untouched when none is kept.
uint32_t mzComGetEngine(mzIComEngine*& out);

void mzComNotifyEngineAttach();
void mzComNotifyEngineDetach();

// Attaches not yet matched by a detach.
int32_t mzComAttachCount();

// The registration slot of the newest attach; reading without one gives 0, and keeping
// without one does nothing.
void mzComKeepRegistrationCookie(uint32_t cookie);
uint32_t mzComNewestRegistrationCookie();

// For the loader of the engine's server library: the variable the server stores its engine
// in, an attach that keeps nothing itself, the loaded server library (owned from then on)
// and the way back when loading failed.
mzIComEngine** mzComKeptEngineSlot();
void mzComCountAttach();
void mzComKeepServerLibrary(mzComLibraryC* library);
void mzComUndoServerLibraryAttach();
