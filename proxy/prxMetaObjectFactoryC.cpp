#include "proxy/prxMetaObjectFactoryC.h"

#include "core/mExtAttrStrC.h"
#include "core/mExtAttrValC.h"
#include "core/mExtAttrVarC.h"
#include "core/metaObjListStrContainerC.h"
#include "proxy/createListByName.h"
#include "proxy/factoryRows.h"
#include "proxy/factoryTreeRead.h"
#include "proxy/proxyProgIdC.h"
#include "proxy/prxMetaObjectBaseC.h"
#include "proxy/prxmExtAttrListEntryStrC.h"
#include "proxy/prxmExtAttrListEntryValC.h"
#include "proxy/prxmExtAttrListEntryVarC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"
#include "proxy/prxmObjListContainerTemplateC.h"
#include "proxy/prxmStringListC.h"

using namespace methodRows;

namespace {

// Each gives a proxy owning the first top-level node read, with the post-load hooks run, or a
// proxy without a node when the input is missing or does not parse.
void createFromFile(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const char* path = textArgument(arguments, 0);
  returnObject(result, new prxMetaObjectBaseC(factoryReadFile(path), 1));
}

// Scripts rely on the whole text being unescaped before it is parsed, strings included, so
// that a "\n" they write in a literal becomes a line feed.
void createFromString(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  str text = unescapeString(textArgument(arguments, 0));
  returnObject(result, new prxMetaObjectBaseC(factoryReadString(text.c_str()), 1));
}

void create(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  returnObject(result, createListByName(textArgument(arguments, 0)));
}

// The lists take whatever tree the object gives, without a key check.
template <class listT>
void toList(void*, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  returnObject(result, new listT(getMetaObjectFromDispatch(objectArgument(arguments, 0).get())));
}

using objectListT = prxmObjListContainerTemplateC<prxMetaObjectBaseC>;

constexpr auto rows = rowTable(rowsOf({{"createFromFile", mzInvokeMethod, 1, &createFromFile},
                                       {"createFromString", mzInvokeMethod, 1, &createFromString},
                                       {"Create", mzInvokeMethod, 1, &create}}),
                               classRows<prxmExtAttrListEntryStrC, mExtAttrStrC::classKey, "extattrstr">(),
                               classRows<prxmExtAttrListEntryValC, mExtAttrValC::classKey, "extattrval">(),
                               classRows<prxmExtAttrListEntryVarC, mExtAttrVarC::classKey, "extattrvar">(),
                               rowsOf({{"tostringList", mzInvokeMethod, 1, &toList<prxmStringListC>},
                                       {"toobjectList", mzInvokeMethod, 1, &toList<objectListT>}}));

}  // namespace

const proxyClassC prxMetaObjectFactoryC::description("class prxMetaObjectFactoryC *", rows, nullptr);

namespace {

const proxyProgIdC progId(3, "rudezaze.metaobjectfactory", &makeProxyWithoutReference<prxMetaObjectFactoryC>);

}  // namespace

prxMetaObjectFactoryC::prxMetaObjectFactoryC(uint8_t takeReference) : proxyObjectC(description, takeReference) {}

