#include "mzcom/mzVariantS.h"

#include <cstring>

#include "base/str.h"
#include "mzcom/mzIUnknown.h"
#include "mzcom/mzVariantArrayC.h"

mzVariantS::mzVariantS(const char* text) : mzVariantS() { setString(text); }

mzVariantS::mzVariantS(mzIUnknown* object) : mzVariantS() { setDispatch(object); }

mzVariantS::mzVariantS(const mzVariantS& source) : mzVariantS() { source.copyTo(*this); }

mzVariantS& mzVariantS::operator=(const mzVariantS& source) {
  source.copyTo(*this);
  return *this;
}

uint32_t mzVariantS::copyTo(mzVariantS& destination) const {
  if (&destination == this) return 0;
  // The new payload is made before the destination is cleared: the source may live
  // inside what the destination owns (an element of its array).
  mzVariantS copy;
  switch (type) {
    case typeEmpty:
      break;
    case typeInt:
    case typeDouble:
    case typeByte:
      std::memcpy(copy.payload, payload, sizeof payload);
      break;
    case typeString:
      copy.stringValue = new str(stringText());
      break;
    case typeInterface:
      copy.interfaceValue = interfaceValue;
      if (interfaceValue) interfaceValue->AddRef();
      break;
    case typeArray:
      // A variant without an array copies as one without an array.
      copy.arrayValue = nullptr;
      if (arrayValue) {
        copy.arrayValue = new mzVariantArrayC();
        arrayValue->copyTo(*copy.arrayValue);
      }
      break;
    default:
      return 1;
  }
  copy.type = type;
  destination.clear();
  std::memcpy(destination.payload, copy.payload, sizeof payload);
  destination.type = copy.type;
  copy.type = typeEmpty;  // the payload now belongs to the destination
  return 0;
}

void mzVariantS::releasePayload() {
  // The type goes first: a destructor reached from here may look at this variant again.
  uint32_t oldType = type;
  type = typeEmpty;
  switch (oldType) {
    case typeString:
      delete stringValue;  // a host's str goes back through its own deleting destructor
      break;
    case typeInterface:
      if (interfaceValue) interfaceValue->Release();
      break;
    case typeArray:
      delete arrayValue;
      break;
    default:
      break;
  }
}

void mzVariantS::replacePayload(uint64_t word, uint32_t newType) {
  releasePayload();
  setPayloadWord(word);
  type = newType;
}

void mzVariantS::setString(const char* text) {
  str* value = new str(text ? text : "");
  clear();
  stringValue = value;
  type = typeString;
}

void mzVariantS::setDispatch(mzIUnknown* object) {
  if (object) object->AddRef();
  clear();
  if (!object) return;
  interfaceValue = object;
  type = typeInterface;
}

uint32_t mzVariantS::getInt(int32_t& out) {
  if (changeType(typeInt) != 0) return 1;
  out = intValue;
  return 0;
}

uint32_t mzVariantS::getDouble(double& out) {
  if (changeType(typeDouble) != 0) return 1;
  out = doubleValue;
  return 0;
}

uint32_t mzVariantS::getByte(uint8_t& out) {
  if (changeType(typeByte) != 0) return 1;
  out = byteValue;
  return 0;
}

uint32_t mzVariantS::getText(const char*& out) {
  if (changeType(typeString) != 0) return 1;
  out = stringText();
  return 0;
}

uint32_t mzVariantS::getString(const char*& out) const {
  if (type != typeString) return 1;
  out = stringText();
  return 0;
}

uint32_t mzVariantS::getInterface(mzIUnknown*& out) const {
  if (type != typeInterface) return 1;
  out = interfaceValue;
  if (out) out->AddRef();
  return 0;
}

const char* mzVariantS::stringText() const {
  if (type != typeString) return nullptr;
  return stringValue ? stringValue->c_str() : "";
}
