#include "proxy3d/prxm3dPartAttrC.h"

#include "core/propertyValuePut.h"
#include "proxy/fieldRows.h"

namespace {

constexpr char ignoreSectionViewCutKey[] = "IGNSECVIEWCUT";

// The number stored in IGNSECVIEWCUT, truncated (made when missing; no number reads 0).
void getIgnoreSectionViewCut(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaObjectC attributes = methodRows::recordOf<metaObjectC>(native);
  attributes.attributeNode(ignoreSectionViewCutKey);
  result.setInt(doubleToInt32(attributes.getDoubleAttribute(ignoreSectionViewCutKey)));
}

void putIgnoreSectionViewCut(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int32_t value = finiteIntegerArgument(arguments, 0);
  metaObjectC attributes = methodRows::recordOf<metaObjectC>(native);
  putPropertyDouble(attributes.attributeNode(ignoreSectionViewCutKey), double(value));
  returnObject(result, &proxyOf<proxyObjectC>(native));
}

constexpr auto partAttrRows = methodRows::rowTable(
    methodRows::settableRows("IgnoreSectionViewCut", &getIgnoreSectionViewCut, &putIgnoreSectionViewCut));

}  // namespace

const proxyClassC prxm3dPartAttrC::description = describeOverNodes("class prxm3dPartAttrC *", partAttrRows);
