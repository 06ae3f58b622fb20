// Handlers shared by the read-only classification proxies; proxyT's getObject() is the
// classification view it is over.
#pragma once

#include "proxy/proxyHandlerArguments.h"
#include "proxy/prxmObjListContainerTemplateC.h"

template <class proxyT, auto getter>
void classificationText(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString((proxyOf<proxyT>(native).getObject().*getter)().c_str());
}

// The view's list, read-only, each item handed out as a new itemProxyT.
template <class proxyT, class itemProxyT, auto getter>
void classificationList(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  returnObject(result, new prxmObjListContainerTemplateC<itemProxyT>((proxyOf<proxyT>(native).getObject().*getter)(), 1));
}
