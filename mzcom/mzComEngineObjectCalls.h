// Calls on the engine itself and on its marshaller and managers, passed through unchanged:
// 1 when no engine is kept or the object cannot be had, else the object's own result.
#pragma once

#include <cstdint>

uint32_t mzComEngineCall(uintptr_t a, uintptr_t b, uintptr_t c);

// The default marshaller, class "MZCOMDEFMARSH" as "MZCOMMARHSAL".
uint32_t mzComMarshalCall1(uintptr_t a, uintptr_t b, uintptr_t c);
uint32_t mzComMarshalCall2(uintptr_t a, uintptr_t b);
uint32_t mzComMarshalCall3(uintptr_t a, uintptr_t b);
uint32_t mzComMarshalCall4(uintptr_t a, uintptr_t b, uintptr_t c);
uint32_t mzComMarshalCall5(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e, uintptr_t f, uintptr_t g,
                           uintptr_t h, uintptr_t i);
uint32_t mzComMarshalCall6(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e);
uint32_t mzComMarshalCall7(uintptr_t a, uintptr_t b);

// The managers, classes named "MZIIDSHMEMMGRIMPL", "MZIIDCHMGRIMPL" and "MZIIDMUTEXMGRIMPL".
uint32_t mzComSharedMemoryManagerCall(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d);
uint32_t mzComChannelManagerCall(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d);
uint32_t mzComMutexManagerCall(uintptr_t a, uintptr_t b, uintptr_t c);
