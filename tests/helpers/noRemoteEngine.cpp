// A library in the server library's place that lacks its entry points.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) uint32_t notAnEngine() { return 0; }
