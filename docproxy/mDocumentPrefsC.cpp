#include "docproxy/mDocumentPrefsC.h"

#include "core/propertyValuePut.h"

void mDocumentPrefsC::setUnitBase(double value) { putPropertyDouble(attributeNode("UNITBASE"), value); }

void mDocumentPrefsC::setDesignUnitBase(double value) { putPropertyDouble(attributeNode("DESIGNUNITBASE"), value); }
