#include "platform/crashHandler.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace {

int reportPipe = -1;

void reportCrash(uint64_t pc, uint64_t) {
  const char* text = pc ? "pc" : "no pc";
  ssize_t unused = write(reportPipe, text, strlen(text));
  (void)unused;
}

void exitWith42(int, siginfo_t*, void*) { _exit(42); }

__attribute__((noinline, no_sanitize("address", "undefined"))) void dereferenceNull(volatile int* pointer) {
  *pointer = 1;
}

// Runs body in a forked child whose crash handler is the test's own (the library installs
// its crash log at load), with action as the SIGSEGV action before it. Returns the child's
// wait status and what the crash callback reported.
template <class bodyT>
int runInChild(bodyT body, void (*previous)(int, siginfo_t*, void*), std::string& reported) {
  int ends[2];
  if (pipe(ends) != 0) return -1;
  pid_t pid = fork();
  if (pid == 0) {
    close(ends[0]);
    reportPipe = ends[1];
    restoreCrashHandler();
    struct sigaction action = {};
    if (previous) {
      action.sa_sigaction = previous;
      action.sa_flags = SA_SIGINFO;
    } else {
      action.sa_handler = SIG_DFL;
    }
    sigaction(SIGSEGV, &action, nullptr);
    if (!installCrashHandler(reportCrash)) _exit(3);
    body();
    _exit(0);
  }
  close(ends[1]);
  int status = -1;
  waitpid(pid, &status, 0);
  char buffer[64];
  ssize_t got;
  while ((got = read(ends[0], buffer, sizeof buffer)) > 0) reported.append(buffer, size_t(got));
  close(ends[0]);
  return status;
}

}  // namespace

TEST(crashHandler, FaultIsReportedThenKillsAsBefore) {
  std::string reported;
  int status = runInChild([] { dereferenceNull(nullptr); }, nullptr, reported);
  ASSERT_TRUE(WIFSIGNALED(status)) << status;
  EXPECT_EQ(WTERMSIG(status), SIGSEGV);
  EXPECT_EQ(reported, "pc");
}

TEST(crashHandler, SignalGoesOnToThePreviousHandler) {
  std::string fault, sent;
  int faulted = runInChild([] { dereferenceNull(nullptr); }, exitWith42, fault);
  int raised = runInChild([] { raise(SIGSEGV); }, exitWith42, sent);
  ASSERT_TRUE(WIFEXITED(faulted)) << faulted;
  EXPECT_EQ(WEXITSTATUS(faulted), 42);
  EXPECT_EQ(fault, "pc");
  ASSERT_TRUE(WIFEXITED(raised)) << raised;
  EXPECT_EQ(WEXITSTATUS(raised), 42);
  EXPECT_EQ(sent, "pc");
}

TEST(crashHandler, RestorePutsBackActionsAndAlternateStack) {
  std::string reported;
  int status = runInChild(
      [] {
        if (installCrashHandler(reportCrash)) _exit(4);  // already installed
        struct sigaction current;
        sigaction(SIGBUS, nullptr, &current);
        if (!(current.sa_flags & SA_ONSTACK)) _exit(5);
        stack_t alternate;
        if (sigaltstack(nullptr, &alternate) != 0 || (alternate.ss_flags & SS_DISABLE)) _exit(6);
        restoreCrashHandler();
        if (crashHandlerInstalled()) _exit(7);
        sigaction(SIGSEGV, nullptr, &current);
        if (current.sa_handler != SIG_DFL) _exit(8);
        // Nothing else handles a fault any more.
        dereferenceNull(nullptr);
      },
      nullptr, reported);
  ASSERT_TRUE(WIFSIGNALED(status)) << (WIFEXITED(status) ? WEXITSTATUS(status) : status);
  EXPECT_EQ(WTERMSIG(status), SIGSEGV);
  EXPECT_EQ(reported, "");
}
