// A sample host: loads the library as any host would, attaches its engine, asks the
// library's class factory for the meta-object factory, opens the document named on the
// command line and prints its class key and its text, then detaches.
//
//   rudezaze_sample_host <path of librudezaze.so> <document file>
//
// Exit codes: 0 the document was shown, 1 a step failed (the reason is on stderr),
// 2 the arguments were wrong.
#include <dlfcn.h>

#include <cstdio>

#include "host/hostEngineC.h"
#include "mzcom/mzComExports.h"
#include "mzcom/mzIClassFactory.h"
#include "mzcom/mzIDispatch.h"
#include "mzcom/mzIException.h"
#include "mzcom/mzIIDConstants.h"
#include "mzcom/mzVariantS.h"

namespace {

constexpr int exitDone = 0, exitFailed = 1, exitUsage = 2;

// A string variant's text, "" for any other.
const char* textOf(const mzVariantS& value) {
  const char* text = "";
  value.getString(text);
  return text;
}

// Calls member on object by name. When the call fails, prints the error object the library
// handed back (its source and description) and releases it.
bool call(mzIDispatch* object, const char* member, uint32_t kind, uint32_t count, mzVariantS* arguments,
          mzVariantS& result) {
  mzIException* error = nullptr;
  if (object->Invoke(member, kind, count, arguments, &result, &error) == 0) return true;
  std::fprintf(stderr, "%s failed\n", member);
  if (error) {
    mzVariantS source, description;
    error->getSource(&source);
    error->getDescription(&description);
    std::fprintf(stderr, "  source: %s\n  description: %s\n", textOf(source), textOf(description));
    error->Release();
  }
  return false;
}

// The library's meta-object factory, reached through the class factory it registered.
mzIDispatch* metaObjectFactory(hostEngineC& engine) {
  mzIUnknown* registered = nullptr;
  if (engine.getClassObject(mzIID_IClassFactory, &registered) != 0) return nullptr;
  void* classFactory = nullptr;
  uint32_t found = registered->QueryInterface(mzIID_IClassFactory, &classFactory);
  registered->Release();
  if (found != 0) return nullptr;
  mzIDispatch* factory = nullptr;
  static_cast<mzIClassFactory*>(classFactory)->CreateInstance(mzIIDS("rudezaze.metaobjectfactory"), &factory);
  static_cast<mzIClassFactory*>(classFactory)->Release();
  return factory;
}

// Opens the document and prints its class key and text. False when anything fails. A file
// that does not read still gives an object, without a node (ValidObj 0); the library has
// then written why to the debugger output, stderr here.
bool showDocument(mzIDispatch* factory, const char* path) {
  mzVariantS pathArgument(path);
  mzVariantS document;
  mzIUnknown* documentObject = nullptr;
  if (!call(factory, "createFromFile", mzInvokeMethod, 1, &pathArgument, document) ||
      document.getInterface(documentObject) != 0)
    return false;
  // The document's variant and this pointer each hold a reference.
  auto* documentProxy = static_cast<mzIDispatch*>(documentObject);
  mzVariantS valid, classKey, text;
  int32_t isValid = 0;
  bool shown = call(documentProxy, "ValidObj", mzInvokePropertyGet, 0, nullptr, valid) && valid.getInt(isValid) == 0;
  if (shown && isValid == 0) {
    std::fprintf(stderr, "%s is not a readable document\n", path);
    shown = false;
  }
  shown = shown && call(documentProxy, "classkey", mzInvokePropertyGet, 0, nullptr, classKey) &&
          call(documentProxy, "writeToString", mzInvokeMethod, 0, nullptr, text);
  if (shown) std::printf("class key: %s\n%s\n", textOf(classKey), textOf(text));
  documentProxy->Release();
  return shown;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: %s <librudezaze.so> <document>\n"
                 "exit codes: 0 document shown, 1 a step failed (reason on stderr), 2 usage\n",
                 argv[0]);
    return exitUsage;
  }
  // Load the library and find its two exports.
  void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    std::fprintf(stderr, "%s\n", dlerror());
    return exitFailed;
  }
  auto init = reinterpret_cast<mzComInitRemoteEngineFn>(dlsym(library, mzComInitRemoteEngineName));
  auto terminate = reinterpret_cast<mzComTerminateRemoteEngineFn>(dlsym(library, mzComTerminateRemoteEngineName));
  if (!init || !terminate) {
    std::fprintf(stderr, "the library lacks its exports\n");
    dlclose(library);
    return exitFailed;
  }

  // Attach the engine: the library registers its class factory with it. The export always
  // answers 0; a class factory missing from the engine is how a failed attach shows.
  hostEngineC* engine = hostEngineC::create();
  init(engine);
  bool shown = false;
  if (mzIDispatch* factory = metaObjectFactory(*engine)) {
    shown = showDocument(factory, argv[2]);
    factory->Release();
  } else {
    std::fprintf(stderr, "the library registered no class factory\n");
  }
  // Detach, release everything the library gave, then unload it.
  terminate();
  engine->Release();
  dlclose(library);
  return shown ? exitDone : exitFailed;
}
