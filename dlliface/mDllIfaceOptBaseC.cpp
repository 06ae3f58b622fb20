#include "dlliface/mDllIfaceOptBaseC.h"

#include <string_view>

#include "dlliface/optionElementIds.h"

namespace {

constexpr std::string_view baseTypes[] = {"int", "str", "dbl", "intsel", "strsel", "file", "bool", "compound", "dir"};
constexpr std::string_view stringTypes[] = {"str", "strsel", "file", "dir"};

template <size_t count>
bool typeIsOneOf(const metaTreeC* option, const std::string_view (&names)[count]) {
  const metaTreeC* typ = peekFieldNode(option, "TYP");
  if (!typ) return false;
  const std::string_view text = textView(metaObjectC(const_cast<metaTreeC*>(typ), 0).getNodeStringValue());
  for (std::string_view name : names)
    if (text == name) return true;
  return false;
}

}  // namespace

bool mDllIfaceOptBaseC::isBaseType() const { return typeIsOneOf(node, baseTypes); }

bool mDllIfaceOptBaseC::hasStringValue() const { return typeIsOneOf(node, stringTypes); }
