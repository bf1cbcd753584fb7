// The About window and the manuals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/gui/App.h"
#include "platform/gui/GuiConstants.h"
#include "tests/support/DesktopPopups.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/frmAbout.h"

using Kordex::frmAbout;

class AboutWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    Platform::SaveSetting(Platform::App::EXEName(), "Help", "Manual Location", folder.Folder());
  }
  void Manuals(const std::vector<std::string>& names) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
      std::filesystem::remove(entry);
    for (const std::string& name : names) std::ofstream(folder.Path() / name) << "%PDF-1.4\n";
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    about->Manual.ForEach([&](Platform::Menu& entry, int) { captions.push_back(entry.Caption()); });
    return captions;
  }

  TestSupport::TempDir folder;
  std::shared_ptr<frmAbout> about = std::make_shared<frmAbout>();
};

TEST_F(AboutWindowTest, ShowsTheProgramAndOpensTheWebPage) {
  Platform::App::SetVersion(2, 5, 7);
  Platform::App::SetFileDescription("Production data viewer");
  about->Show(Platform::ShowModes::Modeless);
  EXPECT_EQ(about->labVersion.Caption(), "2.5.7");
  EXPECT_EQ(about->labProgram.Caption(), Platform::App::EXEName());
  EXPECT_EQ(about->labDescription.Caption(), "Production data viewer");
  about->labWeb.Click.Raise();
  EXPECT_EQ(responder->OpenedDocuments, (std::vector<std::string>{"http://www.tavro.example"}));
  Platform::DoEvents();
  if (const char* binary = std::getenv("TAVRO_TEST_BINARY_DIR"))
    about->Snapshot().Save(std::string(binary) + "/AboutWindow.png");
  about->cmdClose.Click.Raise();
  EXPECT_FALSE(about->IsLoaded());
  EXPECT_NE(frmAbout::Window(), about);
  EXPECT_EQ(frmAbout::Window(), frmAbout::Window());
}

TEST_F(AboutWindowTest, OneManualOpensAtOnceByItsOwnName) {
  Manuals({"guide.pdf", "notes.txt"});
  about->ShowManual("*.PDF");
  EXPECT_TRUE(responder->PoppedMenus.empty());
  EXPECT_EQ(responder->OpenedDocuments, (std::vector<std::string>{folder.Folder() + "guide.pdf"}));
  EXPECT_FALSE(about->Visible());
}

TEST_F(AboutWindowTest, SeveralManualsPopUpTheirNames) {
  Manuals({"Operator.pdf", "Setup.Guide.pdf", "Maintenance.PDF"});
  responder->OnPopup = [](Platform::Menu& menu) { return menu.Items()[2]; };
  about->ShowManual("*.PDF");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Maintenance", "Operator", "Setup.Guide"}));
  EXPECT_EQ(responder->OpenedDocuments,
            (std::vector<std::string>{folder.Folder() + "Setup.Guide.pdf"}));

  Manuals({"A.pdf", "B.pdf"});
  responder->OnPopup = nullptr;
  about->ShowManual("*.PDF");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(responder->PoppedMenus.size(), 2u);
  EXPECT_EQ(responder->OpenedDocuments.size(), 1u);
  EXPECT_TRUE(responder->Messages.empty());
}

// On the desktop, a manual picked from several with the keyboard opens once.
TEST_F(AboutWindowTest, ManualPickRunsItsClickOnce) {
  responder = std::make_shared<TestSupport::DesktopPopups>();
  Platform::SetResponder(responder);
  Manuals({"A.pdf", "B.pdf"});
  TestSupport::PopupKeys person({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
  about->ShowManual("*.PDF");
  EXPECT_EQ(responder->OpenedDocuments, (std::vector<std::string>{folder.Folder() + "B.pdf"}));
}

TEST_F(AboutWindowTest, ManualNotFoundNamesTheFolderAndItsSetting) {
  Manuals({"notes.txt"});
  about->ShowManual("*.PDF");
  Platform::SaveSetting(Platform::App::EXEName(), "Help", "Manual Location", "/no/such/folder/");
  about->ShowManual("*.PDF");
  EXPECT_TRUE(responder->PoppedMenus.empty());
  EXPECT_TRUE(responder->OpenedDocuments.empty());
  ASSERT_EQ(responder->Messages.size(), 2u);
  for (const auto& [message, folderShown] :
       {std::pair{responder->Messages[0], folder.Folder()},
        std::pair{responder->Messages[1], std::string("/no/such/folder/")}}) {
    EXPECT_EQ(message.Prompt, "No manual was found in the folder \"" + folderShown +
                                  "\".\r\nThe folder is set by the \"Manual Location\" "
                                  "setting (section \"Help\").");
    EXPECT_EQ(message.Title, Platform::App::Title());
  }
}

TEST_F(AboutWindowTest, ManualThatCannotBeOpenedIsReported) {
  Manuals({"guide.pdf"});
  responder->OpenDocumentAnswer = false;
  about->ShowManual("*.PDF");
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Prompt,
            "The manual \"" + folder.Folder() + "guide.pdf\" could not be opened.");
  EXPECT_FALSE(about->Visible());

  // The web page keeps failing quietly.
  about->labWeb.Click.Raise();
  EXPECT_EQ(responder->Messages.size(), 1u);
}
