// Creates the library's class factory and registers it with the engine's factory service.
#pragma once

#include <cstdint>

// The registration's result; cookie receives the registration's cookie when it succeeds.
// The engine holds the factory while it is registered; nothing else keeps it.
uint32_t createAndRegisterClassFactory(uint32_t* cookie);
