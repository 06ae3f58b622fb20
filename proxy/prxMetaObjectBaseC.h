// The proxy of a plain meta object: the object the meta-object factory makes of a parsed
// tree, and the base of every typed document proxy, which puts its own rows in front of the
// common ones. It answers the template's type name and exactly the common rows.
#pragma once

#include <cstdint>

#include "proxy/prxClassNameT.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

class prxMetaObjectBaseC : public prxMetaObjectBaseTemplateC<metaObjectC> {
 public:
  prxMetaObjectBaseC() = default;
  prxMetaObjectBaseC(metaTreeC* node, uint32_t owns) : prxMetaObjectBaseTemplateC(node, owns) {}
  explicit prxMetaObjectBaseC(const metaObjectC& source, int ownMode = -1)
      : prxMetaObjectBaseTemplateC(source, ownMode) {}
};

template <>
struct prxClassNameT<prxMetaObjectBaseC> {
  static const char* get() { return "class prxMetaObjectBaseC"; }
};
