// The engine's message output ("MZCOMMSGOUTPUT"): it keeps every message it is given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mzcom/mzComObjectT.h"
#include "mzcom/mzIComMessageOutput.h"

class hostMessageOutputC final : public mzComObjectT<mzComInterfaceT<mzIComMessageOutput, mzIID_IComMessageOutput>> {
 public:
  struct messageS {
    int32_t code;
    std::string text;
  };

  // A new output with one reference for the caller.
  static hostMessageOutputC* create();
  hostMessageOutputC(const hostMessageOutputC&) = delete;
  hostMessageOutputC& operator=(const hostMessageOutputC&) = delete;

  // QueryInterface answers "MZIIDUNK" and "MZCOMMSGOUTPUT"; anything else gives 1 and a null pointer.
  // Keeps the message; 1 for a text that is not a string variant.
  uint32_t writeMessage(int32_t code, mzVariantS* text) override;

  const std::vector<messageS>& messages() const { return kept; }

 private:
  hostMessageOutputC() = default;
  ~hostMessageOutputC() = default;

  std::vector<messageS> kept;
};
