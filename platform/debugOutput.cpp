#include "platform/debugOutput.h"

#include <cstdio>

namespace debugOutput {

static void writeToStderr(const char* text, void*) { std::fputs(text, stderr); }

static sinkS currentSink = {writeToStderr, nullptr};

void write(const char* text) {
  if (text) currentSink.fn(text, currentSink.context);
}

sinkS setSink(sinkFn fn, void* context) {
  sinkS previous = currentSink;
  currentSink = fn ? sinkS{fn, context} : sinkS{writeToStderr, nullptr};
  return previous;
}

}  // namespace debugOutput
