// The string list scripts get over the strings of a node: the value-list proxy over texts.
#pragma once

#include "base/str.h"
#include "core/metaObjListStrContainerC.h"
#include "proxy/prxmObjListBaseTypeContainerTemplateC.h"

using prxmStringListC = prxmObjListBaseTypeContainerTemplateC<str, metaObjListStrContainerC>;
