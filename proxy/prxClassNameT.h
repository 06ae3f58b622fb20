// The names classes have in the run-time type records ("class metaObjectC"), from which the
// proxy templates build the type names of their instances. Every class that is an argument
// of a proxy template names itself with a specialization giving get().
#pragma once

#include <string>

template <class T>
struct prxClassNameT;

// A described proxy class names itself: its type name without the closing " *".
template <class P>
requires requires { P::description.getTypeName(); }
struct prxClassNameT<P> {
  static const char* get() {
    static const std::string name = [] {
      std::string text = P::description.getTypeName();
      return text.substr(0, text.size() - 2);
    }();
    return name.c_str();
  }
};

// "class name<first,second>".
template <class... argsT>
std::string prxTemplateClassName(const char* name) {
  std::string text = std::string("class ") + name + "<";
  ((text += prxClassNameT<argsT>::get(), text += ","), ...);
  text.back() = '>';
  return text;
}

// "class name<first,second> *", the type name of a proxy template's instance.
template <class... argsT>
std::string prxTemplateTypeName(const char* name) {
  return prxTemplateClassName<argsT...>(name) + " *";
}

class str;
class metaObjectC;
class metaObjListStrContainerC;
class metaObjListObjectContainerC;
template <class T>
class metaObjKeyContainerTemplateC;
template <class keyT, class dataT>
class metaObjDictPairTemplateC;

template <>
struct prxClassNameT<str> {
  static const char* get() { return "class str"; }
};

template <>
struct prxClassNameT<metaObjectC> {
  static const char* get() { return "class metaObjectC"; }
};

template <>
struct prxClassNameT<metaObjListStrContainerC> {
  static const char* get() { return "class metaObjListStrContainerC"; }
};

template <>
struct prxClassNameT<metaObjListObjectContainerC> {
  static const char* get() { return "class metaObjListObjectContainerC"; }
};

template <class T>
struct prxClassNameT<metaObjKeyContainerTemplateC<T>> {
  static const char* get() {
    static const std::string name = prxTemplateClassName<T>("metaObjKeyContainerTemplateC");
    return name.c_str();
  }
};

template <class keyT, class dataT>
struct prxClassNameT<metaObjDictPairTemplateC<keyT, dataT>> {
  static const char* get() {
    static const std::string name = prxTemplateClassName<keyT, dataT>("metaObjDictPairTemplateC");
    return name.c_str();
  }
};
