#include "core/keyWordDeclarationC.h"

keyWordDeclarationC::keyWordDeclarationC(const char* const* keyWords, size_t keyWordCount)
    : words(keyWords), count(keyWordCount), nextDeclaration(firstDeclaration) {
  firstDeclaration = this;
}

keyWordDeclarationC::~keyWordDeclarationC() {
  for (keyWordDeclarationC** link = &firstDeclaration; *link; link = &(*link)->nextDeclaration) {
    if (*link == this) {
      *link = nextDeclaration;
      break;
    }
  }
}
