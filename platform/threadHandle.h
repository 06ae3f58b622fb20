// Handles on threads, as the operating-system layer expects them: a thread handle is a
// counted reference to a thread record that can be duplicated and closed independently,
// and that keeps telling the thread's exit code (259 while it runs) after the thread ended.
#pragma once

#include <cstdint>

namespace threadHandle {

// The exit code reported for a thread that is still running.
constexpr uint32_t stillActive = 259;

struct recordS;
using handleT = recordS*;
using threadFn = uint32_t (*)(void* argument);

// Starts fn(argument) on a new thread. Null (and id 0) when the thread cannot be created.
handleT create(threadFn fn, void* argument, uint32_t* id);
// A new handle on the calling thread.
handleT current();
handleT duplicate(handleT handle);
void close(handleT handle);

// False when the handle is null.
bool exitCode(handleT handle, uint32_t* code);
// Blocks until the thread has ended. Waiting on the calling thread itself returns at once.
void wait(handleT handle);
// Asks the thread to stop at its next cancellation point; its exit code becomes code.
bool terminate(handleT handle, uint32_t code);
// Ends the calling thread with code; its destructors run.
[[noreturn]] void exitCurrent(uint32_t code);

uint32_t currentThreadId();
uint32_t currentProcessId();
// The exit code of another process: stillActive while it exists. False when it cannot be seen.
bool processExitCode(uint32_t processId, uint32_t* code);

}  // namespace threadHandle
