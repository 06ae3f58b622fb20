// A process for the memory-tracker tests: it does one thing named by its argument (with the
// document named by a second one, for the mode that reads one) and then ends normally (or by
// its crash), so the library's load and unload behaviour can be seen from outside with the
// environment the test chose.
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "library/metaClassFactoryC.h"
#include "memman/memManInterfaceC.h"
#include "memman/memManPoolC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"
#include "proxy/prxMetaBaseI.h"
#include "tests/helpers/memTrackTreeNodes.h"

namespace {

class leakedWidgetC : public memManInterfaceC {
 public:
  uint64_t payload[3] = {1, 2, 3};
};

// Two blocks of the same size; the first holds the second's address, so it is its parent.
void leakTwoBlocks() {
  void* parent = memDataPoolAlloc(40);
  void* child = memDataPoolAlloc(40);
  std::memset(parent, 0, 40);
  std::memset(child, 0, 40);
  std::memcpy(parent, &child, sizeof child);
}

void leakObject() { new leakedWidgetC; }

void freeTwice() {
  void* block = memDataPoolAlloc(24);
  memDataPoolFree(block);
  memDataPoolFree(block);
}

// Reads the document as a host does, through the class factory and calls by name, and keeps
// it: the reference the result handed out is never released. Prints the address of each of
// its nodes.
bool leakDocument(const char* path) {
  mzIDispatch* factory = nullptr;
  if (createClassFactory()->CreateInstance(mzIIDS("rudezaze.metaobjectfactory"), &factory) != 0) return false;
  mzVariantS argument(path), result;
  mzIUnknown* document = nullptr;
  bool read = factory->Invoke("createFromFile", mzInvokeMethod, 1, &argument, &result, nullptr) == 0 &&
              result.getInterface(document) == 0 && document;
  factory->Release();
  if (!read) return false;
  void* base = nullptr;
  if (document->QueryInterface(mzIID_ProxyMetaBase, &base) != 0) return false;
  metaTreeC* root = nullptr;
  static_cast<prxMetaBaseI*>(base)->getMetaObject(&root, 0);
  static_cast<prxMetaBaseI*>(base)->Release();
  for (const metaTreeC* node : memTrackTreeNodes(root))
    std::printf("%016" PRIxPTR "\n", reinterpret_cast<uintptr_t>(node));
  return root != nullptr;
}

__attribute__((noinline, no_sanitize("address", "undefined"))) void dereferenceNull(volatile int* pointer) {
  *pointer = 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) return 2;
  const char* mode = argv[1];
  if (std::strcmp(mode, "leak") == 0) leakTwoBlocks();
  else if (std::strcmp(mode, "leakDocument") == 0 && argc == 3) return leakDocument(argv[2]) ? 0 : 3;
  else if (std::strcmp(mode, "leakObject") == 0) leakObject();
  else if (std::strcmp(mode, "clean") == 0) memDataPoolFree(memDataPoolAlloc(40));
  else if (std::strcmp(mode, "leakAndFreeTwice") == 0) {
    leakTwoBlocks();
    freeTwice();
  } else if (std::strcmp(mode, "crash") == 0) {
    void* before = memDataPoolAlloc(8);
    dereferenceNull(static_cast<volatile int*>(nullptr));
    memDataPoolFree(before);
  } else {
    std::fprintf(stderr, "unknown mode %s\n", mode);
    return 2;
  }
  return 0;
}
