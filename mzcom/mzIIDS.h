// The identifier record that names interfaces, classes and engine services across the
// component boundary. The host reads and writes it, so the layout is fixed: a length
// (0 for a text identifier) and 32 bytes holding the text name or the identifier's bytes.
#pragma once

#include <cstddef>
#include <cstdint>

struct mzIIDS {
  static constexpr uint32_t maxBytes = 32;
  static constexpr uint32_t maxNameLength = maxBytes - 1;
  // Room for the text form of any record: up to 8 length digits, the colon,
  // two digits per byte and the terminating zero.
  static constexpr size_t textBufferSize = 8 + 1 + 2 * maxBytes + 1;

  uint32_t length;
  char data[maxBytes];

  constexpr mzIIDS() : length(0), data{} {}

  // A text identifier; the name is cut to 31 characters and always ends in a zero byte.
  constexpr explicit mzIIDS(const char* text) : length(0), data{} {
    for (uint32_t i = 0; text && i < maxNameLength && text[i]; ++i) data[i] = text[i];
  }

  // A binary identifier of at most 32 bytes.
  constexpr mzIIDS(const char* bytes, uint32_t count) : length(count < maxBytes ? count : maxBytes), data{} {
    for (uint32_t i = 0; bytes && i < length; ++i) data[i] = bytes[i];
  }

  mzIIDS& copyTo(mzIIDS& other) const;

  bool isEqualText(const char* text) const;
  bool isEqual(const mzIIDS& other) const;

  // "0000:" and the name, or the length as "%04x:" followed by each byte as two
  // lower-case hexadecimal digits. The buffer holds at least textBufferSize characters.
  void toString(char* buffer) const;
  // 0 when the text has the form toString writes and fits the record, else 1 and the
  // record is left as it was.
  uint32_t fromString(const char* text);

 private:
  // The characters of the name, without relying on a terminator inside the record.
  size_t nameLength() const;
};

static_assert(sizeof(mzIIDS) == 36, "the identifier record is shared with the host");
static_assert(offsetof(mzIIDS, data) == 4);
