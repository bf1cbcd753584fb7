#include <gtest/gtest.h>

#include <string>

#include "platform/gui/CommandButton.h"
#include "shortcuts/clsShortCutGroups.h"
#include "tests/shortcuts/BarFixture.h"
#include "tests/support/Raised.h"

using namespace Quillon;
using Runtime::Variant;
using ShortcutsTest::BarTest;
using TestSupport::Raised;

namespace {

class ShortCutModel : public BarTest {
 protected:
  clsShortCutGroups& groups = *bar.ShortCutGroups();
};

}  // namespace

TEST_F(ShortCutModel, GroupsAreKeyedByTheirCaptionAndTheFirstIsCurrent) {
  std::string key;
  const auto standard = groups.Add("Standard", key);
  EXPECT_EQ(key, "Standard");
  EXPECT_EQ(standard->Key(), "");
  EXPECT_TRUE(standard->Current());
  EXPECT_EQ(groups.Current(), standard);
  EXPECT_EQ(standard->Parent().get(), &groups);
  ASSERT_NE(standard->HeaderButton(), nullptr);
  EXPECT_EQ(standard->HeaderButton()->Name(), "Standard");
  EXPECT_EQ(standard->HeaderButton()->Caption(), "Standard");
  EXPECT_EQ(standard->HeaderButton()->Height(), 20);

  EXPECT_EQ(Raised([&] { groups.Add("Standard"); }), 727);
  EXPECT_EQ(Raised([&] { groups.Add("Date Macros"); }), 5);
  EXPECT_EQ(groups.Count(), 1);

  const auto user = groups.Add("User");
  EXPECT_FALSE(user->Current());
  EXPECT_EQ(groups.Current(), standard);
  EXPECT_EQ(groups.ExistsKey("user", true), 2);
}

TEST_F(ShortCutModel, ShortcutsAreNumberedByTheirPlace) {
  auto& shortCuts = *groups.Add("Standard")->ShortCuts();
  const auto a = shortCuts.Add("A", {});
  const auto b = shortCuts.Add("B", {});
  const auto c = shortCuts.Add("C", {});
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(b->Index(), 2);
  EXPECT_EQ(c->Index(), 3);
  EXPECT_TRUE(c->Enabled());
  EXPECT_EQ(c->Key(), "C");
  EXPECT_EQ(c->ShortCutGroup(), groups.Item(Variant(1)));

  EXPECT_EQ(shortCuts.ExistsKey("x"), 0);
  EXPECT_EQ(shortCuts.ExistsKey("C"), -1);
  EXPECT_EQ(shortCuts.ExistsKey("c", true), 3);
  EXPECT_EQ(Raised([&] { shortCuts.Add("Another", {}, "c"); }), Runtime::ErrorNumber::DuplicateKey);
  EXPECT_EQ(shortCuts.Count(), 3);

  shortCuts.Remove(Variant("B"));
  EXPECT_EQ(a->Index(), 1);
  EXPECT_EQ(c->Index(), 2);
  EXPECT_EQ(shortCuts.Item(Variant(2)), c);
}

TEST_F(ShortCutModel, NewShortcutsAndChangedCaptionsRepaint) {
  auto& shortCuts = *groups.Add("Standard")->ShortCuts();
  const auto a = shortCuts.Add("A", {});
  const auto unnamed = shortCuts.Add("", {}, "Unnamed");
  canvas.ClearRecords();

  a->Caption("AA");
  EXPECT_EQ(canvas.Count("Cls"), 1u);
  unnamed->Caption("X");
  EXPECT_EQ(canvas.Count("Cls"), 1u);
  shortCuts.Clear();
  EXPECT_EQ(canvas.Count("Cls"), 1u);
  shortCuts.Add("B", {});
  EXPECT_EQ(canvas.Count("Cls"), 2u);
}

TEST_F(ShortCutModel, RemovingTheCurrentGroupUnloadsItsButtonAndMovesCurrentOn) {
  const auto standard = groups.Add("Standard");
  const auto user = groups.Add("User");
  groups.Add("Other");
  groups.Current(user);
  standard->Current(false);
  user->Current(true);

  groups.Remove(Variant("User"));
  EXPECT_EQ(bar.FindControl("User"), nullptr);
  EXPECT_EQ(user->HeaderButton(), nullptr);
  EXPECT_EQ(groups.Current(), standard);
  EXPECT_TRUE(standard->Current());
  EXPECT_EQ(groups.Add("User")->Caption(), "User");

  groups.Clear();
  EXPECT_EQ(groups.Current(), nullptr);
  EXPECT_EQ(bar.FindControl("Standard"), nullptr);
}

// A host may point a collection at another group, or replace a group's
// collection while it keeps the old one; when that group ends the collection
// has no parent, and adding to it repaints nothing.
TEST_F(ShortCutModel, ShortCutsWhoseParentEndedHaveNoParentAndAddDoesNotRepaint) {
  auto kept = groups.Add("Standard")->ShortCuts();
  groups.Item(Variant(1))->ShortCuts(std::make_shared<clsShortCuts>());
  auto moved = std::make_shared<clsShortCuts>();
  auto other = std::make_shared<clsShortCutGroup>();
  moved->Parent(other);
  EXPECT_EQ(moved->Parent(), other);

  groups.Clear();
  other.reset();
  canvas.ClearRecords();
  for (const auto& ended : {kept, moved}) {
    EXPECT_EQ(ended->Parent(), nullptr);
    EXPECT_EQ(ended->Add("A", {})->ShortCutGroup(), nullptr);
    EXPECT_EQ(ended->Count(), 1);
  }
  EXPECT_EQ(canvas.Count("Cls"), 0u);
}

// What the library hands out of a group keeps it alive like the host's own
// pointer: a host may hold a shortcut's group after the groups are cleared.
TEST_F(ShortCutModel, EveryPointerToAGroupSharesTheGroupsOwner) {
  std::weak_ptr<clsShortCutGroup> watched;
  std::shared_ptr<clsShortCutGroup> kept;
  {
    const auto group = groups.Add("Standard");
    const auto shortCut = group->ShortCuts()->Add("A", {});
    watched = group;
    for (const auto& handedOut :
         {group->shared_from_this(), group->ShortCuts()->Parent(), shortCut->ShortCutGroup()}) {
      EXPECT_EQ(handedOut, group);
      EXPECT_FALSE(handedOut.owner_before(group) || group.owner_before(handedOut));
    }
    kept = group->ShortCuts()->Parent();
  }
  groups.Clear();
  ASSERT_FALSE(watched.expired());
  EXPECT_EQ(kept->Caption(), "Standard");
  kept.reset();
  EXPECT_TRUE(watched.expired());
}
