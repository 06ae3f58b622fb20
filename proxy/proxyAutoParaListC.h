// The arguments of one script call, handed out by index. The index read last is kept
// so that an error can name the argument that failed.
#pragma once

#include <cstdint>

#include "memman/memManInterfaceC.h"
#include "proxy/proxyAutoTypeCastC.h"

class proxyAutoParaListC : public memManInterfaceC {
 public:
  explicit proxyAutoParaListC(uint32_t count);
  proxyAutoParaListC(const proxyAutoParaListC&) = delete;
  proxyAutoParaListC& operator=(const proxyAutoParaListC&) = delete;
  ~proxyAutoParaListC() override;

  // Copies the cast's value and resolved value into argument index; an index outside
  // the list changes nothing.
  void setScriptArgument(uint32_t index, const proxyAutoTypeCastC& argument);

  // A copy of argument index, recorded as the current index. An index outside the list
  // throws proxyAutoTypeCastExceptionC and leaves the current index as it was.
  proxyAutoTypeCastC getScriptArgument(int index);
  // The same, with a by-reference script variable replaced by its value.
  proxyAutoTypeCastC getScriptArgumentValue(int index);

  uint32_t getCount() const { return count; }
  int getCurrentIndex() const { return currentIndex; }

 private:
  const proxyAutoTypeCastC& checkedArgument(int index);

  uint32_t count;
  proxyAutoTypeCastC* arguments = nullptr;
  int32_t currentIndex = -1;
};
