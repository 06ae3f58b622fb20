// A part of the library that wants to know when an engine is attached and detached. Clients
// link themselves into mzComEngineClients; the list is walked from its head.
#pragma once

class mzComEngineClientC {
 public:
  virtual void onEngineAttach() = 0;
  virtual void onEngineDetach() = 0;

  mzComEngineClientC* next = nullptr;

 protected:
  ~mzComEngineClientC() = default;
};

// Head of the client list; empty unless a client links itself in.
extern mzComEngineClientC* mzComEngineClients;
