#include "proxy/invokeOnObject.h"

#include <memory>

#include "memman/memManSystemC.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzVariantS.h"
#include "proxy/proxyAutoParaListC.h"

namespace {

// The forwarded copies, in memory of the memory manager, cleared when the call ends.
class variantArrayBufferC {
 public:
  explicit variantArrayBufferC(uint32_t size) : count(size) {
    if (!count) return;
    void* memory = getMemManSystem(0)->allocate(uint32_t(uint64_t(count) * sizeof(mzVariantS)));
    variants = static_cast<mzVariantS*>(memory);
    std::uninitialized_default_construct_n(variants, count);
  }
  variantArrayBufferC(const variantArrayBufferC&) = delete;
  variantArrayBufferC& operator=(const variantArrayBufferC&) = delete;
  ~variantArrayBufferC() {
    if (!variants) return;
    std::destroy_n(variants, count);
    getMemManSystem(0)->free(variants);
  }

  mzVariantS* data() { return variants; }

 private:
  uint32_t count;
  mzVariantS* variants = nullptr;
};

}  // namespace

uint32_t invokeOnObject(mzIDispatch* object, const char* name, uint32_t kind, proxyAutoParaListC& arguments,
                        mzVariantS* result) {
  if (!object) return 1;
  uint32_t count = arguments.getCount();
  variantArrayBufferC forwarded(count);
  for (uint32_t i = 0; i < count; ++i) arguments.getScriptArgument(int(i)).copyTo(forwarded.data()[i]);
  return object->Invoke(name, kind, count, forwarded.data(), result, nullptr);
}
