#include "platform/threadHandle.h"

#include <pthread.h>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <new>

namespace threadHandle {

struct recordS {
  std::atomic<int> references;
  pthread_t thread;
  bool joinable;  // started here: its end can be waited for
  pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
  pthread_cond_t changed = PTHREAD_COND_INITIALIZER;
  bool finished = false;
  uint32_t code = stillActive;
  uint32_t id = 0;           // kernel thread id, known once the thread runs
  bool terminated = false;   // a terminator asked it to stop with terminateCode
  uint32_t terminateCode = 0;
  threadFn fn = nullptr;
  void* argument = nullptr;
};

static void release(recordS* record) {
  if (record->references.fetch_sub(1) != 1) return;
  if (record->joinable) pthread_detach(record->thread);
  delete record;
}

static void finish(recordS* record, uint32_t code) {
  pthread_mutex_lock(&record->lock);
  if (!record->finished) {
    record->finished = true;
    record->code = code;
  }
  pthread_cond_broadcast(&record->changed);
  pthread_mutex_unlock(&record->lock);
}

// The record of the calling thread, made on first use; the thread itself holds one reference
// that it gives up when it ends, so a record outlives neither its thread nor its last handle.
struct threadSelfS {
  recordS* record = nullptr;
  uint32_t exitCode = 0;
  bool exitCodeSet = false;  // returned or called exitCurrent, rather than being cancelled
  ~threadSelfS() {
    if (!record) return;
    pthread_mutex_lock(&record->lock);
    uint32_t code = exitCodeSet || !record->terminated ? exitCode : record->terminateCode;
    pthread_mutex_unlock(&record->lock);
    finish(record, code);
    release(record);
  }
};
static thread_local threadSelfS self;

static void* startRoutine(void* opaque) {
  recordS* record = static_cast<recordS*>(opaque);
  self.record = record;
  pthread_mutex_lock(&record->lock);
  record->id = currentThreadId();
  pthread_cond_broadcast(&record->changed);
  pthread_mutex_unlock(&record->lock);
  uint32_t code = record->fn(record->argument);
  self.exitCode = code;
  self.exitCodeSet = true;
  return nullptr;
}

handleT create(threadFn fn, void* argument, uint32_t* id) {
  recordS* record = new (std::nothrow) recordS;
  if (!record) return nullptr;
  record->references = 2;  // the handle and the thread
  record->joinable = true;
  record->fn = fn;
  record->argument = argument;
  if (pthread_create(&record->thread, nullptr, startRoutine, record) != 0) {
    delete record;
    if (id) *id = 0;
    return nullptr;
  }
  // The id is the one the thread sees as its own, so wait until it has told it.
  pthread_mutex_lock(&record->lock);
  while (record->id == 0) pthread_cond_wait(&record->changed, &record->lock);
  if (id) *id = record->id;
  pthread_mutex_unlock(&record->lock);
  return record;
}

handleT current() {
  if (!self.record) {
    recordS* record = new recordS;
    record->references = 1;  // the thread's own
    record->thread = pthread_self();
    record->joinable = false;
    record->id = currentThreadId();
    self.record = record;
  }
  self.record->references.fetch_add(1);
  return self.record;
}

handleT duplicate(handleT handle) {
  if (handle) handle->references.fetch_add(1);
  return handle;
}

void close(handleT handle) {
  if (handle) release(handle);
}

bool exitCode(handleT handle, uint32_t* code) {
  if (!handle) return false;
  pthread_mutex_lock(&handle->lock);
  *code = handle->code;
  pthread_mutex_unlock(&handle->lock);
  return true;
}

void wait(handleT handle) {
  if (!handle || handle == self.record) return;
  pthread_mutex_lock(&handle->lock);
  while (!handle->finished) pthread_cond_wait(&handle->changed, &handle->lock);
  pthread_mutex_unlock(&handle->lock);
}

bool terminate(handleT handle, uint32_t code) {
  if (!handle || !handle->joinable) return false;
  pthread_mutex_lock(&handle->lock);
  bool running = !handle->finished;
  if (running) {
    handle->terminated = true;
    handle->terminateCode = code;
  }
  pthread_mutex_unlock(&handle->lock);
  return running && pthread_cancel(handle->thread) == 0;
}

void exitCurrent(uint32_t code) {
  self.exitCode = code;
  self.exitCodeSet = true;
  pthread_exit(nullptr);
}

uint32_t currentThreadId() { return static_cast<uint32_t>(syscall(SYS_gettid)); }

uint32_t currentProcessId() { return static_cast<uint32_t>(getpid()); }

bool processExitCode(uint32_t processId, uint32_t* code) {
  if (processId == 0 || kill(static_cast<pid_t>(processId), 0) != 0) return false;
  *code = stillActive;
  return true;
}

}  // namespace threadHandle
