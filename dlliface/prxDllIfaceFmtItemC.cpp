#include "dlliface/prxDllIfaceFmtItemC.h"

#include "proxy/fieldRows.h"

using namespace methodRows;

namespace {

using formatT = mFormatItemC;

constexpr auto rows = rowTable(settableRows<&formatT::getName, &formatT::setName>("Name"),
                               settableRows<&formatT::getDesc, &formatT::setDesc>("Desc"),
                               settableRows<&formatT::getGroup, &formatT::setGroup>("Group"),
                               settableRows<&formatT::getFileExtension, &formatT::setFileExtension>("FileExtension"),
                               settableRows<&formatT::getToolbarBmp, &formatT::setToolbarBmp>("ToolbarBmp"));

}  // namespace

const proxyClassC prxDllIfaceFmtItemC::description = describe("class prxDllIfaceFmtItemC *", rows.data());
