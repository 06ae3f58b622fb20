#include "jobs/ini/prxmIniFileC.h"

#include "jobs/ini/iniText.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

prxmIniFileC& self(void* native) { return proxyOf<prxmIniFileC>(native); }

void readFile(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str path = textArgument(arguments, 0);
  result.setInt(int32_t(self(native).readFile(path.c_str())));
}

void writeFile(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str path = textArgument(arguments, 0);
  mIniFileC file(self(native).getObject().getNode(), 0);
  result.setInt(int32_t(writeIniText(file, path.c_str())));
}

constexpr auto rows = rowTable(rowsOf({
                                   {"ReadFile", mzInvokeMethod, 1, &readFile},
                                   {"WriteFile", mzInvokeMethod, 1, &writeFile},
                               }),
                               childRow<prxmIniFileSectionListC, &mIniFileC::getSections>("Sections"));

}  // namespace

const proxyClassC prxmIniFileC::description = describeOverNodes("class prxmIniFileC *", rows.data());

uint32_t prxmIniFileC::readFile(const char* path) {
  mIniFileC read = readIniText(path);
  metaTreeC* root = read.getNode();
  // The model hands its tree over: this object owns it from now on.
  read.unlinkFromParent(0);
  attachTree(root, root ? 1 : 0);
  return object.isKeyword(mIniFileC::classKey);
}
