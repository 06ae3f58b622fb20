#include "jobs/ini/prxmIniFileObjectFactoryC.h"

#include "jobs/ini/prxmIniFileC.h"
#include "proxy/factoryRows.h"
#include "proxy/proxyProgIdC.h"

using namespace methodRows;

namespace {

// A new INI file holding only its root, owned.
proxyObjectC* newIniFile() { return new prxmIniFileC(mIniFileC::create(0).getNode(), 1); }

// The file read as ReadFile reads it; the object is handed out also when nothing could be
// read, and then holds no tree (ValidObj 0).
void readIniFile(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str path = textArgument(arguments, 0);
  auto* file = new prxmIniFileC(nullptr, 0);
  returnObject(result, file);
  file->readFile(path.c_str());
}

constexpr auto rows = rowTable(makerRow<&newIniFile>("CreateIniFile"),
                               rowsOf({{"CreateIniFile", mzInvokeMethod, 1, &readIniFile}}));

}  // namespace

const proxyClassC prxmIniFileObjectFactoryC::description = describe("class prxmIniFileObjectFactoryC *", rows);

namespace {

const proxyProgIdC progId(5, "rudezaze.minifactory", &makeProxyWithoutReference<prxmIniFileObjectFactoryC>);
const proxyProgIdC scriptingProgId(6, "scripting.inifile", &makeProxyWithoutReference<prxmIniFileObjectFactoryC>);

}  // namespace

