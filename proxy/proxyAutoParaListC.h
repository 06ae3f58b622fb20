// The arguments of one script call, handed out by index. The list reads the caller's
// variants where they are; what it has to make of them (a by-reference variable's value, an
// object's default text) it keeps until the call ends, so that a handler borrows a text
// argument without copying it. The index read last is kept so that an error can name the
// argument that failed.
#pragma once

#include <cstdint>

#include "memman/memManInterfaceC.h"
#include "proxy/proxyAutoTypeCastC.h"

class proxyAutoParaListC : public memManInterfaceC {
 public:
  // count empty arguments of the list's own, set with setScriptArgument.
  explicit proxyAutoParaListC(uint32_t count);
  // The caller's count variants, read in place; they must outlive the list.
  constexpr proxyAutoParaListC(uint32_t argumentCount, const mzVariantS* callerArguments)
      : count(argumentCount), values(callerArguments) {}
  proxyAutoParaListC(const proxyAutoParaListC&) = delete;
  proxyAutoParaListC& operator=(const proxyAutoParaListC&) = delete;
  ~proxyAutoParaListC() override {
    if (ownValues || keptValues) release();
  }

  // Copies the cast's value into argument index of a list with arguments of its own; an
  // index outside the list changes nothing.
  void setScriptArgument(uint32_t index, const proxyAutoTypeCastC& argument);

  // A copy of argument index, recorded as the current index. An index outside the list
  // throws proxyAutoTypeCastExceptionC and leaves the current index as it was.
  proxyAutoTypeCastC getScriptArgument(int index);
  // The same, with a by-reference script variable replaced by its value.
  proxyAutoTypeCastC getScriptArgumentValue(int index);
  // The text of argument index as getScriptArgumentValue(index).toCString() gives it,
  // borrowed: valid until the list ends. Throws as they do.
  const char* getScriptArgumentText(int index);

  uint32_t getCount() const { return count; }
  int getCurrentIndex() const { return currentIndex; }

 private:
  struct keptValueS;

  const mzVariantS& checkedArgument(int index);
  // A variant that lives as long as the list.
  mzVariantS& keepValue();
  void release();

  uint32_t count;
  const mzVariantS* values = nullptr;
  mzVariantS* ownValues = nullptr;
  keptValueS* keptValues = nullptr;
  int32_t currentIndex = -1;
};
