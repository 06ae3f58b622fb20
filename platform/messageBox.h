// The message box: it never blocks; it records the last text and caption for tests
// and writes one line to stderr.
#pragma once

#include <string>

namespace messageBox {

void show(const char* text, const char* caption);

struct shownS {
  std::string text;
  std::string caption;
  int count = 0;  // boxes shown since the last reset
};
const shownS& lastShown();
void resetShown();

}  // namespace messageBox
