#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "graph/Dravex.h"
#include "graph/model/GraphValueCol.h"
#include "graph/render/Graph.h"
#include "platform/Paths.h"

using namespace Dravex;

namespace {

// The library as a host finds it: through the class registry, loaded by path.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const std::string& systemPath)
      : handle_(dlopen(Platform::NativePath(systemPath).c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~LoadedLibrary() {
    if (handle_) dlclose(handle_);
  }
  template <class Function>
  Function Entry(const char* name) const {
    return handle_ ? reinterpret_cast<Function>(dlsym(handle_, name)) : nullptr;
  }

 private:
  void* handle_;
};

}  // namespace

TEST(DravexServer, ARegisteredGraphIsMadeThroughItsFactoryAndCountedUntilReleased) {
  ASSERT_EQ(DllRegisterServer(), ServerResult::Ok);
  const std::string path = ClassLibrary(GraphClassId);
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(std::filesystem::path(Platform::NativePath(path)).filename(), "libDravex.so");
  EXPECT_EQ(ClassLibrary("plotmere.graph"), path);
  EXPECT_EQ(ClassLibrary("Plotmere.GraphValueCol"), path);

  LoadedLibrary library(path);
  const auto getClassObject = library.Entry<DllGetClassObjectFunction>("DllGetClassObject");
  const auto canUnloadNow = library.Entry<DllCanUnloadNowFunction>("DllCanUnloadNow");
  ASSERT_NE(getClassObject, nullptr);
  ASSERT_NE(canUnloadNow, nullptr);
  EXPECT_EQ(canUnloadNow(), ServerResult::Ok);

  std::shared_ptr<ClassFactory> factory;
  ASSERT_EQ(getClassObject("{81f84969-4093-4e3e-917a-ca5ff6c0291f}", &factory), ServerResult::Ok);
  EXPECT_EQ(canUnloadNow(), ServerResult::False);
  auto graph = std::dynamic_pointer_cast<Graph>(factory->CreateInstance());
  ASSERT_NE(graph, nullptr);
  factory.reset();
  graph->AddSeries("A", SeriesStyleType::LineGraph);
  graph->AddValue("A", int32_t{1});
  EXPECT_EQ(graph->CountValue("A"), 1);
  EXPECT_EQ(canUnloadNow(), ServerResult::False);

  // A series a host still holds keeps the library loaded too.
  auto series = graph->Series()->Item("A");
  graph.reset();
  EXPECT_EQ(canUnloadNow(), ServerResult::False);
  series.reset();
  EXPECT_EQ(canUnloadNow(), ServerResult::Ok);
}

TEST(DravexServer, OnlyTheLibrarysOwnClassesAreServed) {
  std::shared_ptr<ClassFactory> factory;
  EXPECT_EQ(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", &factory),
            ServerResult::ClassNotAvailable);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(DllGetClassObject(nullptr, &factory), ServerResult::InvalidPointer);
  EXPECT_EQ(DllGetClassObject(GraphClassId, nullptr), ServerResult::InvalidPointer);

  ASSERT_EQ(DllGetClassObject("{57D5B4FF-0308-4737-9214-092D2C6ADCCF}", &factory),
            ServerResult::Ok);
  EXPECT_NE(std::dynamic_pointer_cast<GraphValueCol>(factory->CreateInstance()), nullptr);
}

TEST(DravexServer, UnregisteringRemovesTheClasses) {
  ASSERT_EQ(DllRegisterServer(), ServerResult::Ok);
  ASSERT_EQ(DllUnregisterServer(), ServerResult::Ok);
  EXPECT_EQ(ClassLibrary(GraphClassId), "");
  EXPECT_EQ(ClassLibrary("Plotmere.Graph"), "");
  EXPECT_EQ(DllUnregisterServer(), ServerResult::Ok);
}
