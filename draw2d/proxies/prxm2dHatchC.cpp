#include "draw2d/proxies/prxm2dHatchC.h"

#include "draw2d/documents/m2dHatchC.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using hatchT = m2dHatchC;

constexpr auto rows = rowTable(settableRows<&hatchT::getAngle, &hatchT::setAngle>("Angle"),
                               settableRows<&hatchT::getDistance, &hatchT::setDistance>("Distance"));

}  // namespace

const proxyClassC prxm2dHatchC::description = describeOverNodes("class prxm2dHatchC *", rows);
