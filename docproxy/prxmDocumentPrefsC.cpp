#include "docproxy/prxmDocumentPrefsC.h"

#include "docproxy/mDocumentPrefsC.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using prefsT = mDocumentPrefsC;

// A put stores the number in front of whatever else the value held.
constexpr auto rows = rowTable(settableRows<&prefsT::getDesignUnitBase, &prefsT::setDesignUnitBase>("DesignUnitBase"),
                               settableRows<&prefsT::getUnitBase, &prefsT::setUnitBase>("UnitBase"));

}  // namespace

const proxyClassC prxmDocumentPrefsC::description = describeOverNodes("class prxmDocumentPrefsC *", rows);
