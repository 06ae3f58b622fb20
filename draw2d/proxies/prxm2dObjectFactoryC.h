// The 2D factory proxy ("rudezaze.m2dfactory", and the Factory of every drawing, figure, hatch
// and insert point): for each 2D class its class key, a test of a script object's class key
// and the conversion of a script object into the class's own object, and new empty drawings
// and figures by name; then the meta-object factory's members, which every factory answers.
//
// A conversion shares the node of an object that lies inside a tree, so that both objects show
// the same node, and works on a deep copy of a tree's root; any other object's text is read
// into a new tree. An object of another class, or a value that is no object, gives an empty
// result without an error.
#pragma once

#include "proxy/prxFamilyFactoryT.h"

class prxm2dObjectFactoryC : public prxFamilyFactoryT<prxm2dObjectFactoryC> {
 public:
  using prxFamilyFactoryT::prxFamilyFactoryT;

  static const proxyClassC description;
};
