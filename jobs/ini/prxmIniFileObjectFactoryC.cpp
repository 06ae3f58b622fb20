#include "jobs/ini/prxmIniFileObjectFactoryC.h"

#include "jobs/ini/prxmIniFileC.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/proxyProgIdC.h"

namespace {

// A new INI file holding only its root, owned.
void createIniFile(void*, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmIniFileC(mIniFileC::create(0).getNode(), 1));
}

// The file read as ReadFile reads it; the object is handed out also when nothing could be
// read, and then holds no tree (ValidObj 0).
void readIniFile(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str path = textArgument(arguments, 0);
  auto* file = new prxmIniFileC(nullptr, 0);
  returnObject(result, file);
  file->readFile(path.c_str());
}

constexpr proxyMethodEntryS rows[] = {
    {"CreateIniFile", mzInvokeMethod, 0, &createIniFile},
    {"CreateIniFile", mzInvokeMethod, 1, &readIniFile},
    {},
};

}  // namespace

const proxyClassC prxmIniFileObjectFactoryC::description("class prxmIniFileObjectFactoryC *", rows,
                                                         &prxMetaObjectFactoryC::description);

namespace {

const proxyProgIdC progId(5, "rudezaze.minifactory", &makeProxyWithoutReference<prxmIniFileObjectFactoryC>);
const proxyProgIdC scriptingProgId(6, "scripting.inifile", &makeProxyWithoutReference<prxmIniFileObjectFactoryC>);

}  // namespace

prxmIniFileObjectFactoryC::prxmIniFileObjectFactoryC(uint8_t takeReference) : prxMetaObjectFactoryC(takeReference) {
  setClass(description);
}

void* prxmIniFileObjectFactoryC::getNativePointer() { return this; }
