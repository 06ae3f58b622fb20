#include "proxy/proxyProgIdC.h"

#include <cstring>

namespace {

bool goesBefore(const proxyProgIdC& a, const proxyProgIdC& b) {
  return a.getPlace() != b.getPlace() ? a.getPlace() < b.getPlace() : std::strcmp(a.getText(), b.getText()) < 0;
}

}  // namespace

proxyProgIdC::proxyProgIdC(uint32_t progIdPlace, const char* progId, makeT make)
    : place(progIdPlace), text(progId), maker(make) {
  proxyProgIdC** link = &firstProgId;
  while (*link && !goesBefore(*this, **link)) link = &(*link)->nextProgId;
  nextProgId = *link;
  *link = this;
}

proxyProgIdC::~proxyProgIdC() {
  for (proxyProgIdC** link = &firstProgId; *link; link = &(*link)->nextProgId) {
    if (*link == this) {
      *link = nextProgId;
      break;
    }
  }
}
