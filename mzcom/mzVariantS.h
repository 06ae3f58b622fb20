// The tagged value that carries every argument and result of a call by name. Variants
// are passed by address across the component boundary, singly and as arrays with a
// stride of 16 bytes: an 8-byte payload, the type, 4 reserved bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class str;
class mzIUnknown;
class mzVariantArrayC;

// Chains of default values and of by-reference variables are followed at most this
// many steps; a longer chain (an object whose default member returns itself) fails
// like a conversion that is not possible.
inline constexpr int mzMaxIndirectionSteps = 32;

struct mzVariantS {
  static constexpr uint32_t typeEmpty = 0;
  static constexpr uint32_t typeInt = 1;
  static constexpr uint32_t typeDouble = 2;
  static constexpr uint32_t typeString = 4;      // owns the str
  static constexpr uint32_t typeInterface = 8;   // holds one reference
  static constexpr uint32_t typeByte = 16;
  static constexpr uint32_t typeArray = 32768;   // owns the array

  union {
    int32_t intValue;
    double doubleValue;
    uint8_t byteValue;
    str* stringValue;
    mzIUnknown* interfaceValue;
    mzVariantArrayC* arrayValue;
    unsigned char payload[8];
  };
  uint32_t type;
  uint32_t reserved;

  mzVariantS() : payload{}, type(typeEmpty), reserved(0) {}
  explicit mzVariantS(const char* text);
  explicit mzVariantS(mzIUnknown* object);
  mzVariantS(const mzVariantS& source);
  mzVariantS& operator=(const mzVariantS& source);
  ~mzVariantS() { clear(); }

  // Copies this variant into destination: texts and arrays are duplicated, interfaces
  // referenced again. 1, and the destination unchanged, for a variant of unknown type.
  uint32_t copyTo(mzVariantS& destination) const;
  uint32_t assign(const mzVariantS& source) { return source.copyTo(*this); }

  // Releases the payload; the variant becomes empty. One test of the type's bits sends
  // every variant that may own its payload (and any of an unknown type) out of line.
  void clear() {
    if (ownsPayload())
      releasePayload();
    else
      type = typeEmpty;
  }

  // Takes from's value without copying it, releasing this variant's own first; from is left
  // empty.
  void takeFrom(mzVariantS& from) {
    if (ownsPayload()) releasePayload();
    std::memcpy(payload, from.payload, sizeof payload);
    type = from.type;
    from.type = typeEmpty;
  }

  void setString(const char* text);
  // A null object leaves the variant empty; else it holds the object with a new reference.
  void setDispatch(mzIUnknown* object);
  // The narrow setters write the whole payload (its unused bytes 0), so that a copy of the
  // variant, which reads all eight bytes, is served from that one store. A variant that owns
  // its payload is left to an out-of-line step, so that the common case needs no frame.
  void setInt(int32_t value) {
    if (ownsPayload()) return replacePayload(uint32_t(value), typeInt);
    setPayloadWord(uint32_t(value));
    type = typeInt;
  }
  void setDouble(double value) {
    uint64_t word;
    std::memcpy(&word, &value, sizeof word);
    if (ownsPayload()) return replacePayload(word, typeDouble);
    doubleValue = value;
    type = typeDouble;
  }
  void setByte(uint8_t value) {
    if (ownsPayload()) return replacePayload(value, typeByte);
    setPayloadWord(value);
    type = typeByte;
  }
  // setInt for a variant that holds nothing to release, which it does not look at.
  void setPlainInt(int32_t value) {
    setPayloadWord(uint32_t(value));
    type = typeInt;
  }

  // The variant may own its payload (or has an unknown type): a string, an array or an
  // interface, which clear releases.
  bool ownsPayload() const { return (type & (typeString | typeInterface | typeArray)) != 0; }

  // Typed getters: each converts the variant in place when its type differs and
  // gives 1, the variant unchanged, when that is not possible.
  uint32_t getInt(int32_t& out);
  uint32_t getDouble(double& out);
  uint32_t getByte(uint8_t& out);
  // The text stays valid while the variant holds it.
  uint32_t getText(const char*& out);

  // Without conversion: 1 for any variant that is not a string / an interface.
  uint32_t getString(const char*& out) const;
  uint32_t getInterface(mzIUnknown*& out) const;

  // In-place conversion to the requested type: 0 on success; 1 and the variant as it
  // was when the conversion is not possible.
  uint32_t changeType(uint32_t requestedType);
  static uint32_t convertCopy(const mzVariantS& source, mzVariantS& destination, uint32_t requestedType);

  bool isEqual(const mzVariantS& other, bool convert) const;

  // The text of a string variant, "" for a string without text; null for other types.
  const char* stringText() const;

 private:
  // clear for a variant that owns a string or an array or holds an interface.
  void releasePayload();
  // releasePayload, then the payload word and the type.
  void replacePayload(uint64_t word, uint32_t newType);
  void setPayloadWord(uint64_t word) { std::memcpy(payload, &word, sizeof payload); }
};

static_assert(sizeof(mzVariantS) == 16, "variants are passed with a stride of 16 bytes");
static_assert(offsetof(mzVariantS, type) == 8);
static_assert(offsetof(mzVariantS, reserved) == 12);

// The value behind an object: an interface variant is replaced by what its default
// member returns, as long as that is again an object; any other variant is copied.
// 0 on success, 1 when an object has no default value.
uint32_t resolveDefaultValue(const mzVariantS& in, mzVariantS& out);
