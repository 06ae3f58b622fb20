#include "jobs/prxmNatBaseC.h"

#include "jobs/keyNodeFieldRows.h"
#include "jobs/prxmNatObjectFactoryC.h"

namespace {

constexpr auto rows = keyNodeFieldRows::rowTable(keyNodeFieldRows::factoryRow<prxmNatObjectFactoryC>());

}  // namespace

const proxyClassC prxmNatBaseC::description("class prxmNatBaseC *", rows.data(), &prxMetaObjectBaseC::description,
                                            &makeProxyOverNode<prxmNatBaseC>);
