// A class factory registered with the engine for as long as this object lives.
#pragma once

#include <cstdint>

class mzIUnknown;

class mzComFactoryRegistrationC {
 public:
  explicit mzComFactoryRegistrationC(mzIUnknown* factory);
  mzComFactoryRegistrationC(const mzComFactoryRegistrationC&) = delete;
  mzComFactoryRegistrationC& operator=(const mzComFactoryRegistrationC&) = delete;
  ~mzComFactoryRegistrationC();

  // 0 when the registration failed.
  uint32_t getCookie() const { return cookie; }

 private:
  uint32_t cookie = 0;
};
