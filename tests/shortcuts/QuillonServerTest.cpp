#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "platform/Paths.h"
#include "shortcuts/Quillon.h"
#include "tests/support/ServerLibrary.h"

using Platform::ServerResult::ClassNotAvailable;
using Platform::ServerResult::Ok;

TEST(QuillonServer, RegistersBothClassesAndMakesGroupsUntilReleased) {
  TestSupport::ServerLibrary library("libQuillon.so");
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
  const auto& made = *group;
  EXPECT_NE(std::string(typeid(made).name()).find("clsShortCutGroup"), std::string::npos);
  factory.reset();
  EXPECT_EQ(library.CanUnloadNow(), Platform::ServerResult::False);
  group.reset();
  EXPECT_EQ(library.CanUnloadNow(), Ok);

  ASSERT_EQ(library.Unregister(), Ok);
  EXPECT_EQ(Platform::ClassLibrary("Tabrill.clsShortCutGroup"), "");
}
