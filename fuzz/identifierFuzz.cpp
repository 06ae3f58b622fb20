// Identifier records from any text and any bytes. Invariants: fromString either refuses and
// leaves the record as it was, or accepts a record whose text form reads back to the same
// identifier; toString of any record, however malformed, stays inside its buffer; comparisons
// of any two records never read beyond them.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzz/fuzzCheck.h"
#include "mzcom/mzIIDS.h"

namespace {

mzIIDS recordFrom(FuzzedDataProvider& input) {
  mzIIDS record;
  record.length = input.ConsumeBool() ? input.ConsumeIntegralInRange<uint32_t>(0, 40) : input.ConsumeIntegral<uint32_t>();
  input.ConsumeData(record.data, sizeof record.data);
  return record;
}

bool sameRecord(const mzIIDS& a, const mzIIDS& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The same identifier: the same length and the bytes it counts (a text identifier: its name,
// byte for byte). Digit pairs beyond the length are kept in the record but are no part of it.
bool sameIdentifier(const mzIIDS& a, const mzIIDS& b) {
  if (a.length != b.length) return false;
  if (a.length == 0) return strncmp(a.data, b.data, mzIIDS::maxBytes) == 0;
  return std::memcmp(a.data, b.data, a.length) == 0;
}

// The text form in a buffer of exactly the promised size, so that a longer text is caught.
std::string textForm(const mzIIDS& record) {
  auto buffer = std::make_unique<char[]>(mzIIDS::textBufferSize);
  record.toString(buffer.get());
  size_t length = strnlen(buffer.get(), mzIIDS::textBufferSize);
  FUZZ_CHECK(length < mzIIDS::textBufferSize);
  return std::string(buffer.get(), length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The whole input as a text first: the seeds are text forms.
  std::string text(reinterpret_cast<const char*>(data), size);
  mzIIDS parsed = mzIIDS("MZIIDUNK");
  const mzIIDS before = parsed;
  if (parsed.fromString(text.c_str()) != 0) {
    FUZZ_CHECK(sameRecord(parsed, before));
  } else {
    FUZZ_CHECK(parsed.length <= mzIIDS::maxBytes);
    mzIIDS again;
    FUZZ_CHECK(again.fromString(textForm(parsed).c_str()) == 0);
    FUZZ_CHECK(sameIdentifier(again, parsed));
    FUZZ_CHECK(again.isEqual(parsed) && parsed.isEqual(again));
  }

  // A name of any bytes is cut to 31 characters and equals its own text.
  mzIIDS named(text.c_str());
  FUZZ_CHECK(named.length == 0 && named.data[mzIIDS::maxNameLength] == 0);
  if (std::strlen(text.c_str()) <= mzIIDS::maxNameLength) FUZZ_CHECK(named.isEqualText(text.c_str()));

  // Arbitrary records, as a host might hand them over.
  FuzzedDataProvider input(data, size);
  mzIIDS first = recordFrom(input);
  mzIIDS second = recordFrom(input);
  textForm(first);
  textForm(second);
  FUZZ_CHECK(first.isEqual(second) == second.isEqual(first));
  std::string probe = input.ConsumeRandomLengthString(64);
  first.isEqualText(probe.c_str());
  mzIIDS counted(probe.data(), uint32_t(probe.size()));
  FUZZ_CHECK(counted.length == (probe.size() < mzIIDS::maxBytes ? probe.size() : mzIIDS::maxBytes));
  FUZZ_CHECK(counted.isEqualText(probe.c_str()) == (std::strlen(probe.c_str()) == counted.length &&
                                                     std::memcmp(counted.data, probe.data(), counted.length) == 0));
  mzIIDS copy;
  first.copyTo(copy);
  FUZZ_CHECK(sameRecord(copy, first));
  return 0;
}
