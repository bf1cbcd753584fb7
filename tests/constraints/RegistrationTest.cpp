#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/TavroRegistry.h"
#include "constraints/ClassRegistry.h"
#include "constraints/MorveltClasses.h"
#include "constraints/TavroConstraintCol.h"
#include "runtime/Conversions.h"

using namespace Morvelt;
using Runtime::Variant;

namespace {

const std::string CollectionClass = "{DECA0937-526A-454D-BCF8-20BC85F66FE1}";

std::string Default(const std::string& path) {
  const Variant value = Common::ReadRegValue("Software\\Classes\\" + path, "");
  return value.IsEmpty() ? "(none)" : Runtime::CStr(value);
}

// The shared library as a host loads it, with its four exported functions.
class MorveltLibrary {
 public:
  MorveltLibrary() {
    const std::string file =
        std::string(std::getenv("TAVRO_TEST_BINARY_DIR")) + "/bin/libMorvelt.so";
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) return;
    Register = Find<int32_t (*)()>("DllRegisterServer");
    Unregister = Find<int32_t (*)()>("DllUnregisterServer");
    GetClassObject = Find<int32_t (*)(const char*, Runtime::ObjectRef*)>("DllGetClassObject");
    CanUnloadNow = Find<int32_t (*)()>("DllCanUnloadNow");
  }
  ~MorveltLibrary() {
    if (handle_) dlclose(handle_);
  }
  bool Loaded() const {
    return handle_ && Register && Unregister && GetClassObject && CanUnloadNow;
  }

  int32_t (*Register)() = nullptr;
  int32_t (*Unregister)() = nullptr;
  int32_t (*GetClassObject)(const char*, Runtime::ObjectRef*) = nullptr;
  int32_t (*CanUnloadNow)() = nullptr;

 private:
  template <class F>
  F Find(const char* name) {
    return reinterpret_cast<F>(dlsym(handle_, name));
  }
  void* handle_ = nullptr;
};

}  // namespace

TEST(ClassRegistry, WritesAndRemovesEveryClassAndFindsItsFactory) {
  ASSERT_EQ(ClassRegistry::Register(TypeLibraryName, "/opt/tavro/libMorvelt.so", MorveltClasses()),
            ClassResult::Ok);
  EXPECT_EQ(Default("CLSID\\" + CollectionClass), "TavroSPC_V3.TavroConstraintCol");
  EXPECT_EQ(Default("CLSID\\" + CollectionClass + "\\InprocServer32"), "/opt/tavro/libMorvelt.so");
  EXPECT_EQ(Default("TavroSPC_V3.TavroSPCConstraints\\CLSID"),
            "{744C2842-1D53-4DB6-A3BA-D4404A3BE643}");

  const auto factory =
      ClassRegistry::Factory("{deca0937-526a-454d-bcf8-20bc85f66fe1}", MorveltClasses());
  ASSERT_NE(factory, nullptr);
  const int32_t before = MorveltObject::Alive();
  {
    const auto collection =
        std::dynamic_pointer_cast<TavroConstraintCol>(factory->CreateInstance());
    ASSERT_NE(collection, nullptr);
    EXPECT_EQ(MorveltObject::Alive(), before + 1);
    // Made by a factory, the collection still becomes its sets' parent.
    auto set = std::make_shared<TavroSPCConstraints>();
    collection->Add(set);
    EXPECT_EQ(set->Parent(), collection);
  }
  EXPECT_EQ(MorveltObject::Alive(), before);
  EXPECT_EQ(ClassRegistry::Factory("{00000000-0000-0000-0000-000000000000}", MorveltClasses()),
            nullptr);

  ASSERT_EQ(ClassRegistry::Unregister(TypeLibraryName, MorveltClasses()), ClassResult::Ok);
  EXPECT_EQ(Default("CLSID\\" + CollectionClass), "(none)");
  EXPECT_EQ(Default("TavroSPC_V3.TavroSPCConstraints\\CLSID"), "(none)");
  EXPECT_EQ(ClassRegistry::Unregister(TypeLibraryName, MorveltClasses()), ClassResult::Ok);
}

TEST(MorveltLibrary, ExportsTheFourRegistrationFunctions) {
  MorveltLibrary library;
  ASSERT_TRUE(library.Loaded()) << dlerror();

  ASSERT_EQ(library.Register(), ClassResult::Ok);
  EXPECT_NE(Default("CLSID\\" + CollectionClass + "\\InprocServer32").find("libMorvelt.so"),
            std::string::npos);

  EXPECT_EQ(library.CanUnloadNow(), ClassResult::Ok);
  Runtime::ObjectRef made;
  EXPECT_EQ(library.GetClassObject("{not a class}", &made), ClassResult::ClassNotAvailable);
  EXPECT_EQ(library.GetClassObject(CollectionClass.c_str(), nullptr), ClassResult::NullPointer);
  ASSERT_EQ(library.GetClassObject(CollectionClass.c_str(), &made), ClassResult::Ok);
  // The factory and every object it makes keep the library in use.
  auto object = std::static_pointer_cast<ClassFactory>(made)->CreateInstance();
  EXPECT_NE(object, nullptr);
  made.reset();
  EXPECT_EQ(library.CanUnloadNow(), ClassResult::False);
  object.reset();
  EXPECT_EQ(library.CanUnloadNow(), ClassResult::Ok);

  ASSERT_EQ(library.Unregister(), ClassResult::Ok);
  EXPECT_EQ(Default("CLSID\\" + CollectionClass), "(none)");
}
