// A ProgID the class factory answers with a new proxy, declared beside the class it makes:
//
//   const proxyProgIdC progId(2, "rudezaze.m2dfactory", &makeProxyWithoutReference<prxm2dObjectFactoryC>);
//
// The class factory tries the ProgIDs by their place, lowest first (equal places by text),
// whatever order the statics of their files are made in; each registers itself before main.
#pragma once

#include <cstdint>

class proxyObjectC;

class proxyProgIdC {
 public:
  // A new object with count 0.
  using makeT = proxyObjectC* (*)();

  proxyProgIdC(uint32_t place, const char* progId, makeT make);
  proxyProgIdC(const proxyProgIdC&) = delete;
  proxyProgIdC& operator=(const proxyProgIdC&) = delete;
  ~proxyProgIdC();

  // The ProgIDs in the order the class factory tries them.
  static const proxyProgIdC* first() { return firstProgId; }
  const proxyProgIdC* getNext() const { return nextProgId; }

  uint32_t getPlace() const { return place; }
  const char* getText() const { return text; }
  proxyObjectC* make() const { return maker(); }

 private:
  static inline constinit proxyProgIdC* firstProgId = nullptr;

  uint32_t place;
  const char* text;
  makeT maker;
  proxyProgIdC* nextProgId = nullptr;
};

// The maker of a class whose constructor takes the take-a-reference flag.
template <class proxyT>
proxyObjectC* makeProxyWithoutReference() {
  return new proxyT(0);
}
