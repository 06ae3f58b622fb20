// Variants of every type, arrays nested in arrays and objects whose default members return
// values, themselves, other objects or fail, put through changeType and the calls built on
// it. Invariants: a conversion either succeeds with the requested type or fails and leaves
// the variant exactly as it was; numbers turned into text read back to the same text; and
// every reference taken on an object is given back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzzCheck.h"
#include "fuzz/hostObjects.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantArrayC.h"
#include "mzcom/mzVariantS.h"

namespace {

constexpr int objectCount = 3;
constexpr int slotCount = 4;
constexpr int maxOperations = 48;
constexpr int maxNesting = 3;

class variantFuzzC {
 public:
  explicit variantFuzzC(FuzzedDataProvider& input) : input(input) {}

  void run() {
    int answers[objectCount];
    for (int i = 0; i < objectCount; ++i) {
      answers[i] = input.ConsumeIntegralInRange<int>(0, scriptFuzz::defaultAnswerCount - 1);
      objects[i].answersDispatch = input.ConsumeIntegralInRange<int>(0, 7) != 0;
    }
    for (fakeDispatchC& object : objects) build(object.defaultValue, 1);
    for (int i = 0; i < objectCount; ++i) scriptFuzz::answerDefaultMember(objects[i], answers[i]);
    for (mzVariantS& slot : slots) build(slot, 0);
    for (int i = 0; i < maxOperations && input.remaining_bytes() > 0; ++i) operate();
    for (mzVariantS& slot : slots) slot.clear();
    for (fakeDispatchC& object : objects) object.defaultValue.clear();
    for (const fakeDispatchC& object : objects) scriptFuzz::checkReleased(object);
  }

 private:
  FuzzedDataProvider& input;
  fakeDispatchC objects[objectCount];
  mzVariantS slots[slotCount];

  uint32_t requestedType() {
    static const uint32_t types[] = {mzVariantS::typeEmpty,  mzVariantS::typeInt,       mzVariantS::typeDouble,
                                     mzVariantS::typeString, mzVariantS::typeInterface, mzVariantS::typeByte,
                                     mzVariantS::typeArray};
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0) return input.ConsumeIntegral<uint32_t>();
    return types[input.ConsumeIntegralInRange<size_t>(0, std::size(types) - 1)];
  }

  std::string text() {
    // Numbers in text form half of the time, so that conversions from text succeed too.
    if (input.ConsumeBool()) {
      static const char* const numbers[] = {"0", " 42", "42 ", "-3.9", "1e999", "-1e999", "300.7", "4x", "", "0x10",
                                            "nan", "inf", "1e-400", "2147483648", "-9.2e18", "1e19", ".5", "+7", "-"};
      return numbers[input.ConsumeIntegralInRange<size_t>(0, std::size(numbers) - 1)];
    }
    return input.ConsumeRandomLengthString(40);
  }

  double number() {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: {
        uint64_t bits = input.ConsumeIntegral<uint64_t>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
      }
      case 1:
        return input.ConsumeFloatingPoint<double>();
      default:
        return double(input.ConsumeIntegral<int32_t>()) / double(1 << input.ConsumeIntegralInRange<int>(0, 12));
    }
  }

  void build(mzVariantS& variant, int depth) {
    switch (input.ConsumeIntegralInRange<int>(0, 8)) {
      case 0:
        variant.clear();
        break;
      case 1:
        variant.setInt(input.ConsumeIntegral<int32_t>());
        break;
      case 2:
        variant.setDouble(number());
        break;
      case 3:
        variant.setString(text().c_str());
        break;
      case 4:
        variant.setByte(input.ConsumeIntegral<uint8_t>());
        break;
      case 5:
        variant.setDispatch(static_cast<mzIDispatch*>(&objects[input.ConsumeIntegralInRange<int>(0, objectCount - 1)]));
        break;
      case 6: {
        mzVariantArrayC* array = nullptr;
        mzVariantArrayC::create(array, depth < maxNesting ? input.ConsumeIntegralInRange<uint32_t>(0, 12) : 0);
        for (uint32_t i = 0; i < array->getCount(); ++i) {
          mzVariantS* element = nullptr;
          FUZZ_CHECK(mzVariantArrayC::getElement(array, i, element) == 0);
          build(*element, depth + 1);
        }
        variant.clear();
        variant.arrayValue = array;
        variant.type = mzVariantS::typeArray;
        break;
      }
      case 7:
        // An array variant without an array.
        variant.clear();
        variant.arrayValue = nullptr;
        variant.type = mzVariantS::typeArray;
        break;
      default: {
        // A type no variant can have: conversions and copies refuse it.
        uint32_t type = input.ConsumeIntegral<uint32_t>();
        if (type == mzVariantS::typeString || type == mzVariantS::typeInterface || type == mzVariantS::typeArray) break;
        variant.clear();
        variant.type = type;
        break;
      }
    }
  }

  mzVariantS& slot() { return slots[input.ConsumeIntegralInRange<int>(0, slotCount - 1)]; }

  // A slot, or an element somewhere inside a slot's arrays.
  mzVariantS& anyVariant() {
    mzVariantS* variant = &slot();
    while (variant->type == mzVariantS::typeArray && variant->arrayValue && variant->arrayValue->getCount() &&
           input.ConsumeBool()) {
      mzVariantArrayC::getElement(variant->arrayValue,
                                  input.ConsumeIntegralInRange<uint32_t>(0, variant->arrayValue->getCount() - 1),
                                  variant);
    }
    return *variant;
  }

  void checkedChangeType(mzVariantS& variant, uint32_t type) {
    mzVariantS before;
    std::memcpy(static_cast<void*>(&before), &variant, sizeof variant);
    uint32_t result = variant.changeType(type);
    if (result == 0) {
      FUZZ_CHECK(variant.type == type);
    } else {
      FUZZ_CHECK(result == 1);
      FUZZ_CHECK(std::memcmp(&before, &variant, sizeof variant) == 0);
    }
    before.type = mzVariantS::typeEmpty;  // the payload is the variant's, not this copy's
  }

  // A finite double as text reads back as a number that gives the same text.
  void checkNumberText(double value) {
    if (!std::isfinite(value)) return;
    mzVariantS variant;
    variant.setDouble(value);
    FUZZ_CHECK(variant.changeType(mzVariantS::typeString) == 0);
    std::string first = variant.stringText();
    FUZZ_CHECK(variant.changeType(mzVariantS::typeDouble) == 0);
    FUZZ_CHECK(variant.changeType(mzVariantS::typeString) == 0);
    FUZZ_CHECK(first == variant.stringText());
  }

  void operate() {
    switch (input.ConsumeIntegralInRange<int>(0, 11)) {
      case 0:
        checkedChangeType(anyVariant(), requestedType());
        break;
      case 1: {
        mzVariantS& source = anyVariant();
        mzVariantS destination;
        if (mzVariantS::convertCopy(source, destination, requestedType()) == 0) checkedChangeType(destination, mzVariantS::typeString);
        break;
      }
      case 2: {
        mzVariantS& variant = anyVariant();
        int32_t integer;
        double real;
        uint8_t byte;
        const char* text;
        switch (input.ConsumeIntegralInRange<int>(0, 3)) {
          case 0:
            if (variant.getInt(integer) == 0) FUZZ_CHECK(variant.type == mzVariantS::typeInt && integer == variant.intValue);
            break;
          case 1:
            if (variant.getDouble(real) == 0) FUZZ_CHECK(variant.type == mzVariantS::typeDouble);
            break;
          case 2:
            if (variant.getByte(byte) == 0) FUZZ_CHECK(variant.type == mzVariantS::typeByte && byte == variant.byteValue);
            break;
          default:
            if (variant.getText(text) == 0) FUZZ_CHECK(text && variant.type == mzVariantS::typeString);
            break;
        }
        break;
      }
      case 3: {
        mzVariantS& a = anyVariant();
        mzVariantS& b = anyVariant();
        a.isEqual(b, input.ConsumeBool());
        break;
      }
      case 4: {
        mzVariantS value;
        if (resolveDefaultValue(anyVariant(), value) == 0) FUZZ_CHECK(value.type != mzVariantS::typeInterface);
        break;
      }
      case 5: {
        // Either way round, also from an element inside the destination.
        mzVariantS& source = anyVariant();
        mzVariantS& destination = anyVariant();
        source.copyTo(destination);
        break;
      }
      case 6:
        build(anyVariant(), 1);
        break;
      case 7: {
        mzVariantS& variant = anyVariant();
        if (variant.type == mzVariantS::typeArray && variant.arrayValue)
          variant.arrayValue->resize(input.ConsumeIntegralInRange<uint32_t>(0, 20));
        break;
      }
      case 8: {
        mzVariantS& source = anyVariant();
        mzVariantS& destination = anyVariant();
        if (source.type == mzVariantS::typeArray && source.arrayValue && destination.type == mzVariantS::typeArray &&
            destination.arrayValue && source.arrayValue != destination.arrayValue)
          source.arrayValue->copyTo(*destination.arrayValue);
        break;
      }
      case 9:
        checkNumberText(number());
        break;
      case 10: {
        mzVariantS& variant = anyVariant();
        const char* text;
        mzIUnknown* object;
        if (variant.getString(text) == 0) FUZZ_CHECK(text != nullptr);
        if (variant.getInterface(object) == 0 && object) object->Release();
        break;
      }
      default:
        anyVariant().clear();
        break;
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  scriptFuzz::trapObjectMisuse();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  variantFuzzC(input).run();
  return 0;
}
