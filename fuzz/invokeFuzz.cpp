// Calls by name with generated member names (every table's names, in other letter cases,
// and any text), kinds and arguments of every variant type, objects returned by earlier calls
// and objects of the host among them, on a factory of each class the declared ProgIDs make, a
// document over a tree generated from the input and proxies of every class over its nodes.
// Invariants: see scriptFuzz::checkedCall; no node a kept proxy shows is freed; once every
// object is released, in an order the input picks, the host's objects hold only their own
// references and the small-block heap holds as many blocks as before, none freed twice.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/scriptFuzz.h"

namespace {

constexpr int maxCalls = 48;

// The tree read from the text, or null; a text that does not read gives an empty document.
metaTreeC* readTree(const std::string& text) {
  metaTreeReaderC reader;
  reader.openString(text.c_str());
  return reader.read(1);
}

void run(FuzzedDataProvider& input) {
  // The document's text comes first, so that a seed may be a tree text (a backslash doubled);
  // without one the input generates it.
  std::string text = input.ConsumeRandomLengthString(4096);
  scriptFuzz::scriptC script(input);
  for (const proxyProgIdC* progId : scriptFuzz::factoryStartSet()) script.keepNew(progId->make());

  if (text.empty()) text = script.trees.document(40);
  auto* document = new prxMetaObjectBaseC(readTree(text), 1);
  script.keepNew(document);
  std::vector<metaTreeC*> nodes;
  int levels = 0;
  for (metaTreeC* node = document->getMetaObjectNode(); node && nodes.size() < 64;
       node = nextInPreOrder(node, levels, true))
    nodes.push_back(node);
  if (!nodes.empty()) {
    for (int i = input.ConsumeIntegralInRange<int>(0, 6); i > 0; --i) {
      metaTreeC* node = nodes[input.ConsumeIntegralInRange<size_t>(0, nodes.size() - 1)];
      script.keepNew(
          scriptFuzz::proxyOver(input.ConsumeIntegralInRange<int>(0, scriptFuzz::proxyKindCount() - 1), node));
    }
  }

  for (int i = 0; i < maxCalls && input.remaining_bytes() > 0; ++i) {
    if (script.objects.empty()) break;
    if (input.ConsumeIntegralInRange<int>(0, 15) == 0) {
      script.releaseObject(input.ConsumeIntegralInRange<size_t>(0, script.objects.size() - 1));
      continue;
    }
    script.callAny(script.anyObject());
    script.checkShownNodes();
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  scriptFuzz::prepare();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  scriptFuzz::runBalanced([&] {
    FuzzedDataProvider input(data, size);
    run(input);
  });
  return 0;
}
