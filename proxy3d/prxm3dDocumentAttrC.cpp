#include "proxy3d/prxm3dDocumentAttrC.h"

#include "core/metaObjectCRCC.h"
#include "proxy/fieldRows.h"

namespace {

constexpr char excludeFromBomKey[] = "EXCLFROMBOM";

// The integer stored in EXCLFROMBOM (made when missing; empty or not a number reads 0).
void getExcludeFromBom(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaObjectC attributes = methodRows::recordOf<metaObjectC>(native);
  attributes.attributeNode(excludeFromBomKey);
  result.setInt(doubleToInt32(attributes.getDoubleAttribute(excludeFromBomKey)));
}

void putExcludeFromBom(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int32_t value = finiteIntegerArgument(arguments, 0);
  metaObjectC attributes = methodRows::recordOf<metaObjectC>(native);
  putPropertyDouble(attributes.attributeNode(excludeFromBomKey), double(value));
  returnObject(result, &proxyOf<proxyObjectC>(native));
}

constexpr auto rows = methodRows::rowTable(methodRows::settableRows("ExcludeFromBom", &getExcludeFromBom, &putExcludeFromBom));

}  // namespace

prxm3dDocumentAttrC::prxm3dDocumentAttrC(const metaObjectC& attributes) : prxDescribedT(attributes) {
  if (getObject().getNode()) getObject().attributeNode(metaObjectCRCC::classKey);
}

const proxyClassC prxm3dDocumentAttrC::description = describeOverNodes("class prxm3dDocumentAttrC *", rows);
