#include "dlliface/objectTreeArgument.h"

#include "proxy/prxFactoryClassConvention.h"

objectTreeArgumentC::objectTreeArgumentC(proxyAutoParaListC& arguments, int index)
    : object(objectArgument(arguments, index)), tree(getMetaObjectFromDispatch(object.get())) {
  if (!tree.ownsNode()) held.show(tree.getNode());
}
