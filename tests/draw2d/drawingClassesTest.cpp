// Every class of the 2D family is described with its literal type name, so that hosts see the
// names and the fuzz targets reach the classes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/metaObjectC.h"
#include "draw2d/proxies/prxm2dObjectFactoryC.h"
#include "fuzz/proxyTables.h"
#include "proxy/proxyObjectC.h"

TEST(drawingClasses, EveryClassIsDescribedWithItsTypeNameAndMadeOverAnyNode) {
  const char* const typeNames[] = {
      "class prxm2dBaseC *",
      "class prxmDocumentC<class prxm2dBaseC> *",
      "class prxm2dDocumentC *",
      "class prxm2dDrawingC *",
      "class prxm2dFigureC *",
      "class prxm2dDrawingItemsC *",
      "class prxmObjListObjTypeContainerTemplateC<class prxm2dFigureC,class m2dFigureC> *",
      "class prxMetaObjectBaseTemplateC<class metaObjKeyContainerTemplateC<class m2dFigureC>> *",
      "class prxmObjListObjTypeContainerTemplateC<class prxm2dHatchC,class m2dHatchC> *",
      "class prxMetaObjectBaseTemplateC<class metaObjKeyContainerTemplateC<class m2dHatchC>> *",
      "class prxm2dHatchC *",
      "class prxm2dInsertPointC *",
      "class prxm2dPointC *",
      "class prxmObjEnumC<class prxm2dFigureC> *",
      "class prxmObjEnumC<class prxm2dHatchC> *",
      "class prxmObjEnumC<class prxm2dPointC> *",
      "class prxmObjEnumC<class prxmShapeBase2dC> *",
      "class prxmObjListContainerTemplateC<class prxmShapeBase2dC> *",
      "class prxmObjListContainerTemplateC<class prxm2dPointC> *",
      "class prxmShapeBase2dC *",
      "class prxmShapesBase2dC *",
      "class prxm2dFigureItemsC *",
      "class prxmLine2dC *",
      "class prxmArc2dC *",
      "class prxmCircle2dC *",
      "class prxmICrv2dC *",
      "class prxmEllipseCore2dC *",
      "class prxmEllipse2dC *",
      "class prxmEllipseArc2dC *",
      "class prxmShapeAttr2dC *",
  };
  metaObjectC tree = metaObjectC::readFromString("FIGURE{FIGURITEMS{LINE}}", 1);
  for (const char* typeName : typeNames) {
    const proxyClassC* found = nullptr;
    for (const proxyClassC* description : scriptFuzz::classesOverNodes())
      if (std::strcmp(description->getTypeName(), typeName) == 0) found = description;
    ASSERT_TRUE(found) << typeName;
    proxyObjectC* proxy = found->getMakeOverNode()(tree.getNode());
    proxy->AddRef();
    EXPECT_STREQ(proxy->getTypeName(), typeName);
    proxy->Release();
  }
  proxyObjectC* factory = new prxm2dObjectFactoryC(1);
  EXPECT_STREQ(factory->getTypeName(), "class prxm2dObjectFactoryC *");
  EXPECT_EQ(factory->getMethodTable().getCount(), 28u + 14u);
  factory->Release();
}
