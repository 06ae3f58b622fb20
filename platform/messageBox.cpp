#include "platform/messageBox.h"

#include <cstdio>

namespace messageBox {

static shownS shown;

void show(const char* text, const char* caption) {
  shown.text = text ? text : "";
  shown.caption = caption ? caption : "";
  ++shown.count;
  std::fprintf(stderr, "[%s] %s\n", shown.caption.c_str(), shown.text.c_str());
}

const shownS& lastShown() { return shown; }

void resetShown() { shown = shownS(); }

}  // namespace messageBox
