// The handler of fatal signals (SIGSEGV, SIGBUS, SIGFPE, SIGILL). It runs on an alternate
// stack, gives the faulting code address and frame pointer to a callback, then hands the
// signal on to the action it replaced (or the default), so the process still dies as it
// would have without it.
#pragma once

#include <cstdint>

// Runs inside the signal handler: it may only do what is safe there.
using crashCallbackFn = void (*)(uint64_t pc, uint64_t framePointer);

// Installs the handler for the four signals, with an alternate stack for the calling thread
// unless it has one. Does nothing while installed; false then.
bool installCrashHandler(crashCallbackFn callback);

// Puts back the actions found at install, for the signals whose action is still this
// handler, and the calling thread's alternate stack.
void restoreCrashHandler();

bool crashHandlerInstalled();
