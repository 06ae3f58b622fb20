#include "proxy3d/prxm3dFeatForeignC.h"

#include "docproxy/nodeProxyHandlers.h"
#include "model3d/bodyFeatures/m3dFeatForeignC.h"
#include "proxy/fieldRows.h"

namespace {

m3dFeatForeignC foreignOf(void* native) { return m3dFeatForeignC(nodeOfProxy(native), 0); }

template <str (m3dFeatForeignInfoC::*getter)()>
void getInfo(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString((foreignOf(native).getFeatInfo().*getter)().c_str());
}

template <void (m3dFeatForeignC::*setter)(const char*)>
void putInfo(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* text = textArgument(arguments, 0);
  (foreignOf(native).*setter)(text);
  methodRows::answerPut<methodRows::putAnswerE::proxy>(native, result);
}

// Every argument is read before the feature changes, so a bad one changes nothing.
void importFile(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* formatName = textArgument(arguments, 0);
  const char* formatVersion = textArgument(arguments, 1);
  const char* path = textArgument(arguments, 2);
  result.setInt(foreignOf(native).importFile(formatName, formatVersion, path));
}

void exportFile(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* path = textArgument(arguments, 0);
  result.setInt(foreignOf(native).exportFile(path));
}

constexpr auto rows = methodRows::rowTable(
    methodRows::settableRows("FormatName", &getInfo<&m3dFeatForeignInfoC::getFormatName>,
                             &putInfo<&m3dFeatForeignC::setFormatName>),
    methodRows::settableRows("FormatVersion", &getInfo<&m3dFeatForeignInfoC::getFormatVersion>,
                             &putInfo<&m3dFeatForeignC::setFormatVersion>),
    methodRows::rowsOf({{"ImportFile", mzInvokeMethod, 3, &importFile}, {"ExportFile", mzInvokeMethod, 1, &exportFile}}));

}  // namespace

const proxyClassC prxm3dFeatForeignC::description = describeOverNodes("class prxm3dFeatForeignC *", rows);
