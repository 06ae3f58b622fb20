// The shape of a family's factory proxy: its own rows (factoryRows.h: the to/is/key rows of
// its classes, Create by name) in front of the meta-object factory's, which every factory
// answers too. The family's class derives from prxFamilyFactoryT<itself>, takes its
// constructor, and defines its description and its ProgID beside it:
//
//   const proxyClassC prxmFooFactoryC::description = describe("class prxmFooFactoryC *", rows);
//   const proxyProgIdC progId(7, "rudezaze.foofactory", &makeProxyWithoutReference<prxmFooFactoryC>);
#pragma once

#include "proxy/prxDescribedT.h"
#include "proxy/prxMetaObjectFactoryC.h"

template <class factoryT>
class prxFamilyFactoryT : public prxDescribedT<factoryT, prxMetaObjectFactoryC> {
 public:
  // Count 0 unless takeReference is set: whoever hands the object out takes the first reference.
  using prxFamilyFactoryT::prxDescribedT::prxDescribedT;
};
