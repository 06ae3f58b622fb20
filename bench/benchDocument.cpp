#include "bench/benchDocument.h"

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>
#include <string>

#include "bench/benchDocumentTree.h"
#include "core/metaTreeC.h"
#include "core/metaTreeWriterC.h"

namespace {

using jsonAllocator = rapidjson::Document::AllocatorType;

rapidjson::Value jsonLeaf(const metaTreeC* node, jsonAllocator& allocator) {
  const metaTokenC& value = node->value;
  if (value.isDouble()) {
    double number = value.getDouble();
    if (number == std::trunc(number) && std::fabs(number) < 1e15) return rapidjson::Value(int64_t(number));
    return rapidjson::Value(number);
  }
  const str* text = value.getText();
  return rapidjson::Value(text->c_str(), rapidjson::SizeType(text->length()), allocator);
}

// A keyed block becomes an object, a block of values a scalar (one value) or an array.
rapidjson::Value jsonBlock(const metaTreeC* first, jsonAllocator& allocator) {
  if (first->firstChild) {
    rapidjson::Value object(rapidjson::kObjectType);
    for (const metaTreeC* item = first; item; item = item->next) {
      rapidjson::Value name(item->value.getText()->c_str(), allocator);
      object.AddMember(name, jsonBlock(item->firstChild, allocator), allocator);
    }
    return object;
  }
  if (!first->next) return jsonLeaf(first, allocator);
  rapidjson::Value array(rapidjson::kArrayType);
  for (const metaTreeC* item = first; item; item = item->next) array.PushBack(jsonLeaf(item, allocator), allocator);
  return array;
}

size_t countNodes(const metaTreeC* root) {
  size_t count = 0;
  int levels = 0;
  for (const metaTreeC* node = root; node; node = nextInPreOrder(node, levels, true)) ++count;
  return count;
}

}  // namespace

const benchDocumentS& benchDocument(size_t targetBytes) {
  static benchDocumentS document = [targetBytes] {
    benchDocumentS made;
    made.tree = buildBenchDocumentTree(targetBytes);
    metaTreeWriterC writer(128000);
    writer.writeAll(made.tree, 0);
    made.treeText.assign(writer.data(), writer.length());
    rapidjson::Document json;
    json.SetObject();
    json.AddMember("DRAWING", jsonBlock(made.tree->firstChild, json.GetAllocator()), json.GetAllocator());
    rapidjson::StringBuffer buffer;
    rapidjson::Writer<rapidjson::StringBuffer> jsonWriter(buffer);
    json.Accept(jsonWriter);
    made.jsonText.assign(buffer.GetString(), buffer.GetSize());
    made.nodeCount = countNodes(made.tree);
    return made;
  }();
  return document;
}
