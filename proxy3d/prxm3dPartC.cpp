#include "proxy3d/prxm3dPartC.h"

#include "core/keyNodeField.h"
#include "core/metaObjListStrContainerC.h"
#include "core/metaTreeReaderC.h"
#include "core/propertyValuePut.h"
#include "docproxy/finiteArguments.h"
#include "docproxy/nodeProxyHandlers.h"
#include "docproxy/prxmDocumentPrefsC.h"
#include "model3d/documents/m3dPartC.h"
#include "proxy/fieldRows.h"
#include "proxy/prxmStringListC.h"
#include "proxy3d/prxm3dConnPointsC.h"
#include "proxy3d/prxm3dCosSketchesC.h"
#include "proxy3d/prxm3dFeaturesC.h"
#include "proxy3d/prxm3dPartAttrC.h"
#include "proxy3d/prxm3dPartDetailLevelC.h"
#include "proxy3d/prxm3dPointC.h"

namespace {

constexpr char itemsKey[] = "ITEMS";
constexpr char connectionsKey[] = "CONNECT";
constexpr char cosmeticDrawsKey[] = "COSDRAW";
constexpr char partAttrKey[] = "PARTATTR";
constexpr char colorKey[] = "RGBCOLOR";
constexpr char partPrefsKey[] = "PARTPREFS";
constexpr char detailLevelKey[] = "PARTLOD";
constexpr char file3dbKey[] = "NAME3DB";
constexpr char partTypeKey[] = "MTYP";

m3dPartC partOf(void* native) { return m3dPartC(nodeOfProxy(native), 0); }

void namePrefix(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* attributes = metaObjectC(nodeOfProxy(native), 0).attributeNode(partAttrKey);
  metaTreeC* prefixes = metaObjectC(attributes, 0).attributeNode("DOCNAMEPRE");
  returnObject(result, new prxmStringListC(metaObjListStrContainerC(prefixes, 0)));
}

void recalcWithDetailLevel(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* name = textArgument(arguments, 0);
  result.setInt(partOf(native).recalcWithSelectedDetailLevel(name));
}

void getPartType(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(partOf(native).getMTyp().c_str());
}

// Only a text that reads back as one key word is stored; any other fails as an argument that
// does not convert, changing nothing.
void putPartType(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* word = textArgument(arguments, 0);
  if (!metaTreeReaderC::isKeyword(word)) throwTypeCastException();
  m3dPartC part = partOf(native);
  putPropertyWord(fieldNode(part.getNode(), partTypeKey), word);
  result.setString(part.getMTyp().c_str());
}

// The whole matrix is read, and must be finite, before the part is touched.
void transformPart(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const matrixC4x4<double> matrix = finiteMatrix4x4Argument(arguments, 0);
  result.setInt(partOf(native).transform(matrix));
}

constexpr auto partRows = methodRows::rowTable(
    methodRows::rowsOf({
        {"Features", mzInvokePropertyGet, 0, &childProxy<prxm3dFeaturesC, itemsKey>},
        {"ConnectionPoints", mzInvokePropertyGet, 0, &childProxy<prxm3dConnPointsC, connectionsKey>},
        {"CosmeticDraws", mzInvokePropertyGet, 0, &childProxy<prxm3dCosSketchesC, cosmeticDrawsKey>},
        {"PartAttr", mzInvokePropertyGet, 0, &childProxy<prxm3dPartAttrC, partAttrKey>},
        {"ColorRGB", mzInvokePropertyGet, 0, &childProxy<prxm3dPointC, colorKey>},
        {"PartPrefs", mzInvokePropertyGet, 0, &childProxy<prxmDocumentPrefsC, partPrefsKey>},
        {"PartDetailLevel", mzInvokePropertyGet, 0, &childProxy<prxm3dPartDetailLevelC, detailLevelKey>},
        {"NamePrefix", mzInvokeMethod, 0, &namePrefix},
        {"RecalcWithDetailLevel", mzInvokeMethod, 1, &recalcWithDetailLevel},
        {"File3db", mzInvokePropertyGet, 0, &methodRows::getTextAttribute<file3dbKey>},
    }),
    methodRows::settableRows("MTyp", &getPartType, &putPartType),
    methodRows::rowsOf({{"transf", mzInvokeMethod, 1, &transformPart}}));

}  // namespace

const proxyClassC prxm3dPartC::description = describeOverNodes("class prxm3dPartC *", partRows);
