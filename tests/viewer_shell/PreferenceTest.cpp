// Preference items bound to text boxes, and the collection that loads, saves,
// validates and commits them.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Problems.h"
#include "platform/gui/Application.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/TextBox.h"
#include "runtime/Error.h"
#include "tests/platform/FileText.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/shell/clsPreferences.h"

using Kordex::clsPreference;
using Kordex::clsPreferences;
using Platform::DoEvents;
using Platform::MsgBoxResults::No;
using Platform::MsgBoxResults::Yes;
using Runtime::Variant;

namespace {

class PreferenceForm : public Platform::Form {
 public:
  PreferenceForm() : Form("PreferenceForm") {
    txtFirst.Move(120, 120, 3000, 285);
    txtSecond.Move(120, 600, 3000, 285);
    cmdButton.Move(3300, 120, 1200, 375);
    for (int i = 0; i < 6; ++i) {
      boxes.push_back(std::make_unique<Platform::TextBox>(*this, "txtBox" + std::to_string(i)));
      boxes.back()->Move(120, 1100 + 400 * i, 3000, 285);
    }
  }
  Platform::TextBox txtFirst{*this, "txtFirst"};
  Platform::TextBox txtSecond{*this, "txtSecond"};
  Platform::CommandButton cmdButton{*this, "cmdButton"};
  std::vector<std::unique_ptr<Platform::TextBox>> boxes;
};

class FocusReturningResponder : public Platform::ScriptedResponder {
 public:
  int MessageBox(const std::string& prompt, int buttons, const std::string& title) override {
    if (ReturnTo != nullptr) {
      QFocusEvent focusIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
      QApplication::sendEvent(ReturnTo->Internal().widget, &focusIn);
    }
    return ScriptedResponder::MessageBox(prompt, buttons, title);
  }
  Platform::TextBox* ReturnTo = nullptr;
};

}  // namespace

class PreferenceItemTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    form = std::make_shared<PreferenceForm>();
    form->Show();
  }
  std::shared_ptr<clsPreference> Item(const std::string& name, int32_t type,
                                      Platform::TextBox& box) {
    auto item = std::make_shared<clsPreference>();
    item->SetName(name);
    item->SetValueType(type);
    item->SetTextBox(&box);
    return item;
  }
  // Checks a typed text; the message shown, if any.
  std::string Check(clsPreference& item, const std::string& text) {
    item.TextBox()->SetText(text);
    responder->Messages.clear();
    const bool valid = item.ValidateValue();
    EXPECT_EQ(valid, responder->Messages.empty()) << text;
    if (responder->Messages.empty()) return "";
    EXPECT_EQ(responder->Messages.size(), 1u) << text;
    EXPECT_TRUE(item.TextBox()->HasFocus()) << text;
    return responder->Messages[0].Title + " / " + responder->Messages[0].Prompt;
  }
  std::shared_ptr<PreferenceForm> form;
};

TEST_F(PreferenceItemTest, NumbersAreNormalisedAndMustBeTheirOwnForm) {
  auto whole = Item("Update Interval", 0, form->txtFirst);
  const std::string typeError = "Value Type Error! / Incorrect value type for 'Update Interval";
  EXPECT_EQ(Check(*whole, " .5 "), typeError);
  EXPECT_EQ(form->txtFirst.Text(), "0.5");
  EXPECT_EQ(responder->Messages[0].Buttons, Platform::MsgBoxStyles::Exclamation);
  for (const char* bad : {"007", "+5", "1e3", "1.5", ""}) EXPECT_EQ(Check(*whole, bad), typeError);
  EXPECT_EQ(Check(*whole, "10.0"), "");
  EXPECT_EQ(form->txtFirst.Text(), "10");
  EXPECT_EQ(Check(*whole, "."), "");
  EXPECT_EQ(form->txtFirst.Text(), "0");

  auto real = Item("Factor", 1, form->txtSecond);
  EXPECT_EQ(Check(*real, "1.500"), "");
  EXPECT_EQ(form->txtSecond.Text(), "1.5");
  EXPECT_EQ(Check(*real, "0.25"), "");
  EXPECT_NE(Check(*real, "0.25abc"), "");
}

TEST_F(PreferenceItemTest, LimitsAndTheWholeNumberRange) {
  auto width = Item("Pareto Display Width", 0, form->txtFirst);
  width->SetMinValue(Variant(int16_t{3}));
  width->SetMaxValue(Variant(int16_t{20}));
  EXPECT_EQ(Check(*width, "20"), "");
  EXPECT_EQ(Check(*width, "3"), "");
  EXPECT_EQ(Check(*width, "21"),
            "Value Limit Error! / The maximun value for 'Pareto Display Width' is 20");
  EXPECT_EQ(Check(*width, "2"),
            "Value Limit Error! / The minimum value for 'Pareto Display Width' is 3");

  auto entries = Item("Pareto Maximum Entries", 0, form->txtSecond);
  EXPECT_EQ(Check(*entries, "99999"),
            "Value Limit Error! / The maximun value for 'Pareto Maximum Entries' is 32767");
  EXPECT_EQ(Check(*entries, "-40000"),
            "Value Limit Error! / The minimum value for 'Pareto Maximum Entries' is -32768");

  auto text = Item("Code", 2, form->txtSecond);
  text->SetMaxValue(Variant("ABC"));
  EXPECT_EQ(Check(*text, "abc"), "");
  EXPECT_EQ(Check(*text, "abd"), "Value Limit Error! / The maximun value for 'Code' is 'ABC'");
  text->SetCaseSensitive(true);
  EXPECT_NE(Check(*text, "abc"), "");
}

TEST_F(PreferenceItemTest, ValuesItsTypeCannotHoldGiveTheDefault) {
  auto item = Item("Update Interval", 0, form->txtFirst);
  item->SetDefaultValue(Variant(int16_t{5}));
  item->SetValue(Variant(99999.0));
  const int problems = Platform::ProblemCount();
  EXPECT_EQ(item->Value(), Variant(int16_t{5}));
  EXPECT_EQ(item->Value(), Variant(int16_t{5}));
  EXPECT_EQ(Platform::ProblemCount(), problems + 1);
  item->SetValue(Variant(2.5));
  EXPECT_EQ(item->Value(), Variant(int16_t{2}));
}

TEST_F(PreferenceItemTest, FolderExistenceRules) {
  TestSupport::TempDir dir;
  const std::string missing = dir.Folder() + "a/b";
  auto folder = Item("Data Directory", 3, form->txtFirst);
  folder->SetFileType(1);
  EXPECT_EQ(Check(*folder, missing),
            "Non Existant Folder! / '" + missing + "'\r\n is not an existing folder.");
  EXPECT_EQ(Check(*folder, dir.Folder()), "");
  folder->SetFileType(0);
  EXPECT_EQ(Check(*folder, missing), "");

  folder->SetFileType(5);
  responder->MessageAnswers = {No};
  EXPECT_NE(Check(*folder, missing), "");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "a"));
  responder->MessageAnswers = {Yes};
  EXPECT_TRUE((form->txtFirst.SetText(missing), folder->ValidateValue()));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "a" / "b"));

  // A folder that cannot be made: a file stands in its way.
  ShellTestSupport::WriteFile(dir.Path() / "file", "x");
  const std::string blocked = dir.Folder() + "file/sub";
  folder->SetFileType(6);
  form->txtFirst.SetText(blocked);
  responder->Messages.clear();
  responder->MessageAnswers = {Yes, Yes};
  EXPECT_TRUE(folder->ValidateValue());
  ASSERT_EQ(responder->Messages.size(), 2u);
  EXPECT_EQ(responder->Messages[1].Prompt,
            "I was unable to create\r\n'" + blocked + "'\r\nIs it Ok to proceed?");
  EXPECT_EQ(responder->Messages[1].Buttons,
            Platform::MsgBoxStyles::Question + Platform::MsgBoxStyles::YesNo);
}

TEST_F(PreferenceItemTest, BoxAndButtonBehaviour) {
  auto first = Item("First", 2, form->txtFirst);
  auto second = Item("Second", 2, form->txtSecond);
  form->txtFirst.SetText("abc");
  form->txtFirst.SetFocus();
  DoEvents();
  EXPECT_EQ(form->txtFirst.SelLength(), 3);
  Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  DoEvents();
  EXPECT_TRUE(form->txtSecond.HasFocus());
  EXPECT_EQ(form->txtFirst.Text(), "abc");
  form->txtFirst.SetMultiLine(true);
  form->txtFirst.SetFocus();
  form->txtFirst.SetSelStart(3);
  Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  DoEvents();
  EXPECT_TRUE(form->txtFirst.HasFocus());
  EXPECT_EQ(form->txtFirst.Text(), "abc\r\n");

  first->SetValueType(3);
  first->SetSearchButton(&form->cmdButton);
  responder->FolderAnswers = {"/srv/placement/"};
  form->cmdButton.SetValue(true);
  EXPECT_EQ(responder->FolderTitles,
            (std::vector<std::string>{"Locate Folder For Machine Modules"}));
  EXPECT_EQ(form->txtFirst.Text(), "/srv/placement/");
  first->SetValueType(4);
  form->cmdButton.SetValue(true);
  EXPECT_EQ(responder->FolderTitles.size(), 1u);
  second.reset();
}

TEST_F(PreferenceItemTest, FailedFocusCheckDoesNotCheckTheNextBox) {
  auto first = Item("First", 0, form->txtFirst);
  auto second = Item("Second", 0, form->txtSecond);
  first->SetValueValidate(1);
  second->SetValueValidate(1);
  form->txtFirst.SetText("abc");
  form->txtSecond.SetText("xyz");
  form->txtFirst.SetFocus();
  DoEvents();
  // On the desktop the focus comes back to the box it had gone to when the
  // message box closes.
  auto desktopLike = std::make_shared<FocusReturningResponder>();
  desktopLike->ReturnTo = &form->txtSecond;
  responder = desktopLike;
  Platform::SetResponder(desktopLike);
  form->txtSecond.SetFocus();
  DoEvents();
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Prompt, "Incorrect value type for 'First");
  EXPECT_TRUE(form->txtFirst.HasFocus());
}

TEST_F(PreferenceItemTest, ControlsEndingFirstAreLetGo) {
  auto item = Item("First", 2, form->txtFirst);
  item->SetSearchButton(&form->cmdButton);
  std::weak_ptr<PreferenceForm> gone = form;
  form->Unload();
  form.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_TRUE(gone.expired());
  EXPECT_EQ(item->TextBox(), nullptr);
  EXPECT_EQ(item->SearchButton(), nullptr);
  EXPECT_THROW(item->ValidateValue(), Runtime::Error);
}

class PreferenceCollectionTest : public PreferenceItemTest {
 protected:
  // The program's six preferences, bound to the form's six boxes.
  std::shared_ptr<clsPreferences> Registered() {
    auto prefs = std::make_shared<clsPreferences>();
    int i = 0;
    for (const auto& registration : Kordex::ApplicationPreferences()) {
      auto item = prefs->Add(registration.Name, registration.ValueType);
      item->SetTextBox(form->boxes[i++].get());
      item->SetDefaultValue(registration.Default);
      item->SetMinValue(registration.Min);
      item->SetMaxValue(registration.Max);
    }
    return prefs;
  }
};

TEST_F(PreferenceCollectionTest, KeysAndPositions) {
  auto prefs = Registered();
  EXPECT_EQ(prefs->ExistsKey(Variant("data directory"), true), 5);
  EXPECT_EQ(prefs->ExistsKey(Variant("Data Directory"), false), -1);
  EXPECT_EQ(prefs->ExistsKey(Variant("Nope"), false), 0);
  EXPECT_EQ(prefs->ExistsKey(Variant("Nope"), true), 0);
  try {
    prefs->Add("UPDATE INTERVAL", 0);
    ADD_FAILURE() << "a duplicate name was taken";
  } catch (const Runtime::Error& error) {
    EXPECT_EQ(error.Number(), 457);
  }
  EXPECT_EQ(prefs->Item(Variant(int16_t{6}))->RegistryApp(), "TavroKordex");
  prefs->Clear();
  EXPECT_EQ(prefs->Count(), 0);
}

TEST_F(PreferenceCollectionTest, CommitRaisesEveryPairInOrderAndHonoursCancel) {
  auto prefs = Registered();
  prefs->LoadFromRegistry();
  prefs->DisplayPreferences();
  EXPECT_EQ(form->boxes[0]->Text(), "10");
  std::vector<std::string> events;
  prefs->BeforeChange.Connect([&](std::shared_ptr<clsPreference>& item, Variant, bool& cancel) {
    events.push_back("before " + item->Name());
    cancel = item->Name() == "RunTime History";
  });
  prefs->AfterChange.Connect([&](std::shared_ptr<clsPreference>& item, Variant) {
    events.push_back("after " + item->Name());
  });
  form->boxes[3]->SetText("200");
  form->boxes[5]->SetText("abc");
  prefs->CommitPreferences();
  ASSERT_EQ(events.size(), 11u);
  EXPECT_EQ(events[0], "before Pareto Display Width");
  EXPECT_EQ(events[1], "after Pareto Display Width");
  EXPECT_EQ(events[6], "before RunTime History");
  EXPECT_EQ(events[7], "before Data Directory");
  EXPECT_EQ(prefs->Item(Variant("RunTime History"))->Value(), Variant(int16_t{100}));
  EXPECT_EQ(prefs->Item(Variant("Update Interval"))->Value(), Variant(int16_t{0}));
}

TEST_F(PreferenceCollectionTest, ValidationStopsAtTheFirstFailure) {
  auto prefs = Registered();
  prefs->LoadFromRegistry();
  prefs->DisplayPreferences();
  EXPECT_TRUE(prefs->ValidateCommitValues());
  form->boxes[1]->SetText("x");
  form->boxes[5]->SetText("y");
  EXPECT_FALSE(prefs->ValidateCommitValues());
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Prompt, "Incorrect value type for 'Pareto Maximum Entries");
}

TEST_F(PreferenceCollectionTest, LoadAndSaveThroughTheMachineSettings) {
  auto prefs = Registered();
  prefs->LoadFromRegistry();
  EXPECT_EQ(prefs->Item(Variant("Update Interval"))->Value(), Variant(int16_t{5}));
  prefs->Item(Variant("Data Directory"))->SetValue(Variant("/srv/data/"));
  prefs->SaveToRegistry();
  const std::string saved = TestSupport::FileText(ShellTestSupport::MachineSettingsFile());
  EXPECT_NE(saved.find("[Software\\Tavro\\TavroKordex\\Preferences]"), std::string::npos);
  EXPECT_NE(saved.find("\"Update Interval\"=dword:5"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"Data Directory\"=sz:\"/srv/data/\""), std::string::npos) << saved;

  for (const Variant& stored : {Variant("abc"), Variant(int32_t{99999}), Variant(int32_t{0})}) {
    StorePreference("Update Interval", stored);
    const int problems = Platform::ProblemCount();
    prefs->LoadFromRegistry();
    EXPECT_EQ(prefs->Item(Variant("Update Interval"))->Value(), Variant(int16_t{5}));
    EXPECT_EQ(Platform::ProblemCount(), problems + 1);
  }
  StorePreference("Update Interval", Variant(int32_t{12}));
  prefs->LoadFromRegistry();
  EXPECT_EQ(prefs->Item(Variant("Update Interval"))->Value(), Variant(int16_t{12}));
}

TEST_F(PreferenceCollectionTest, CommitButtonValidatesCommitsSavesAndHides) {
  auto prefs = Registered();
  prefs->LoadFromRegistry();
  prefs->DisplayPreferences();
  prefs->SetCommitButton(&form->cmdButton);
  bool visibleAtCommit = true;
  prefs->Commit.Connect([&] { visibleAtCommit = form->Visible(); });
  form->boxes[5]->SetText("99");
  form->cmdButton.SetValue(true);
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(visibleAtCommit);
  form->boxes[5]->SetText("7");
  form->cmdButton.SetValue(true);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(visibleAtCommit);
  EXPECT_NE(TestSupport::FileText(ShellTestSupport::MachineSettingsFile())
                .find("\"Update Interval\"=dword:7"),
            std::string::npos);
}
