#include "proxy3d/refusedVectorPut.h"

#include "docproxy/finiteArguments.h"
#include "proxy/proxyExceptions.h"
#include "proxy/refusedPut.h"

vectorC3d<double> finiteVector3dOrRefusePut(proxyAutoParaListC& arguments, int index, const char* member) {
  try {
    return finiteVector3dArgument(arguments, index);
  } catch (const proxyAutoTypeCastExceptionC&) {
    refusePut(member, index);
  }
}
