#include <gtest/gtest.h>

#include <string>

#include "constraints/Morvelt.h"
#include "constraints/MorveltClasses.h"
#include "constraints/MorveltObject.h"
#include "constraints/TavroConstraintCol.h"
#include "platform/Paths.h"
#include "tests/support/ServerLibrary.h"

using namespace Morvelt;
using Platform::ServerResult::ClassNotAvailable;
using Platform::ServerResult::InvalidPointer;
using Platform::ServerResult::Ok;

namespace {

const std::string CollectionClass = "{DECA0937-526A-454D-BCF8-20BC85F66FE1}";

}  // namespace

TEST(MorveltClasses, EveryClassIsServedUnderTheTypeLibrarysName) {
  const auto classes = RegisteredClasses();
  ASSERT_EQ(classes.size(), 7u);
  for (const auto& entry : classes)
    EXPECT_EQ(entry.ProgId, "TavroSPC_V3." + std::string(entry.Name));

  const auto factory = MorveltFactory("{deca0937-526a-454d-bcf8-20bc85f66fe1}");
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
  EXPECT_EQ(MorveltFactory("{00000000-0000-0000-0000-000000000000}"), nullptr);
}

TEST(MorveltLibrary, RegistersItselfAndServesItsClassesUntilReleased) {
  TestSupport::ServerLibrary library("libMorvelt.so");
  ASSERT_TRUE(library.Loaded()) << dlerror();

  ASSERT_EQ(library.Register(), Ok);
  const std::string registered = Platform::SystemPath(library.path.string());
  EXPECT_EQ(Platform::ClassLibrary(CollectionClass), registered);
  EXPECT_EQ(Platform::ClassLibrary("TavroSPC_V3.TavroSPCConstraints"), registered);

  EXPECT_EQ(library.CanUnloadNow(), Ok);
  std::shared_ptr<Platform::ClassFactory> factory;
  EXPECT_EQ(library.GetClassObject("{not a class}", &factory), ClassNotAvailable);
  EXPECT_EQ(library.GetClassObject(CollectionClass.c_str(), nullptr), InvalidPointer);
  ASSERT_EQ(library.GetClassObject(CollectionClass.c_str(), &factory), Ok);
  // The factory and every object it makes keep the library in use.
  auto object = factory->CreateInstance();
  EXPECT_NE(object, nullptr);
  factory.reset();
  EXPECT_EQ(library.CanUnloadNow(), Platform::ServerResult::False);
  object.reset();
  EXPECT_EQ(library.CanUnloadNow(), Ok);

  ASSERT_EQ(library.Unregister(), Ok);
  EXPECT_EQ(Platform::ClassLibrary(CollectionClass), "");
}
