#include "platform/crashHandler.h"

#include <errno.h>
#include <signal.h>
#include <sys/mman.h>
#include <ucontext.h>

#include <atomic>

namespace {

constexpr int crashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
constexpr int crashSignalCount = sizeof crashSignals / sizeof crashSignals[0];
constexpr size_t alternateStackSize = 64 * 1024;

struct sigaction previousActions[crashSignalCount];
crashCallbackFn crashCallback = nullptr;
bool installed = false;
void* ownAlternateStack = nullptr;
stack_t previousAlternateStack;
// One crash is written at a time; a second thread that faults meanwhile only hands its signal on.
std::atomic_flag writingCrash = ATOMIC_FLAG_INIT;

int indexOfSignal(int signalNumber) {
  for (int i = 0; i < crashSignalCount; ++i)
    if (crashSignals[i] == signalNumber) return i;
  return -1;
}

void faultingFrame(void* context, uint64_t& pc, uint64_t& framePointer) {
#if defined(__x86_64__)
  const mcontext_t& machine = static_cast<ucontext_t*>(context)->uc_mcontext;
  pc = uint64_t(machine.gregs[REG_RIP]);
  framePointer = uint64_t(machine.gregs[REG_RBP]);
#else
  (void)context;
  pc = 0;
  framePointer = 0;
#endif
}

void onCrashSignal(int signalNumber, siginfo_t* info, void* context) {
  int savedErrno = errno;
  if (!writingCrash.test_and_set()) {
    uint64_t pc, framePointer;
    faultingFrame(context, pc, framePointer);
    if (crashCallback) crashCallback(pc, framePointer);
    writingCrash.clear();
  }
  int index = indexOfSignal(signalNumber);
  if (index >= 0) sigaction(signalNumber, &previousActions[index], nullptr);
  // A fault comes back from the kernel when the faulting instruction runs again, now to the
  // previous action; a signal sent by a process has to be sent again. It stays blocked
  // until this handler returns.
  if (!info || info->si_code <= 0) raise(signalNumber);
  errno = savedErrno;
}

void provideAlternateStack() {
  stack_t current;
  if (sigaltstack(nullptr, &current) != 0 || !(current.ss_flags & SS_DISABLE)) return;
  // Mapped rather than static: if the library is unloaded on another thread, the stack
  // stays registered for this one and must stay valid.
  void* memory = mmap(nullptr, alternateStackSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) return;
  stack_t own = {};
  own.ss_sp = memory;
  own.ss_size = alternateStackSize;
  if (sigaltstack(&own, &previousAlternateStack) == 0) ownAlternateStack = memory;
  else munmap(memory, alternateStackSize);
}

void withdrawAlternateStack() {
  if (!ownAlternateStack) return;
  stack_t current;
  if (sigaltstack(nullptr, &current) == 0 && current.ss_sp == ownAlternateStack && !(current.ss_flags & SS_ONSTACK)) {
    sigaltstack(&previousAlternateStack, nullptr);
    munmap(ownAlternateStack, alternateStackSize);
  }
  ownAlternateStack = nullptr;
}

}  // namespace

bool installCrashHandler(crashCallbackFn callback) {
  if (installed) return false;
  crashCallback = callback;
  provideAlternateStack();
  struct sigaction action = {};
  action.sa_sigaction = onCrashSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int i = 0; i < crashSignalCount; ++i) sigaction(crashSignals[i], &action, &previousActions[i]);
  installed = true;
  return true;
}

void restoreCrashHandler() {
  if (!installed) return;
  for (int i = 0; i < crashSignalCount; ++i) {
    struct sigaction current;
    if (sigaction(crashSignals[i], nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) &&
        current.sa_sigaction == onCrashSignal)
      sigaction(crashSignals[i], &previousActions[i], nullptr);
  }
  withdrawAlternateStack();
  installed = false;
  crashCallback = nullptr;
}

bool crashHandlerInstalled() { return installed; }
