// The proxy of a meta object of class T: a script object over a node of a keyword tree that
// answers the native access interface and the members common to every stored object
// (classkey, ValidObj, This, Factory, isValidClass, writeToFile, makeSingleObject,
// writeToString). Derived proxies put their own rows in front of the common ones.
//
// The proxy either owns its tree or shares a node of another tree, as its handle says; the
// tree itself is kept by an anchor that every proxy over any of its nodes holds, and the
// proxy's own node by a view, so that the node stays usable for as long as the proxy lives,
// also when its tree's first owner has gone or the node was removed from it.
#pragma once

#include <cstdint>
#include <string>

#include "core/metaObjectC.h"
#include "core/metaTreeC.h"
#include "core/metaTreeViewC.h"
#include "mzcom/mzIIDConstants.h"
#include "proxy/makeProxyOverNode.h"
#include "proxy/proxyClassC.h"
#include "proxy/proxyHandlerArguments.h"
#include "proxy/proxyValueRowT.h"
#include "proxy/prxClassNameT.h"
#include "proxy/prxMetaBaseI.h"
#include "proxy/prxMetaObjectCommonRows.h"
#include "proxy/prxMetaObjectI.h"

// The class key a proxy of T answers: the root node's key word, "" without one. A class
// whose key is a constant of its own says so with a specialization.
template <class T>
struct prxMetaClassKeyT {
  static const char* of(const T& object) { return object.getKeyword().c_str(); }
};

// The specialization of a class whose key is its own constant T::classKey, whatever the key
// word of the node it is over: prxMetaClassKeyT<T> derives from prxFixedClassKeyT<T>.
template <class T>
struct prxFixedClassKeyT {
  static const char* of(const T&) { return T::classKey; }
};

template <class T>
class prxMetaObjectBaseTemplateC : public prxMetaObjectI, public prxMetaBaseI {
 public:
  // An empty handle.
  prxMetaObjectBaseTemplateC() : prxMetaObjectI(description, 0) {}
  // node, owned when owns is set.
  prxMetaObjectBaseTemplateC(metaTreeC* node, uint32_t owns) : prxMetaObjectI(description, 0) {
    attachTree(node, owns);
  }
  // The source's handle, copied as metaObjectVirtualDataBaseC::copyFrom does it: with -1 an
  // owning source is deep-copied and the copy owned, a non-owning one shared.
  explicit prxMetaObjectBaseTemplateC(const metaObjectC& source, int ownMode = -1) : prxMetaObjectI(description, 0) {
    object.copyFrom(source, ownMode);
    holdTree();
  }

  // "rudezaze.proxymetabaseiface" gives the native access interface; anything else is asked
  // of the proxy base.
  uint32_t QueryInterface(const mzIIDS& iid, void** out) override {
    if (out && iid.isEqual(mzIID_ProxyMetaBase)) {
      AddRef();
      *out = static_cast<prxMetaBaseI*>(this);
      return 0;
    }
    return proxyObjectC::QueryInterface(iid, out);
  }
  uint32_t AddRef() override { return proxyObjectC::AddRef(); }
  uint32_t Release() override { return proxyObjectC::Release(); }

  metaTreeC* getMetaObjectNode() override { return object.getNode(); }

  uint32_t getMetaObject(metaTreeC** out, uint32_t copy) override {
    if (!out) return 0;
    metaTreeC* node = object.getNode();
    *out = copy && node ? metaTreeC::deepCopy(node) : node;
    return 0;
  }
  uint32_t setMetaObject(metaTreeC* node, uint32_t copy) override {
    // The copy is made first: node may lie in the tree let go of.
    attachTree(copy ? metaTreeC::deepCopy(node) : node, copy ? 1 : 0);
    return 0;
  }

  T& getObject() { return object; }

  // The handle lets go of its tree and takes root instead, owned when owns is set. Proxies
  // over the old nodes keep them; so does this one's old anchor until it is let go here.
  void attachTree(metaTreeC* root, uint32_t owns) {
    object.attach(root, owns);
    holdTree();
  }

  // The common rows, the last of every meta-object proxy's table; each instance of the
  // template is a class of its own.
  static const proxyClassC description;

 protected:
  // Holds the node the handle wraps now; every change of the handle ends here, so that an
  // owned tree gets its anchor and the node its view.
  void holdTree() { view.showHandle(object); }

  T object;
  metaTreeViewC view;

 private:
  using handleRowT = void (*)(metaObjectVirtualDataBaseC&, proxyAutoParaListC&, proxyAutoTypeCastC&);

  static const proxyMethodEntryS commonRows[];

  template <handleRowT row>
  static void onHandle(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    row(proxyOf<prxMetaObjectBaseTemplateC>(native).object, arguments, result);
  }

  // Integer: 1 when the handle holds a node.
  static uint32_t validObj(void* native, mzVariantS& result) noexcept {
    result.setPlainInt(int32_t(proxyOf<prxMetaObjectBaseTemplateC>(native).object.isValid()));
    return 0;
  }

  static void classKey(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    result.setString(prxMetaClassKeyT<T>::of(proxyOf<prxMetaObjectBaseTemplateC>(native).object));
  }

  // The node leaves its parent and siblings, and this proxy owns it from now on.
  static void makeSingleObject(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    prxMetaObjectBaseTemplateC& self = proxyOf<prxMetaObjectBaseTemplateC>(native);
    uint32_t done = self.object.unlinkFromParent(1);
    self.holdTree();
    result.setInt(int32_t(done));
  }
};

template <class T>
const proxyMethodEntryS prxMetaObjectBaseTemplateC<T>::commonRows[] = {
    {"classkey", mzInvokePropertyGet, 0, &classKey},
    {"ValidObj", mzInvokePropertyGet, 0, &proxyValueRowT<&validObj>::handler},
    {"This", mzInvokePropertyGet, 0, &onHandle<&prxMetaObjectCommonRows::thisNode>},
    {"Factory", mzInvokePropertyGet, 0, &onHandle<&prxMetaObjectCommonRows::factory>},
    {"isValidClass", mzInvokeMethod, 1, &onHandle<&prxMetaObjectCommonRows::isValidClass>},
    {"writeToFile", mzInvokeMethod, 1, &onHandle<&prxMetaObjectCommonRows::writeToFile>},
    {"writeToFile", mzInvokeMethod, 2, &onHandle<&prxMetaObjectCommonRows::writeToFile>},
    {"writeToFile", mzInvokeMethod, 3, &onHandle<&prxMetaObjectCommonRows::writeToFile>},
    {"makeSingleObject", mzInvokeMethod, 0, &makeSingleObject},
    {"writeToString", mzInvokeMethod, 0, &onHandle<&prxMetaObjectCommonRows::writeToString>},
    {"writeToString", mzInvokeMethod, 2, &onHandle<&prxMetaObjectCommonRows::writeToString>},
    {},
};

template <class T>
const proxyClassC prxMetaObjectBaseTemplateC<T>::description(
    [] { return prxTemplateTypeName<T>("prxMetaObjectBaseTemplateC"); }, commonRows, nullptr,
    &makeProxyOverNode<prxMetaObjectBaseTemplateC<T>>);
