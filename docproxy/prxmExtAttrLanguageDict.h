// The script objects over a document's per-language attribute lists (an EXTLANGATTR node):
// a dictionary from language identifier to attribute list, whose items are PAIR nodes with
// an ATTRLANGIDENT key and an EXTATTRLIST list. Languages compare byte for byte.
#pragma once

#include "core/mExtAttrLanguageIdentC.h"
#include "core/mExtAttrListC.h"
#include "docproxy/prxmExtAttrLanguageIdentC.h"
#include "docproxy/prxmExtAttrListC.h"
#include "proxy/prxmObjDictionaryBaseTemplateC.h"
#include "proxy/prxmObjDictionaryPairC.h"

using prxmExtAttrLanguageDictC =
    prxmObjDictionaryBaseTemplateC<prxmExtAttrLanguageIdentC, prxmExtAttrListC, mExtAttrLanguageIdentC, mExtAttrListC>;
using prxmExtAttrLanguagePairC =
    prxmObjDictionaryPairC<prxmExtAttrLanguageIdentC, prxmExtAttrListC, mExtAttrLanguageIdentC, mExtAttrListC>;
