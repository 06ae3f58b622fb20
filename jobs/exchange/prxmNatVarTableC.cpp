#include "jobs/exchange/prxmNatVarTableC.h"

#include "jobs/exchange/prxmNatVarTableLineC.h"

namespace {

// The table's own node holds the lines.
void lines(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  metaTreeC* table = proxyOf<prxMetaObjectI>(native).getMetaObjectNode();
  returnObject(result, new prxmNatVarTableLinesC(pShellVarTableC(table, 0)));
}

constexpr proxyMethodEntryS rows[] = {
    {"Lines", mzInvokePropertyGet, 0, &lines},
    {},
};

}  // namespace

const proxyClassC prxmNatVarTableC::description = describeOverNodes("class prxmNatVarTableC *", rows);
