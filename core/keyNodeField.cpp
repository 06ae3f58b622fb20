#include "core/keyNodeField.h"

#include <cmath>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"

namespace {

// A non-owning view of a key node, for the typed value rules of metaObjectC.
metaObjectC valueView(const metaTreeC* keyNode) { return metaObjectC(const_cast<metaTreeC*>(keyNode), 0); }

}  // namespace

metaTreeC* fieldNode(metaTreeC* record, const char* key) {
  if (!record || !key) return nullptr;
  return metaObjectC(record, 0).findOrCreateChildByKeyword(key);
}

metaTreeC* peekFieldNode(const metaTreeC* record, const char* key) {
  if (!record || !key) return nullptr;
  return valueView(record).findChild(key);
}

str getStringField(metaTreeC* record, const char* key) { return str(valueView(fieldNode(record, key)).getNodeStringValue()); }

str peekStringField(const metaTreeC* record, const char* key, uint32_t* found) {
  return str(valueView(peekFieldNode(record, key)).getNodeStringValue(found));
}

void setStringField(metaTreeC* record, const char* key, const char* text) {
  valueView(fieldNode(record, key)).setNodeStringValue(text);
}

int32_t getIntField(metaTreeC* record, const char* key) { return valueView(fieldNode(record, key)).getInt(); }

int32_t peekIntField(const metaTreeC* record, const char* key, uint32_t* found) {
  return valueView(peekFieldNode(record, key)).getInt(found);
}

void setIntField(metaTreeC* record, const char* key, int32_t value) { valueView(fieldNode(record, key)).setInt(value); }

double getDoubleField(metaTreeC* record, const char* key) { return valueView(fieldNode(record, key)).getDouble(); }

double peekDoubleField(const metaTreeC* record, const char* key, uint32_t* found) {
  return valueView(peekFieldNode(record, key)).getDouble(found);
}

uint32_t setDoubleField(metaTreeC* record, const char* key, double value) {
  if (!std::isfinite(value)) return 0;
  valueView(fieldNode(record, key)).setDouble(value);
  return 1;
}

const str& getNodeStringValue(const metaObjectVirtualDataBaseC& keyNode, uint32_t* found) {
  return valueView(keyNode.getNode()).getNodeStringValue(found);
}

void setNodeStringValue(const metaObjectVirtualDataBaseC& keyNode, const char* text) {
  valueView(keyNode.getNode()).setNodeStringValue(text);
}

metaTreeC* findOrCreateChildByKeyword(metaObjectVirtualDataBaseC& view, const char* key) {
  return view.findOrCreateChildByKeyword(key);
}
