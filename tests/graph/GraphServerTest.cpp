#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "graph/Dravex.h"
#include "graph/model/GraphValueCol.h"
#include "graph/render/DetachedGraphSite.h"
#include "graph/render/Graph.h"
#include "platform/Paths.h"
#include "platform/gui/Picture.h"
#include "platform/gui/Surface.h"

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
  ASSERT_EQ(DllRegisterServer(), Platform::ServerResult::Ok);
  const std::string path = Platform::ClassLibrary(GraphClassId);
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(std::filesystem::path(Platform::NativePath(path)).filename(), "libDravex.so");
  EXPECT_EQ(Platform::ClassLibrary("plotmere.graph"), path);
  EXPECT_EQ(Platform::ClassLibrary("Plotmere.GraphValueCol"), path);

  LoadedLibrary library(path);
  const auto getClassObject = library.Entry<DllGetClassObjectFunction>("DllGetClassObject");
  const auto canUnloadNow = library.Entry<DllCanUnloadNowFunction>("DllCanUnloadNow");
  ASSERT_NE(getClassObject, nullptr);
  ASSERT_NE(canUnloadNow, nullptr);
  EXPECT_EQ(canUnloadNow(), Platform::ServerResult::Ok);

  std::shared_ptr<Platform::ClassFactory> factory;
  ASSERT_EQ(getClassObject("{81f84969-4093-4e3e-917a-ca5ff6c0291f}", &factory),
            Platform::ServerResult::Ok);
  EXPECT_EQ(canUnloadNow(), Platform::ServerResult::False);
  auto graph = std::dynamic_pointer_cast<Graph>(factory->CreateInstance());
  ASSERT_NE(graph, nullptr);
  factory.reset();
  graph->AddSeries("A", SeriesStyleType::LineGraph);
  graph->AddValue("A", int32_t{1});
  EXPECT_EQ(graph->CountValue("A"), 1);
  EXPECT_EQ(canUnloadNow(), Platform::ServerResult::False);

  // A series a host still holds keeps the library loaded too.
  auto series = graph->Series()->Item("A");
  graph.reset();
  EXPECT_EQ(canUnloadNow(), Platform::ServerResult::False);
  series.reset();
  EXPECT_EQ(canUnloadNow(), Platform::ServerResult::Ok);
}

TEST(DravexServer, OnlyTheLibrarysOwnClassesAreServed) {
  std::shared_ptr<Platform::ClassFactory> factory;
  EXPECT_EQ(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", &factory),
            Platform::ServerResult::ClassNotAvailable);
  EXPECT_EQ(factory, nullptr);
  EXPECT_EQ(DllGetClassObject(nullptr, &factory), Platform::ServerResult::InvalidPointer);
  EXPECT_EQ(DllGetClassObject(GraphClassId, nullptr), Platform::ServerResult::InvalidPointer);

  ASSERT_EQ(DllGetClassObject("{57D5B4FF-0308-4737-9214-092D2C6ADCCF}", &factory),
            Platform::ServerResult::Ok);
  EXPECT_NE(std::dynamic_pointer_cast<GraphValueCol>(factory->CreateInstance()), nullptr);
}

TEST(DravexServer, UnregisteringRemovesTheClasses) {
  ASSERT_EQ(DllRegisterServer(), Platform::ServerResult::Ok);
  ASSERT_EQ(DllUnregisterServer(), Platform::ServerResult::Ok);
  EXPECT_EQ(Platform::ClassLibrary(GraphClassId), "");
  EXPECT_EQ(Platform::ClassLibrary("Plotmere.Graph"), "");
  EXPECT_EQ(DllUnregisterServer(), Platform::ServerResult::Ok);
}

TEST(DravexServer, AGraphMadeOffScreenHasTheDefaultSizeAtOnce) {
  // Nobody sizes a graph that the factory makes: it draws in its default extent.
  std::shared_ptr<Platform::ClassFactory> factory;
  ASSERT_EQ(DllGetClassObject(GraphClassId, &factory), Platform::ServerResult::Ok);
  const auto graph = std::dynamic_pointer_cast<Graph>(factory->CreateInstance());
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->Canvas().Width(), DetachedGraphSite::DefaultWidth);
  EXPECT_EQ(graph->Canvas().Height(), DetachedGraphSite::DefaultHeight);
  const auto canvas = graph->Frame();
  ASSERT_EQ(canvas, graph->Canvas().Surface());
  EXPECT_EQ(canvas->ScaleWidth(), 320);
  EXPECT_EQ(canvas->ScaleHeight(), 240);
  EXPECT_FALSE(graph->AutoUpdate());
  EXPECT_EQ(canvas->Image().Width(), 320);

  graph->AddSeries("A", SeriesStyleType::LineGraph);
  for (int32_t value : {3, 1, 4, 1, 5}) graph->AddValue("A", value);
  graph->Draw();
  const Platform::Picture drawn = canvas->Image();
  EXPECT_EQ(drawn.Width(), 320);
  EXPECT_EQ(drawn.Height(), 240);
  // Where the points fall: far from the corner a 1 x 1 canvas would leave.
  EXPECT_GT(graph->XCoordinate(5), 100);

  // New without a site is the same control.
  const auto made = Graph::New();
  EXPECT_EQ(made->Frame()->ScaleWidth(), 320);
  EXPECT_EQ(made->Frame()->ScaleHeight(), 240);
}
