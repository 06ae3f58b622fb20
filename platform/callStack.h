// Call stacks as records of code addresses that end at the first zero entry or after the
// record's depth.
#pragma once

#include <cstdint>

// The calling thread's stack, beginning with the return address into the caller of this
// function. Uses the unwinder, so it is exact also in code built without frame pointers.
void captureStack(uint64_t* record, int depth);

// The same walk, kept from the frame of the code address pc onwards (from the start when pc
// is not on the stack). Used after a broken frame chain.
void captureStackFrom(uint64_t pc, uint64_t* record, int depth);

// Starts at pc and follows the saved frame-pointer links from fp, reading every link
// through the kernel so a wrong pointer never faults; safe inside a signal handler. False
// when the chain is broken (a link that cannot be read, goes down the stack, or jumps more
// than 64 KiB up, or no frame pointer to start from); the record then holds the frames
// found before the break.
bool walkFramePointers(uint64_t pc, uint64_t fp, uint64_t* record, int depth);

// The unwinder loads its support library on first use; doing that ahead of time keeps
// loading (and allocating) out of a later signal handler.
void preloadStackCapture();
