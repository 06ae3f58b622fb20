#include "draw2d/documents/figureListBoundRect.h"

#include <algorithm>

#include "core/metaTreeC.h"
#include "draw2d/shapes/mShapeList2dC.h"

void calcFigureListBoundRect(metaTreeC* drawingItems, vectorC2d<double>& min, vectorC2d<double>& max) {
  min = vectorC2d<double>(1e10, 1e10);
  max = vectorC2d<double>(-1e10, -1e10);
  if (!drawingItems) return;
  for (metaTreeC* figure = drawingItems->firstChild; figure; figure = figure->next) {
    mShapeList2dC shapes(metaObjectVirtualDataBaseC(figure, 0).findOrCreateChildByKeyword("FIGURITEMS"), 0);
    vectorC2d<double> low;
    vectorC2d<double> high;
    shapes.calcShapesBoundRect(low, high);
    min.x = std::min(min.x, std::min(low.x, high.x));
    min.y = std::min(min.y, std::min(low.y, high.y));
    max.x = std::max(max.x, std::max(low.x, high.x));
    max.y = std::max(max.y, std::max(low.y, high.y));
  }
}
