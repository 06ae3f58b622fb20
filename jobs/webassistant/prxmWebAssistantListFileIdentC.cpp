#include "jobs/webassistant/prxmWebAssistantListFileIdentC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using identT = mAssistantListFileIdentC;

constexpr auto rows = rowTable(settableRows<&identT::getNB, &identT::setNB>("NB"),
                               settableRows<&identT::getNN, &identT::setNN>("NN"));

}  // namespace

const proxyClassC prxmWebAssistantListFileIdentC::description =
    describeOverNodes("class prxmWebAssistantListFileIdentC *", rows.data());
