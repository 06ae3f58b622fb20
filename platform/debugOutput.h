// The debugger output channel: diagnostics of the memory manager and the proxies go here.
// By default the text goes to stderr; a test installs its own sink to read it.
#pragma once

namespace debugOutput {

using sinkFn = void (*)(const char* text, void* context);

// Sends one piece of text to the current sink. A null text is ignored.
void write(const char* text);

// Replaces the sink; a null function restores the stderr sink. Returns the previous sink.
struct sinkS {
  sinkFn fn;
  void* context;
};
sinkS setSink(sinkFn fn, void* context);

}  // namespace debugOutput
