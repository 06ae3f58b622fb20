// Conversions between variant types, variant equality and default values.
#include <cstring>

#include "base/str.h"
#include "mzcom/mzExceptionObjectC.h"
#include "mzcom/mzForeignCall.h"
#include "mzcom/mzIDispatch.h"
#include "base/mzNumberText.h"
#include "mzcom/mzVariantS.h"

namespace {

// The default member of the object a variant holds, called as a method without
// arguments. An error object it hands back is dropped.
uint32_t invokeDefaultMember(const mzVariantS& object, mzVariantS& result) {
  mzSmartPtr<mzIDispatch> dispatch;
  variantToDispatch(dispatch, object);
  if (!dispatch) return 1;
  mzIException* error = nullptr;
  uint32_t outcome = dispatch->Invoke(nullptr, mzInvokeMethod, 0, nullptr, &result, &error);
  if (error) error->Release();
  return outcome;
}

// Follows default members while they return objects, at most mzMaxIndirectionSteps
// calls. On success value holds the first value that is not an object.
uint32_t followDefaultValues(const mzVariantS& object, mzVariantS& value) {
  mzVariantS current(object);
  for (int step = 0; step < mzMaxIndirectionSteps; ++step) {
    mzVariantS next;
    if (invokeDefaultMember(current, next) != 0) return 1;
    if (next.type != mzVariantS::typeInterface) return next.copyTo(value);
    current.assign(next);
  }
  return 1;
}

// The conversion table for every source that is not an object.
bool convertValue(const mzVariantS& source, uint32_t requestedType, mzVariantS& out) {
  double parsed = 0.0;
  switch (requestedType) {
    case mzVariantS::typeInt:
      switch (source.type) {
        case mzVariantS::typeDouble:
          out.setInt(doubleToInt32(source.doubleValue));
          return true;
        case mzVariantS::typeString:
          if (!parseDecimalNumber(source.stringText(), parsed)) return false;
          out.setInt(doubleToInt32(parsed));
          return true;
        case mzVariantS::typeByte:
          out.setInt(static_cast<int8_t>(source.byteValue));
          return true;
      }
      return false;
    case mzVariantS::typeDouble:
      switch (source.type) {
        case mzVariantS::typeInt:
          out.setDouble(source.intValue);
          return true;
        case mzVariantS::typeString:
          if (!parseDecimalNumber(source.stringText(), parsed)) return false;
          out.setDouble(parsed);
          return true;
      }
      return false;
    case mzVariantS::typeString: {
      char text[numberTextSize];
      switch (source.type) {
        case mzVariantS::typeInt:
          formatInt(source.intValue, text);
          out.setString(text);
          return true;
        case mzVariantS::typeDouble:
          formatDouble(source.doubleValue, text);
          out.setString(text);
          return true;
      }
      return false;
    }
    case mzVariantS::typeByte:
      switch (source.type) {
        case mzVariantS::typeInt:
          out.setByte(static_cast<uint8_t>(source.intValue));
          return true;
        case mzVariantS::typeDouble:
          out.setByte(static_cast<uint8_t>(doubleToInt32(source.doubleValue)));
          return true;
        case mzVariantS::typeString:
          if (!parseDecimalNumber(source.stringText(), parsed)) return false;
          out.setByte(static_cast<uint8_t>(doubleToInt32(parsed)));
          return true;
      }
      return false;
  }
  return false;
}

}  // namespace

uint32_t mzVariantS::changeType(uint32_t requestedType) {
  if (type == requestedType) return 0;
  mzVariantS converted;
  if (type == typeInterface) {
    // Whatever is asked for, an object stands for its default value.
    mzVariantS value;
    if (followDefaultValues(*this, value) != 0) return 1;
    if (value.type == requestedType) {
      converted.assign(value);
    } else if (!convertValue(value, requestedType, converted)) {
      return 1;
    }
  } else if (!convertValue(*this, requestedType, converted)) {
    return 1;
  }
  return converted.copyTo(*this);
}

uint32_t mzVariantS::convertCopy(const mzVariantS& source, mzVariantS& destination, uint32_t requestedType) {
  if (source.copyTo(destination) != 0) return 1;
  return destination.changeType(requestedType);
}

bool mzVariantS::isEqual(const mzVariantS& other, bool convert) const {
  if (type == other.type) {
    switch (type) {
      case typeInt:
        return intValue == other.intValue;
      case typeInterface:
        return interfaceValue == other.interfaceValue;
      case typeDouble:
        return doubleValue == other.doubleValue;
      case typeString:
        return std::strcmp(stringText(), other.stringText()) == 0;
      default:
        return false;
    }
  }
  if (!convert) return false;
  mzVariantS copy(other);
  if (copy.changeType(type) != 0) return false;
  return isEqual(copy, false);
}

uint32_t resolveDefaultValue(const mzVariantS& in, mzVariantS& out) {
  if (in.type != mzVariantS::typeInterface) return in.copyTo(out);
  mzVariantS value;
  if (followDefaultValues(in, value) != 0) return 1;
  return value.copyTo(out);
}
