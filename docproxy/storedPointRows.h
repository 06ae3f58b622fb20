// The coordinate rows of a script object over a stored point node ("POINT", "POINT3D"): each
// coordinate is a settable row that reads and writes the node. A put writes every coordinate
// back, replacing whatever the node held. A number that is not finite refuses the put: the
// object's default member, a detached vector, would take it and report success while nothing
// stored changed.
#pragma once

#include <array>
#include <cstdint>

#include "docproxy/nodeProxyHandlers.h"
#include "proxy/fieldRows.h"
#include "proxy/refusedPut.h"

template <class pointT, pointT (*read)(const metaTreeC*, uint32_t*), bool (*write)(metaTreeC*, const pointT&)>
struct storedPointRowsT {
  template <double pointT::*coordinate>
  static void get(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
    result.setDouble(read(nodeOfProxy(native), nullptr).*coordinate);
  }

  template <double pointT::*coordinate, const char* member>
  static void put(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
    const double value = finiteNumberOrRefusePut(arguments, 0, member);
    if (metaTreeC* node = nodeOfProxy(native)) {
      pointT point = read(node, nullptr);
      point.*coordinate = value;
      write(node, point);
    }
    returnObject(result, &proxyOf<proxyObjectC>(native));
  }

  template <double pointT::*coordinate, const char* member>
  static constexpr std::array<proxyMethodEntryS, 3> rows() {
    return methodRows::settableRows(member, &get<coordinate>, &put<coordinate, member>);
  }
};
