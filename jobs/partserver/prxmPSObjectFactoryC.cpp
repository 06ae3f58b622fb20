#include "jobs/partserver/prxmPSObjectFactoryC.h"

#include <string_view>

#include "jobs/partserver/prxmPSJobC.h"
#include "jobs/partserver/prxmPSOutFilesC.h"
#include "platform/asciiCase.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxFactoryClassConvention.h"

namespace {

// "job" and "outfilelist" in any letter case, each a new record holding only its root,
// owned; any other name makes nothing, and that is no error.
void createObject(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str name = textArgument(arguments, 0);
  std::string_view wanted(name.c_str());
  if (asciiCase::equal(wanted, "job")) {
    returnObject(result, new prxmPSJobC(mPSJobC::create(0).getNode(), 1));
  } else if (asciiCase::equal(wanted, "outfilelist")) {
    returnObject(result, new prxmPSOutFilesC(metaObjectC::createWithKeyword("FILENAMES", 0).getNode(), 1));
  }
}

constexpr proxyMethodEntryS rows[] = {
    {"tojob", mzInvokeMethod, 1, &toMember<prxmPSJobC, mPSJobC::classKey>},
    {"isjob", mzInvokeMethod, 1, &isMember<mPSJobC::classKey>},
    {"createObject", mzInvokeMethod, 1, &createObject},
    {},
};

}  // namespace

const proxyClassC prxmPSObjectFactoryC::description("class prxmPSObjectFactoryC *", rows,
                                                    &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(8, "rudezaze.mpartserverfactory", &makeProxyWithoutReference<prxmPSObjectFactoryC>);

}  // namespace

prxmPSObjectFactoryC::prxmPSObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmPSObjectFactoryC::getNativePointer() { return this; }
