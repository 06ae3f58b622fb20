#include "host/hostMessageOutputC.h"

#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

hostMessageOutputC* hostMessageOutputC::create() {
  auto* made = new hostMessageOutputC();
  made->AddRef();
  return made;
}

uint32_t hostMessageOutputC::writeMessage(int32_t code, mzVariantS* text) {
  const char* message = text ? text->stringText() : nullptr;
  if (!message) return 1;
  kept.push_back({code, message});
  return 0;
}
