#include "core/treeLinkT.h"

#include <cstdlib>

#include "platform/debugOutput.h"

void treeLinkOutsideArena() {
  debugOutput::write("a tree node outside the node arena cannot be linked\n");
  std::abort();
}
