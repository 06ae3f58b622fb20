#include "platform/sysThread.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>

#include "platform/sysCriticalSection.h"
#include "platform/sysCurrentProcess.h"
#include "platform/sysCurrentThread.h"
#include "platform/sysInterlocked.h"

namespace {

uint32_t returnArgument(void* argument) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(argument)); }

uint32_t reportWhetherCurrent(void* argument) {
  auto* thread = static_cast<sysThread*>(argument);
  while (!thread->isValid()) usleep(100);
  return thread->isCurrent() ? 1 : 2;
}

uint32_t exitEarly(void*) { sysThread::exit(42); }

uint32_t blockUntilCancelled(void* argument) {
  static_cast<std::atomic<bool>*>(argument)->store(true);
  for (;;) pause();
}

}  // namespace

TEST(SysThread, StartJoinAndExitCodes) {
  sysThread thread;
  EXPECT_FALSE(thread.join());
  EXPECT_FALSE(thread.isRunning());
  ASSERT_TRUE(thread.start(returnArgument, reinterpret_cast<void*>(uintptr_t{7})));
  EXPECT_NE(thread.id(), 0u);
  EXPECT_FALSE(thread.start(returnArgument, nullptr));  // already holds a thread
  uint32_t code = 0;
  ASSERT_TRUE(thread.join(&code));
  EXPECT_EQ(code, 7u);
  EXPECT_FALSE(thread.isValid());
  EXPECT_FALSE(thread.join());

  ASSERT_TRUE(thread.start(exitEarly, nullptr));
  ASSERT_TRUE(thread.join(&code));
  EXPECT_EQ(code, 42u);
}

TEST(SysThread, IdentityCopiesAndTermination) {
  sysThread thread;
  ASSERT_TRUE(thread.start(reportWhetherCurrent, &thread));
  EXPECT_FALSE(thread.isCurrent());  // asked from another thread
  uint32_t code = 0;
  sysThread copy(thread);
  EXPECT_TRUE(copy == thread);
  ASSERT_TRUE(thread.join(&code));
  EXPECT_EQ(code, 1u);  // the thread saw itself as current
  EXPECT_FALSE(copy.isRunning());
  EXPECT_FALSE(copy.isCurrent());

  sysThread empty;
  sysThread emptyCopy(empty);
  EXPECT_FALSE(emptyCopy.isValid());
  EXPECT_FALSE(empty.terminate());

  std::atomic<bool> started{false};
  sysThread blocked;
  ASSERT_TRUE(blocked.start(blockUntilCancelled, &started));
  while (!started) usleep(100);
  EXPECT_TRUE(blocked.isRunning());
  EXPECT_TRUE(blocked.terminate());
  ASSERT_TRUE(blocked.join(&code));
  EXPECT_EQ(code, 0u);

  sysThread self = sysThread::current();
  EXPECT_TRUE(self.isRunning());
  EXPECT_TRUE(self.isCurrent());
}

TEST(SysCurrentThreadAndProcess, TellTheCallerApart) {
  sysCurrentThread here;
  EXPECT_TRUE(here.isCurrent());
  EXPECT_TRUE(here.isRunning());
  sysCurrentThread copy(here);
  EXPECT_TRUE(copy.hasHandle());
  EXPECT_EQ(copy.id(), here.id());

  EXPECT_TRUE(sysCurrentProcess().isRunning());
  EXPECT_EQ(sysCurrentProcess().id(), static_cast<uint32_t>(getpid()));
  EXPECT_FALSE(sysCurrentProcess(0).isRunning());
  EXPECT_FALSE(sysCurrentProcess(0x7FFFFFF0).isRunning());
}

TEST(SysCriticalSection, InitialisesOnFirstEnterAndIsRecursive) {
  {
    sysCriticalSection neverEntered;
    neverEntered.leave();  // does nothing
    EXPECT_FALSE(neverEntered.isInitialised());
  }
  static sysCriticalSection lock;  // static storage: no constructor needed before use
  lock.enter();
  lock.enter();
  EXPECT_TRUE(lock.isInitialised());
  lock.leave();
  lock.leave();

  int32_t counter = 5;
  EXPECT_EQ(sysInterlockedAdd(&counter, 3), 5);
  EXPECT_EQ(counter, 8);
}
