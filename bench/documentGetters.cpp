#include "bench/documentGetters.h"

#include "core/metaObjectC.h"
#include "mzcom/mzVariantS.h"

namespace {

// Runs the model code the proxy's handlers run, without the table lookup and the argument
// and result casts around it.
class documentGettersC : public documentGettersI {
 public:
  explicit documentGettersC(metaObjectC& handle) : handle(handle) {}
  virtual ~documentGettersC() = default;

  int32_t getValidObj() override { return int32_t(handle.isValid()); }
  void getClasskey(mzVariantS& out) override { out.setString(handle.getKeyword().c_str()); }

 private:
  metaObjectC& handle;
};

}  // namespace

documentGettersI* newDocumentGetters(metaObjectC& handle) { return new documentGettersC(handle); }

void deleteDocumentGetters(documentGettersI* getters) { delete static_cast<documentGettersC*>(getters); }
