#include "core/mExtAttrBaseC.h"

#include "core/keywordRegistries.h"
#include "core/prototypeBinding.h"
#include "platform/clock.h"

uint32_t generatedNameCounter = 0;
uint32_t generatedShortNameCounter = 0;

str generateName(uint32_t& counter) {
  ++counter;
  return str("VRK_") + str(counter) + "_" + str(wallClock::now().seconds);
}

str mExtAttrBaseC::getValueAsString() {
  return callPrototype(this, extAttrRegistry, str(), [](mExtAttrBaseC& prototype) { return prototype.getValueAsString(); });
}

str mExtAttrBaseC::makeName() {
  str name = getName();
  return name.isEmpty() ? generateName(generatedNameCounter) : name;
}

str mExtAttrBaseC::formatName(uint32_t maxLength) {
  str name = getStringAttribute("SHORTNAME");
  if (name.isEmpty()) name = makeName();
  if (uint32_t(name.length()) < maxLength) return name;
  str kept;
  for (const char* in = name.c_str(); *in; ++in) {
    unsigned char c = static_cast<unsigned char>(*in);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) kept += char(c);
  }
  return uint32_t(kept.length()) < maxLength ? kept : generateName(generatedShortNameCounter);
}
