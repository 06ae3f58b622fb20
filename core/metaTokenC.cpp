#include "core/metaTokenC.h"

#include <cstring>

// Gives s exactly the length bytes of text plus the terminating zero.
static void fillText(str& s, const char* text, int length) {
  char* bytes = s.getBuffer(length + 1);
  if (length > 0) std::memcpy(bytes, text, size_t(length));
  bytes[length] = 0;
}

metaTokenC::metaTokenC(int kind, const int* position, const str& text) : metaTokenC() {
  if (kind == kindWord || kind == kindString) setText(uint32_t(kind), position, text.c_str(), text.length());
}

metaTokenC::metaTokenC(int kind, const int* position, double value) : metaTokenC() {
  if (kind == kindDouble) setDouble(position, value);
}

metaTokenC::metaTokenC(int kind, const int* position, int value) : metaTokenC() {
  if (kind == kindInteger) setInteger(position, value);
  else if (kind == kindInteger2) setInteger2(position, value);
  else if (kind == kindDouble) setDouble(position, double(value));
}

metaTokenC::metaTokenC(const metaTokenC& other) : metaTokenC() { assign(other); }

void metaTokenC::assign(const metaTokenC& other) {
  if (this == &other) return;
  switch (other.kind) {
    case kindWord:
    case kindString:
      setText(other.kind, nullptr, other.value.text->c_str(), other.value.text->length());
      break;
    case kindDouble:
      setDouble(nullptr, other.value.number);
      break;
    case kindInteger:
      setInteger(nullptr, other.value.integer);
      break;
    case kindInteger2:
      setInteger2(nullptr, other.value.integer);
      break;
    default:
      clear();
      break;
  }
  takePosition(other);
}

void metaTokenC::storePosition(const int* from) {
  int newLine = from ? from[0] : -1, second = from ? from[1] : -1;
  line = newLine;
  bool onLine = metaTokenPositionsC::isShared(newLine, second);
  bool kept = !onLine && !(newLine == -1 && second == -1);
  // A kept pair is replaced where it is.
  if (kept) metaTokenPositionsC::store(this, newLine, second);
  else if (pairStored) metaTokenPositionsC::forget(this);
  pairOnLine = onLine;
  pairStored = kept;
}

// Without looking the pair up where the other token shares it.
void metaTokenC::takePosition(const metaTokenC& other) {
  if (other.pairStored) return copyPosition(metaTokenPositionsC::find(&other));
  if (pairStored) metaTokenPositionsC::forget(this);
  line = other.line;
  pairOnLine = other.pairOnLine;
  pairStored = false;
}

void metaTokenC::setText(uint32_t textKind, const int* position, const char* text, int length) {
  if (!text) length = 0;
  if (sharedText) {
    // Copied before the text is let go: the new text may lie in it.
    str* fresh = new str;
    fillText(*fresh, text, length);
    dropText();
    value.text = fresh;
    kind = textKind;
    copyPosition(position);
    return;
  }
  str* own = getText();
  if (!own) {
    clear();
    own = new str;
    fillText(*own, text, length);
  } else if (own->buffer.data && text >= own->buffer.data && text < own->buffer.data + own->buffer.size) {
    // The new text lies in the buffer it would replace: copy it out first.
    str* fresh = new str;
    fillText(*fresh, text, length);
    delete own;
    own = fresh;
  } else {
    fillText(*own, text, length);
  }
  value.text = own;
  kind = textKind;
  copyPosition(position);
}

void metaTokenC::setWord(const int* position, const char* text) {
  setText(kindWord, position, text, text ? int(std::strlen(text)) : 0);
}

void metaTokenC::setString(const int* position, const char* text) {
  setText(kindString, position, text, text ? int(std::strlen(text)) : 0);
}

void metaTokenC::setWord(const int* position, const char* text, int length) {
  setText(kindWord, position, text, length);
}

void metaTokenC::setString(const int* position, const char* text, int length) {
  setText(kindString, position, text, length);
}

void metaTokenC::setInteger(const int* position, int integer) {
  clear();
  value.integer = integer;
  kind = kindInteger;
  copyPosition(position);
}

void metaTokenC::setInteger2(const int* position, int integer) {
  clear();
  value.integer = integer;
  kind = kindInteger2;
  copyPosition(position);
}

void metaTokenC::dropText() {
  if (sharedText) static_cast<metaTokenTextC*>(value.text)->releaseHolder();
  else delete value.text;
  sharedText = false;
  value.text = nullptr;
}

bool metaTokenC::operator==(const metaTokenC& other) const {
  if (kind != other.kind) return false;
  switch (kind) {
    case kindWord:
    case kindString: {
      const str& a = *value.text;
      const str& b = *other.value.text;
      return a.length() == b.length() && std::memcmp(a.c_str(), b.c_str(), size_t(a.length())) == 0;
    }
    case kindDouble:
      return value.number == other.value.number;
    case kindInteger:
    case kindInteger2:
      return value.integer == other.value.integer;
    default:
      return false;
  }
}
