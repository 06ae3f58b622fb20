// Collects everything written to the debugger output while it lives.
#pragma once

#include <string>

#include "platform/debugOutput.h"

struct captureDebugOutput {
  std::string text;
  debugOutput::sinkS previous;

  captureDebugOutput() : previous(debugOutput::setSink(&collect, this)) {}
  ~captureDebugOutput() { debugOutput::setSink(previous.fn, previous.context); }
  captureDebugOutput(const captureDebugOutput&) = delete;
  captureDebugOutput& operator=(const captureDebugOutput&) = delete;

 private:
  static void collect(const char* piece, void* self) { static_cast<captureDebugOutput*>(self)->text += piece; }
};
