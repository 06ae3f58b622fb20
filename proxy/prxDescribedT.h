// The scaffolding of a described proxy class, written once: the class selfT derives from
// baseT through this template, takes baseT's constructors, each of which ends by making the
// object one of selfT's description, and names its description's base and maker here. A
// proxy class then is its handlers, its rows and its one description:
//
//   class prxmFooC : public prxDescribedT<prxmFooC, prxMetaObjectBaseC> {
//    public:
//     using prxDescribedT::prxDescribedT;
//     static const proxyClassC description;
//   };
//
//   const proxyClassC prxmFooC::description = describeOverNodes("class prxmFooC *", rows);
//
// The native pointer a host gets is the object itself, as proxyObjectC answers it.
#pragma once

#include <concepts>
#include <utility>

#include "proxy/makeProxyOverNode.h"
#include "proxy/proxyClassC.h"

template <class selfT, class baseT>
class prxDescribedT : public baseT {
 public:
  // Every constructor of baseT, explicit where it takes one argument.
  template <class... argsT>
    requires std::constructible_from<baseT, argsT...>
  explicit(sizeof...(argsT) == 1) prxDescribedT(argsT&&... arguments) : baseT(std::forward<argsT>(arguments)...) {
    this->setClass(selfT::description);
  }

 protected:
  // selfT's description: its own rows (null for none) in front of baseT's. typeName is the
  // literal type name or, for a template, the function that composes it.
  template <class typeNameT>
  static proxyClassC describe(typeNameT typeName, const proxyMethodEntryS* ownRows) {
    return proxyClassC(typeName, ownRows, &baseT::description);
  }
  // The same for a class a script may meet over any node of a tree: the description also
  // carries the maker of a selfT over a node.
  template <class typeNameT>
  static proxyClassC describeOverNodes(typeNameT typeName, const proxyMethodEntryS* ownRows) {
    return proxyClassC(typeName, ownRows, &baseT::description, &makeProxyOverNode<selfT>);
  }
};
