// Puts of a property's value. A property's value is its first child: a first child of
// the value's kind is overwritten, and any other first child stays, behind a new first child
// holding the value, so that a put never loses what the property held and the next get
// (which reads the first child) returns the value put.
#pragma once

class metaTreeC;

// Each does nothing for a null property.
void putPropertyDouble(metaTreeC* property, double value);
void putPropertyString(metaTreeC* property, const char* text);
void putPropertyWord(metaTreeC* property, const char* text);
