#pragma once

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/ClassRegistry.h"

namespace TestSupport {

// A control library of the build (bin/<fileName>) loaded as a host loads it,
// with its four exported entry points (null when it did not load).
class ServerLibrary {
 public:
  explicit ServerLibrary(const std::string& fileName)
      : path(std::filesystem::absolute(std::string(std::getenv("TAVRO_TEST_BINARY_DIR")) + "/bin/" +
                                       fileName)),
        handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    Register = Entry<int32_t (*)()>("DllRegisterServer");
    Unregister = Entry<int32_t (*)()>("DllUnregisterServer");
    GetClassObject = Entry<int32_t (*)(const char*, std::shared_ptr<Platform::ClassFactory>*)>(
        "DllGetClassObject");
    CanUnloadNow = Entry<int32_t (*)()>("DllCanUnloadNow");
  }
  ~ServerLibrary() {
    if (handle_) dlclose(handle_);
  }
  ServerLibrary(const ServerLibrary&) = delete;
  ServerLibrary& operator=(const ServerLibrary&) = delete;

  bool Loaded() const { return Register && Unregister && GetClassObject && CanUnloadNow; }

  std::filesystem::path path;
  int32_t (*Register)() = nullptr;
  int32_t (*Unregister)() = nullptr;
  int32_t (*GetClassObject)(const char*, std::shared_ptr<Platform::ClassFactory>*) = nullptr;
  int32_t (*CanUnloadNow)() = nullptr;

 private:
  template <class F>
  F Entry(const char* name) {
    return handle_ ? reinterpret_cast<F>(dlsym(handle_, name)) : nullptr;
  }
  void* handle_;
};

}  // namespace TestSupport
