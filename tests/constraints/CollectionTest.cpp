#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "constraints/TavroConstraintCol.h"
#include "platform/Paths.h"
#include "runtime/Clock.h"
#include "runtime/DateTime.h"
#include "tests/support/Raised.h"

using namespace Morvelt;
using Runtime::Variant;
using TestSupport::Raised;

namespace {

// The library's log in this process's state folder, on a fixed day.
class ConstraintCollection : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::remove_all(LogFolder());
    Runtime::Clock::Set(Runtime::DateTime{Runtime::DateSerial(2026, 12, 8).Serial +
                                          Runtime::TimeSerial(14, 5, 9).Serial});
  }
  void TearDown() override { Runtime::Clock::Reset(); }

  static std::filesystem::path LogFolder() { return Platform::NativePath(Platform::LogFolder()); }
  static std::filesystem::path LogFile() { return LogFolder() / "8-12-26TavroSPC.Log"; }
  static void MakeLogFolder() { std::filesystem::create_directories(LogFolder()); }

  // The texts of the day's log lines, after their time stamps.
  static std::vector<std::string> Logged() {
    std::vector<std::string> texts;
    std::ifstream file(LogFile(), std::ios::binary);
    for (std::string line; std::getline(file, line);) {
      EXPECT_EQ(line.rfind("8-12-26 14:05:09\t", 0), 0u) << line;
      EXPECT_EQ(line.back(), '\r');
      texts.push_back(line.substr(17, line.size() - 18));
    }
    return texts;
  }
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(ConstraintCollection, LogsItsLifeAndEveryCallInAFileItMakes) {
  MakeLogFolder();
  ASSERT_FALSE(std::filesystem::exists(LogFile()));
  {
    auto collection = std::make_shared<TavroConstraintCol>();
    auto set = std::make_shared<TavroSPCConstraints>();
    collection->Add(set, "CHART1");
    EXPECT_EQ(collection->Count(), 1);
    EXPECT_EQ(collection->Item(Variant("chart1")), set);
    collection->MenuSelectionEvent(set);
    collection->Remove(Variant(1));
  }
  EXPECT_EQ(Logged(), (Lines{"Initialise V3.1.15", "Add", "Count", "Item", "MenuSelectionEvent",
                             "Remove", "Terminate"}));
}

TEST_F(ConstraintCollection, WithoutTheLogFolderNothingIsWrittenAndNothingFails) {
  auto collection = std::make_shared<TavroConstraintCol>();
  collection->Add(std::make_shared<TavroSPCConstraints>());
  EXPECT_EQ(collection->Count(), 1);
  EXPECT_FALSE(std::filesystem::exists(LogFolder()));
}

TEST_F(ConstraintCollection, ALogLineThatCannotBeWrittenDoesNotFailTheCall) {
  std::filesystem::create_directories(LogFile());  // a folder where the day's file belongs
  auto collection = std::make_shared<TavroConstraintCol>();
  collection->Add(std::make_shared<TavroSPCConstraints>(), "CHART1");
  EXPECT_EQ(collection->Count(), 1);
}

TEST_F(ConstraintCollection, AddMakesItTheParentEvenOfASetItRefuses) {
  MakeLogFolder();
  auto collection = std::make_shared<TavroConstraintCol>();
  auto first = std::make_shared<TavroSPCConstraints>();
  auto second = std::make_shared<TavroSPCConstraints>();
  collection->Add(first, "CHART1");
  EXPECT_EQ(first->Parent(), collection);
  EXPECT_EQ(Raised([&] { collection->Add(second, "Chart1"); }), 457);
  EXPECT_EQ(second->Parent(), collection);
  EXPECT_EQ(Raised([&] { collection->Add(nullptr); }), 91);
  EXPECT_EQ(Logged(), (Lines{"Initialise V3.1.15", "Add", "Add", "Add"}));
}

TEST_F(ConstraintCollection, ASetAddedWithoutAKeyIsReachedByPosition) {
  auto collection = std::make_shared<TavroConstraintCol>();
  auto keyed = std::make_shared<TavroSPCConstraints>();
  auto unkeyed = std::make_shared<TavroSPCConstraints>();
  collection->Add(keyed, "CHART1");
  collection->Add(unkeyed);
  EXPECT_EQ(collection->Item(Variant(2)), unkeyed);
  EXPECT_EQ(collection->Item(Variant("CHART1")), keyed);
  EXPECT_EQ(Raised([&] { collection->Item(Variant("")); }), 5);
}

TEST_F(ConstraintCollection, FailingLookUpsStillLeaveTheirLines) {
  MakeLogFolder();
  auto collection = std::make_shared<TavroConstraintCol>();
  EXPECT_EQ(Raised([&] { collection->Item(Variant("CHART9")); }), 5);
  EXPECT_EQ(Raised([&] { collection->Remove(Variant(1)); }), 5);
  EXPECT_EQ(Logged(), (Lines{"Initialise V3.1.15", "Item", "Remove"}));
}

TEST_F(ConstraintCollection, MenuSelectionHandsTheSetOverAndAsksForANewWindow) {
  auto collection = std::make_shared<TavroConstraintCol>();
  auto set = std::make_shared<TavroSPCConstraints>();
  std::vector<bool> asked;
  std::shared_ptr<TavroSPCConstraints> received;
  collection->MenuSelection.Connect(
      [&](std::shared_ptr<TavroSPCConstraints>& newSet, bool& createNewForm) {
        received = newSet;
        asked.push_back(createNewForm);
        createNewForm = false;
      });
  collection->MenuSelectionEvent(set);
  collection->MenuSelectionEvent(set);
  EXPECT_EQ(received, set);
  EXPECT_EQ(asked, (std::vector<bool>{true, true}));
  EXPECT_EQ(collection->Count(), 0);
}
