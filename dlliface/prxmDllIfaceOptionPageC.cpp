#include "dlliface/prxmDllIfaceOptionPageC.h"

#include "dlliface/objectTreeArgument.h"
#include "dlliface/prxmDllIfaceOptGroupC.h"
#include "dlliface/prxmDllIfaceOptItemC.h"
#include "dlliface/prxmDllIfaceOptTypeC.h"
#include "core/pointNodeValues.h"
#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using pageT = mDllIfaceOptionPageC;

pageT pageOf(void* native) { return recordOf<pageT>(native); }

// The element of the ID the argument gives, as a new proxyT; over no node when there is none.
template <class proxyT, auto lookup>
void elementObject(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str id = textArgument(arguments, 0);
  pageT page = pageOf(native);
  returnObject(result, new proxyT((page.*lookup)(id.c_str())));
}

template <auto test>
void elementTest(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str id = textArgument(arguments, 0);
  pageT page = pageOf(native);
  result.setInt((page.*test)(id.c_str()) ? 1 : 0);
}

// A page operation with the argument as the other page; it answers 0 whatever it did.
template <void (pageT::*operation)(pageT&)>
void withOtherPage(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  objectTreeArgumentC argument(arguments, 0);
  pageT other(argument.getNode(), 0);
  pageT page = pageOf(native);
  (page.*operation)(other);
  result.setInt(0);
}

// A new page object over a merged copy of this page, which it owns.
void mergedCopy(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  objectTreeArgumentC argument(arguments, 0);
  pageT other(argument.getNode(), 0);
  pageT merged = pageOf(native).createMergedCopy(other);
  metaTreeC* copy = merged.getNode();
  merged.flags &= ~metaObjectVirtualDataBaseC::ownsBit;
  returnObject(result, new prxmDllIfaceOptionPageC(copy, copy ? 1 : 0));
}

// Sets the two numbers of a position or size one at a time, each keeping the other as the
// node holds it ((0, 0) unless it holds exactly two numbers).
void setPair(metaObjListValContainerT<double> pair, int32_t x, int32_t y) {
  vectorC2d<double> point = readNodePoint2d(pair.getNode());
  point.x = x;
  writeNodePoint2d(pair.getNode(), point);
  point = readNodePoint2d(pair.getNode());
  point.y = y;
  writeNodePoint2d(pair.getNode(), point);
}

mDllIfaceOptGroupC buildGroup(void* native, const str& id, const str& desc) {
  mDllIfaceOptGroupC group = pageOf(native).addGroup(id.c_str());
  group.setDesc(desc.c_str());
  return group;
}

void addGroupWithDesc(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str desc = textArgument(arguments, 1);
  const str id = textArgument(arguments, 0);
  returnObject(result, new prxmDllIfaceOptGroupC(buildGroup(native, id, desc)));
}

void addGroupWithPlace(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int32_t height = finiteIntegerArgument(arguments, 5);
  const int32_t width = finiteIntegerArgument(arguments, 4);
  const int32_t y = finiteIntegerArgument(arguments, 3);
  const int32_t x = finiteIntegerArgument(arguments, 2);
  const str desc = textArgument(arguments, 1);
  const str id = textArgument(arguments, 0);
  mDllIfaceOptGroupC group = buildGroup(native, id, desc);
  setPair(group.getLogPos(), x, y);
  setPair(group.getLogSize(), width, height);
  returnObject(result, new prxmDllIfaceOptGroupC(group));
}

// The texts every option builder takes first: group, id, desc.
struct optionTextsS {
  str group, id, desc;
};

optionTextsS optionTexts(proxyAutoParaListC& arguments) {
  optionTextsS texts;
  texts.desc = textArgument(arguments, 2);
  texts.id = textArgument(arguments, 1);
  texts.group = textArgument(arguments, 0);
  return texts;
}

// The option of the id, found or added, with its DESC, GROUP and TYP written.
mDllIfaceOptItemC buildOption(void* native, const optionTextsS& texts, const char* typ) {
  mDllIfaceOptItemC option = pageOf(native).addOption(texts.id.c_str());
  option.setDesc(texts.desc.c_str());
  option.setGroup(texts.group.c_str());
  option.setTyp(typ);
  return option;
}

void returnOption(proxyAutoTypeCastC& result, const mDllIfaceOptItemC& option) {
  returnObject(result, new prxmDllIfaceOptItemC(option));
}

// The value is VAL's first entry; an entry of the other kind stays and keeps it out.
template <const char* const& typ>
void addIntegerOption(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const int32_t value = finiteIntegerArgument(arguments, 3);
  mDllIfaceOptItemC option = buildOption(native, optionTexts(arguments), typ);
  option.getValList().setDouble(double(value));
  returnOption(result, option);
}

void addDblOption(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const double value = finiteNumberArgument(arguments, 3);
  mDllIfaceOptItemC option = buildOption(native, optionTexts(arguments), "dbl");
  option.getValList().setDouble(value);
  returnOption(result, option);
}

void addStrOption(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str value = textArgument(arguments, 3);
  mDllIfaceOptItemC option = buildOption(native, optionTexts(arguments), "str");
  option.getValList().setNodeStringValue(value.c_str());
  returnOption(result, option);
}

void addDirOption(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str caption = textArgument(arguments, 4);
  const str value = textArgument(arguments, 3);
  mDllIfaceOptItemC option = buildOption(native, optionTexts(arguments), "dir");
  option.setFileDlgCaption(caption.c_str());
  option.getValList().setNodeStringValue(value.c_str());
  returnOption(result, option);
}

// Each call adds one extension, also on an option that has some already.
template <const char* const& dialog>
void addFileOption(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str extension = textArgument(arguments, 6);
  const str extensionDesc = textArgument(arguments, 5);
  const str caption = textArgument(arguments, 4);
  const str value = textArgument(arguments, 3);
  mDllIfaceOptItemC option = buildOption(native, optionTexts(arguments), "file");
  option.setFileDlgType(dialog);
  option.setFileDlgCaption(caption.c_str());
  if (option.isValid()) {
    mDllIfaceOptFileExtC added = option.getFileExtList().append();
    added.setExt(extension.c_str());
    added.setDesc(extensionDesc.c_str());
  }
  option.getValList().setNodeStringValue(value.c_str());
  returnOption(result, option);
}

void addCustomOption(void* native, proxyAutoParaListC& arguments, proxyAutoTypeCastC& result) {
  const str typ = textArgument(arguments, 3);
  returnOption(result, buildOption(native, optionTexts(arguments), typ.c_str()));
}

constexpr const char* boolType = "bool";
constexpr const char* intType = "int";
constexpr const char* saveDialog = "save";
constexpr const char* openDialog = "open";

using groupProxyT = prxmDllIfaceOptGroupC;
using optionProxyT = prxmDllIfaceOptItemC;
using typeProxyT = prxmDllIfaceOptTypeC;

constexpr proxyMethodEntryS pageRows[] = {
    {"setFrom", mzInvokeMethod, 1, &withOtherPage<&pageT::setFrom>},
    {"mergeWithPage", mzInvokeMethod, 1, &mergedCopy},
    {"getMergedPage", mzInvokeMethod, 1, &withOtherPage<&pageT::mergeWithPage>},
    {"updateFieldsFromPage", mzInvokeMethod, 1, &withOtherPage<&pageT::updateFieldsFromPage>},
    {"hasGroup", mzInvokeMethod, 1, &elementTest<&pageT::hasGroup>},
    {"addGroup", mzInvokeMethod, 1, &elementObject<groupProxyT, &pageT::addGroup>},
    {"getGroup", mzInvokeMethod, 1, &elementObject<groupProxyT, &pageT::getGroup>},
    {"delGroup", mzInvokeMethod, 1, &elementTest<&pageT::delGroup>},
    {"hasOption", mzInvokeMethod, 1, &elementTest<&pageT::hasOption>},
    {"addOption", mzInvokeMethod, 1, &elementObject<optionProxyT, &pageT::addOption>},
    {"getOption", mzInvokeMethod, 1, &elementObject<optionProxyT, &pageT::getOption>},
    {"delOption", mzInvokeMethod, 1, &elementTest<&pageT::delOption>},
    {"hasType", mzInvokeMethod, 1, &elementTest<&pageT::hasType>},
    {"addType", mzInvokeMethod, 1, &elementObject<typeProxyT, &pageT::addType>},
    {"getType", mzInvokeMethod, 1, &elementObject<typeProxyT, &pageT::getType>},
    {"delType", mzInvokeMethod, 1, &elementTest<&pageT::delType>},
    {"addGroup", mzInvokeMethod, 2, &addGroupWithDesc},
    {"addGroup", mzInvokeMethod, 6, &addGroupWithPlace},
    {"addBoolOption", mzInvokeMethod, 4, &addIntegerOption<boolType>},
    {"addIntOption", mzInvokeMethod, 4, &addIntegerOption<intType>},
    {"addDblOption", mzInvokeMethod, 4, &addDblOption},
    {"addStrOption", mzInvokeMethod, 4, &addStrOption},
    {"addDirOption", mzInvokeMethod, 5, &addDirOption},
    {"addFileSaveOption", mzInvokeMethod, 7, &addFileOption<saveDialog>},
    {"addFileOpenOption", mzInvokeMethod, 7, &addFileOption<openDialog>},
    {"addCustomOption", mzInvokeMethod, 4, &addCustomOption},
};

constexpr auto rows = rowTable(settableRows<&pageT::getId, &pageT::setId>("Id"),
                               settableRows<&pageT::getDesc, &pageT::setDesc>("Desc"),
                               childRow<prxmDllIfaceOptTypeListC, &pageT::getTypes>("Types"),
                               childRow<prxmDllIfaceOptItemListC, &pageT::getItems>("Items"),
                               childRow<prxmDllIfaceOptGroupListC, &pageT::getGroups>("Groups"), rowsOf(pageRows));

}  // namespace

const proxyClassC prxmDllIfaceOptionPageC::description =
    describeOverNodes("class prxmDllIfaceOptionPageC *", rows.data());
