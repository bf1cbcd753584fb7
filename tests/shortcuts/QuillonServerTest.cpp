#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <typeinfo>

#include "platform/Paths.h"
#include "shortcuts/Quillon.h"

using Platform::ServerResult::ClassNotAvailable;
using Platform::ServerResult::Ok;

namespace {

// The shared library as a host loads it, with its four entry points.
class QuillonLibrary {
 public:
  QuillonLibrary()
      : path(std::filesystem::absolute(std::string(std::getenv("TAVRO_TEST_BINARY_DIR")) +
                                       "/bin/libQuillon.so")),
        handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    Register = Entry<int32_t (*)()>("DllRegisterServer");
    Unregister = Entry<int32_t (*)()>("DllUnregisterServer");
    GetClassObject = Entry<int32_t (*)(const char*, std::shared_ptr<Platform::ClassFactory>*)>(
        "DllGetClassObject");
    CanUnloadNow = Entry<int32_t (*)()>("DllCanUnloadNow");
  }
  ~QuillonLibrary() {
    if (handle_) dlclose(handle_);
  }
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

}  // namespace

TEST(QuillonServer, RegistersBothClassesAndMakesGroupsUntilReleased) {
  QuillonLibrary library;
  ASSERT_TRUE(library.Loaded()) << dlerror();

  ASSERT_EQ(library.Register(), Ok);
  const std::string registered = Platform::SystemPath(library.path.string());
  EXPECT_EQ(Platform::ClassLibrary("Tabrill.cntTabrill"), registered);
  EXPECT_EQ(Platform::ClassLibrary(ShortCutGroupClassId), registered);

  std::shared_ptr<Platform::ClassFactory> factory;
  EXPECT_EQ(library.GetClassObject(TabrillClassId, &factory), ClassNotAvailable);
  ASSERT_EQ(library.GetClassObject(ShortCutGroupClassId, &factory), Ok);
  auto group = factory->CreateInstance();
  ASSERT_NE(group, nullptr);
  EXPECT_NE(std::string(typeid(*group).name()).find("clsShortCutGroup"), std::string::npos);
  factory.reset();
  EXPECT_EQ(library.CanUnloadNow(), Platform::ServerResult::False);
  group.reset();
  EXPECT_EQ(library.CanUnloadNow(), Ok);

  ASSERT_EQ(library.Unregister(), Ok);
  EXPECT_EQ(Platform::ClassLibrary("Tabrill.clsShortCutGroup"), "");
}
