// What the stand-in server library tells a test about its engine.
#pragma once

#include <cstdint>

struct testRemoteEngineStateS {
  uint32_t references = 0;      // references on the engine it handed out
  uint32_t terminateCalls = 0;  // calls of its "mzComTerminateRemoteEngine"
  uint32_t componentPathCalls = 0;
  char componentPath[4096] = {};  // the last component path it was given
};

inline constexpr const char* testRemoteEngineStateName = "testRemoteEngineState";
using testRemoteEngineStateFn = testRemoteEngineStateS* (*)();
