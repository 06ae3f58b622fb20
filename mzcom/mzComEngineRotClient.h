// The library's side of the engine's running-object table ("MZCOMENGROT"), and the message
// output found in it. 1 when no engine is kept or the table cannot be had, else the
// table's own result.
#pragma once

#include <cstdint>

#include "mzcom/mzIIDS.h"

// Finds the running object id as interface iid; reserved is 0.
uint32_t mzComRotCall1(const mzIIDS& id, const mzIIDS& iid, uint32_t reserved, void** out);
uint32_t mzComRotCall2(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d);
uint32_t mzComRotCall3(uintptr_t a);
uint32_t mzComRotCall4(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d);
uint32_t mzComRotCall5(uintptr_t a);
uint32_t mzComRotCall6();

// Hands code and text to the engine's message output; without one, writes the line
// "<code> <text>" to standard output and gives 0.
uint32_t mzComMessageOutput(int32_t code, const char* text);
