#include "platform/safeMemoryRead.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

// Where cross-process reads are forbidden (seccomp, no ptrace rights), a write of the bytes
// into a pipe fails with EFAULT just the same for memory the process cannot read.
bool readThroughPipe(const void* address, void* out, size_t bytes) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  bool copied = true;
  auto* from = static_cast<const char*>(address);
  auto* to = static_cast<char*>(out);
  while (copied && bytes > 0) {
    size_t piece = bytes < 4096 ? bytes : 4096;
    copied = write(ends[1], from, piece) == ssize_t(piece) && read(ends[0], to, piece) == ssize_t(piece);
    from += piece;
    to += piece;
    bytes -= piece;
  }
  close(ends[0]);
  close(ends[1]);
  return copied;
}

}  // namespace

bool safeMemoryRead(const void* address, void* out, size_t bytes) {
  if (bytes == 0) return true;
  iovec local = {out, bytes};
  iovec remote = {const_cast<void*>(address), bytes};
  ssize_t copied = process_vm_readv(getpid(), &local, 1, &remote, 1, 0);
  if (copied >= 0) return size_t(copied) == bytes;
  if (errno == EFAULT) return false;
  return readThroughPipe(address, out, bytes);
}
