// The entry points of the engine's server library "mzcomsrvdll". Its terminate entry has the
// name and shape of the library's own.
#pragma once

#include <cstdint>

#include "mzcom/mzComExports.h"

// Stores the server's engine, with one reference, through its argument.
inline constexpr const char* mzComGetRemoteEngineName = "mzComGetRemoteEngine";
using mzComGetRemoteEngineFn = uint32_t (*)(mzIComEngine** engine);
