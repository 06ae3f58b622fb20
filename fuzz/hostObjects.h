// The fuzz targets' side of the shared fake script objects (tests/helpers): how an input
// makes an object's default member answer, and a misuse of the objects as a finding.
#pragma once

#include <cstdio>

#include "fuzz/fuzzCheck.h"
#include "tests/helpers/fakeScriptObjects.h"

namespace scriptFuzz {

// A release below the owner's reference or a call without its arguments ends the run.
inline void trapObjectMisuse() {
  fakeObjectMisused = [](const char* what) {
    std::fprintf(stderr, "a host object was %s\n", what);
    FUZZ_CHECK(!"a host object was misused");
  };
}

// How the default member answers: its value, the object itself, failure, or nothing.
inline constexpr int defaultAnswerCount = 4;

// After the object's value is set.
inline void answerDefaultMember(fakeDispatchC& object, int answer) {
  object.returnsSelf = answer == 1;
  object.failDefault = answer == 2;
  if (answer == 3) object.defaultValue.clear();
}

// Every reference the library took on the object and its error object was given back.
inline void checkReleased(const fakeDispatchC& object) {
  FUZZ_CHECK(object.references == 1 && object.error.references == 1);
}

}  // namespace scriptFuzz
