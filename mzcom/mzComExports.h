// The two entry points of a component library (defined by library/), and their names, by
// which a host that loads the library finds them.
#pragma once

#include <cstdint>

class mzIComEngine;

extern "C" {
// Attaches the host's engine and registers the library's class factory with it; always 0.
uint32_t mzComInitRemoteEngine(mzIComEngine* engine);
// Undoes the newest attach; always 0.
uint32_t mzComTerminateRemoteEngine();
}

inline constexpr const char* mzComInitRemoteEngineName = "mzComInitRemoteEngine";
inline constexpr const char* mzComTerminateRemoteEngineName = "mzComTerminateRemoteEngine";
using mzComInitRemoteEngineFn = uint32_t (*)(mzIComEngine* engine);
using mzComTerminateRemoteEngineFn = uint32_t (*)();
