// The script object over one class identifier of a classification entry: its ClassId and the
// list of its variables, read-only. Its class key is the view's, whatever the node's key word.
#pragma once

#include "docproxy/mDocClassifyIdInfoC.h"
#include "proxy/prxMetaObjectBaseTemplateC.h"

template <>
struct prxClassNameT<mDocClassifyIdInfoC> {
  static const char* get() { return "class mDocClassifyIdInfoC"; }
};

template <>
struct prxMetaClassKeyT<mDocClassifyIdInfoC> {
  static const char* of(const mDocClassifyIdInfoC&) { return mDocClassifyIdInfoC::classKey; }
};

class prxmDocumentClassificationIdInfoC : public prxMetaObjectBaseTemplateC<mDocClassifyIdInfoC> {
 public:
  // Shares the source's node when the source is a view.
  explicit prxmDocumentClassificationIdInfoC(const metaObjectC& source);

  void* getNativePointer() override { return this; }

  static const proxyClassC description;
};
