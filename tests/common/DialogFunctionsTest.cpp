#include <gtest/gtest.h>

#include <memory>

#include "common/DialogFunctions.h"
#include "platform/gui/Responder.h"
#include "platform/gui/ScriptedResponder.h"

TEST(BrowseForFolder, GivesTheChosenFolderAndEmptyWhenCancelled) {
  auto responder = std::make_shared<Platform::ScriptedResponder>();
  Platform::SetResponder(responder);
  EXPECT_EQ(Common::BrowseForFolder(0, "Locate Data Directory"), "");
  responder->FolderAnswers.push_back("/srv/Data");
  EXPECT_EQ(Common::BrowseForFolder(0, "Locate Data Directory"), "/srv/Data");
  EXPECT_EQ(responder->FolderTitles.back(), "Locate Data Directory");
  Platform::SetResponder(nullptr);
}
