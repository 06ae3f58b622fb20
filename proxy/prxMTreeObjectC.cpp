#include "proxy/prxMTreeObjectC.h"

#include "base/str.h"
#include "core/metaTreeC.h"
#include "core/metaTreeReaderC.h"
#include "proxy/proxyAutoParaListC.h"
#include "proxy/proxyExceptions.h"

namespace {

prxMTreeObjectC& self(void* native) { return *static_cast<prxMTreeObjectC*>(static_cast<proxyObjectC*>(native)); }

metaTreeC* nodeOf(void* native) { return self(native).getNode(); }

const metaTokenC* tokenOf(void* native) {
  metaTreeC* node = nodeOf(native);
  return node ? &node->value : nullptr;
}

// A token's text, "" for any other token or none.
const char* textOf(const metaTokenC* token, uint32_t kind) {
  return token && token->getKind() == kind ? token->getText()->c_str() : "";
}

void answer(proxyAutoTypeCastC& result, bool yes) { result.setInt(yes ? 1 : 0); }

// Set arguments convert as the variant getters do, so the text 2.5 is the number 2.5.
proxyAutoTypeCastC setArgument(proxyAutoParaListC& arguments) { return arguments.getScriptArgumentValue(0); }

const char* textArgument(proxyAutoTypeCastC& argument) {
  const char* text = nullptr;
  if (argument.getText(text) != 0) throwTypeCastException();
  return text;
}

void replaceToken(void* native, proxyAutoTypeCastC& result, const metaTokenC& token) {
  nodeOf(native)->setValue(token);
  result.setInt(1);
}

// Navigation: a new proxy over the neighbour, sharing the keeper; the result takes its
// first reference.
template <treeLinkT<metaTreeC> MTreeNode<metaTreeC>::*link>
void step(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  prxMTreeObjectC& from = self(native);
  metaTreeC* target = from.getNode() ? from.getNode()->*link : nullptr;
  result.setDispatch(static_cast<mzIDispatch*>(new prxMTreeObjectC(target, from.getTreeKeeper(), 0)));
}

void isNameToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const metaTokenC* token = tokenOf(native);
  answer(result, token && token->isWord());
}

void isValid(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) { answer(result, nodeOf(native)); }

void isStringToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const metaTokenC* token = tokenOf(native);
  answer(result, token && token->isString());
}

void isValueToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const metaTokenC* token = tokenOf(native);
  answer(result, token && token->isDouble());
}

void getNameToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(textOf(tokenOf(native), metaTokenC::kindWord));
}

void getValueToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  const metaTokenC* token = tokenOf(native);
  result.setDouble(token && token->isDouble() ? token->getDouble() : 0.0);
}

void getStringToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(textOf(tokenOf(native), metaTokenC::kindString));
}

void getQStringToken(void* native, proxyAutoParaListC&, proxyAutoTypeCastC& result) {
  result.setString(quoteString(textOf(tokenOf(native), metaTokenC::kindString)).c_str());
}

// A text that would not read back as that one key word changes nothing and gives 0.
void setNameToken(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  if (!nodeOf(native)) return answer(result, false);
  proxyAutoTypeCastC argument = setArgument(arguments);
  const char* text = textArgument(argument);
  if (!metaTreeReaderC::isKeyword(text)) return answer(result, false);
  replaceToken(native, result, metaTokenC(metaTokenC::kindWord, nullptr, str(text)));
}

void setValueToken(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  if (!nodeOf(native)) return answer(result, false);
  proxyAutoTypeCastC argument = setArgument(arguments);
  double number = 0;
  if (argument.getDouble(number) != 0) throwTypeCastException();
  replaceToken(native, result, metaTokenC(metaTokenC::kindDouble, nullptr, number));
}

void setStringToken(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  if (!nodeOf(native)) return answer(result, false);
  proxyAutoTypeCastC argument = setArgument(arguments);
  replaceToken(native, result, metaTokenC(metaTokenC::kindString, nullptr, str(textArgument(argument))));
}

constexpr proxyMethodEntryS rows[] = {
    {"NextNode", mzInvokePropertyGet, 0, &step<&metaTreeC::next>},
    {"PrevNode", mzInvokePropertyGet, 0, &step<&metaTreeC::previous>},
    {"DownNode", mzInvokePropertyGet, 0, &step<&metaTreeC::firstChild>},
    {"ParentNode", mzInvokePropertyGet, 0, &step<&metaTreeC::parent>},
    {"isNameToken", mzInvokeMethod, 0, &isNameToken},
    {"isValid", mzInvokeMethod, 0, &isValid},
    {"isStringToken", mzInvokeMethod, 0, &isStringToken},
    {"isValueToken", mzInvokeMethod, 0, &isValueToken},
    {"getNameToken", mzInvokeMethod, 0, &getNameToken},
    {"getValueToken", mzInvokeMethod, 0, &getValueToken},
    {"getStringToken", mzInvokeMethod, 0, &getStringToken},
    {"getQStringToken", mzInvokeMethod, 0, &getQStringToken},
    {"setNameToken", mzInvokeMethod, 1, &setNameToken},
    {"setValueToken", mzInvokeMethod, 1, &setValueToken},
    {"setStringToken", mzInvokeMethod, 1, &setStringToken},
    {},
};

// Over a node of any tree, without a keeper.
proxyObjectC* makeOverNode(metaTreeC* node) { return new prxMTreeObjectC(node, nullptr, 0); }

}  // namespace

const proxyClassC prxMTreeObjectC::description("class prxMTreeObjectC *", rows, nullptr, &makeOverNode);

prxMTreeObjectC::prxMTreeObjectC(metaTreeC* treeNode, mzIUnknown* keeper, uint8_t takeReference)
    : proxyObjectC(description, takeReference), treeKeeper(keeper), view(treeNode) {}
