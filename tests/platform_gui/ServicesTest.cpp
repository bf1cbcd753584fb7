// Message boxes, the event wrapper, the common dialog, the shell, menus, image
// lists, user controls and property bags.
#include <QAbstractButton>

#include "platform/gui/App.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/CommonDialog.h"
#include "platform/gui/ControlArray.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Menu.h"
#include "platform/gui/MenuInternal.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/QtBridge.h"
#include "platform/gui/RecordingSurface.h"
#include "platform/gui/Screen.h"
#include "platform/gui/Shell.h"
#include "platform/gui/UserControl.h"
#include "runtime/Error.h"
#include "tests/platform_gui/RaisedError.h"
#include "tests/support/DesktopPopups.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;
using Runtime::Variant;

TEST_F(FormsTest, MessageBoxAnsweredByTheResponder) {
  responder->MessageAnswers.push_back(MsgBoxResults::No);
  const int answer = MsgBox("'C:\\Data' is not an existing folder. Do you wish to create it?",
                            MsgBoxStyles::Question | MsgBoxStyles::YesNo, "Non Existant Folder!");
  EXPECT_EQ(answer, MsgBoxResults::No);
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_EQ(responder->Messages[0].Title, "Non Existant Folder!");
  EXPECT_EQ(responder->Messages[0].Buttons, MsgBoxStyles::Question | MsgBoxStyles::YesNo);
  // Without an answer the box's first button; without a title the program's.
  EXPECT_EQ(MsgBox("Done"), MsgBoxResults::OK);
  EXPECT_EQ(responder->Messages[1].Title, App::Title());
}

TEST_F(FormsTest, AnErrorEscapingAHandlerIsReportedAndTheProgramGoesOn) {
  auto form = std::make_shared<Form>("Dialog");
  CommandButton button(*form, "cmdGo");
  int after = 0;
  button.Click.Connect([] { Runtime::Raise(Runtime::ErrorNumber::TypeMismatch); });
  button.Click.Connect([&] { ++after; });
  form->Show();
  static_cast<QAbstractButton*>(WidgetOf(button))->click();
  static_cast<QAbstractButton*>(WidgetOf(button))->click();
  ASSERT_EQ(responder->Messages.size(), 2u);
  EXPECT_EQ(responder->Messages[0].Prompt, "Run-time error '13':\r\n\r\nType mismatch");
  EXPECT_EQ(after, 0) << "the handler chain of that click ends at the error";
  EXPECT_TRUE(form->IsLoaded());
}

TEST_F(FormsTest, CommonDialogCancelIsAnErrorForTheCaller) {
  CommonDialog dialog;
  dialog.DialogTitle = "Save Table As";
  dialog.Filter = "Text (*.TXT)|*.TXT|Rich Text Format (*.RTF)|*.RTF";
  dialog.Flags = 0x80802;
  EXPECT_EQ(RaisedError([&] { dialog.ShowSave(); }), CommonDialogErrors::Cancel);
  ASSERT_EQ(responder->FileRequests.size(), 1u);
  EXPECT_EQ(responder->FileRequests[0].Title, "Save Table As");
  EXPECT_EQ(responder->FileRequests[0].Flags, 0x80802);

  responder->FileAnswers.push_back("/tmp/report.RTF");
  dialog.ShowSave();
  EXPECT_EQ(dialog.FileName, "/tmp/report.RTF");
  EXPECT_EQ(dialog.FileTitle(), "report.RTF");

  EXPECT_EQ(RaisedError([&] { dialog.ShowPrinter(); }), CommonDialogErrors::Cancel);
  PrinterRequest landscape;
  landscape.Orientation = PrinterOrientations::Landscape;
  responder->PrinterAnswers.push_back(landscape);
  dialog.ShowPrinter();
  EXPECT_EQ(dialog.Orientation, PrinterOrientations::Landscape);

  dialog.CancelError = false;
  dialog.ShowSave();
  EXPECT_EQ(dialog.FileName, "");
}

TEST_F(FormsTest, FolderBrowserAndDesktop) {
  EXPECT_EQ(ShowFolderBrowser("Locate Folder For Machine Modules"), "");
  responder->FolderAnswers.push_back("/srv/Data");
  EXPECT_EQ(ShowFolderBrowser("Locate Folder For Machine Modules"), "/srv/Data");
  EXPECT_EQ(responder->FolderTitles.back(), "Locate Folder For Machine Modules");
  EXPECT_TRUE(OpenWithDesktop("http://www.example.com"));
  EXPECT_EQ(responder->OpenedDocuments, (std::vector<std::string>{"http://www.example.com"}));
}

TEST_F(FormsTest, PopUpMenuRunsTheChosenItem) {
  auto form = std::make_shared<Form>("About");
  Menu manuals(*form, "Manuals");
  manuals.SetCaption("Manuals");
  manuals.SetVisible(false);
  ControlArray<Menu> manual(manuals, "Manual");
  std::vector<int> opened;
  manual.OnLoad(
      [&](Menu& item, int index) { item.Click.Connect([&, index] { opened.push_back(index); }); });
  manual[0].SetCaption("Setup.Guide");
  manual.Load(1).SetCaption("Operator");
  EXPECT_TRUE(manual[1].Visible());
  ASSERT_EQ(manuals.Items().size(), 2u);
  responder->OnPopup = [](Menu& menu) { return menu.Items()[1]; };
  form->PopupMenu(manuals);
  EXPECT_EQ(opened, (std::vector<int>{1}));
  manual.Unload(1);
  EXPECT_EQ(manuals.Items().size(), 1u);
  responder->OnPopup = nullptr;
  form->PopupMenu(manuals, 0, 120.0, 240.0);
  EXPECT_EQ(opened.size(), 1u);
  EXPECT_EQ(responder->PoppedMenus.size(), 2u);
}

// The desktop shows the menu itself and the person picks with the keyboard:
// each pick, a sub-menu's too, runs the item's Click once, and the items still
// run theirs from the menu bar.
TEST_F(FormsTest, ADesktopPopupPickRunsItsClickOnce) {
  responder = std::make_shared<TestSupport::DesktopPopups>();
  SetResponder(responder);
  auto form = std::make_shared<Form>("DateSelect");
  form->Show();
  Menu macro(*form, "MacroPopup");
  macro.SetCaption("Macro");
  macro.SetVisible(false);
  Menu edit(macro, "MacroEdit");
  Menu line(macro, "MacroLine");
  Menu remove(macro, "MacroDelete");
  Menu more(macro, "MacroMore");
  Menu rename(more, "MacroRename");
  std::vector<std::string> clicked;
  for (Menu* item : {&edit, &line, &remove, &more, &rename}) {
    item->SetCaption(item == &line ? "-" : item->Name());
    item->Click.Connect([&clicked, item] { clicked.push_back(item->Name()); });
  }

  const auto pick = [&](std::vector<int> keys) {
    TestSupport::PopupKeys person(std::move(keys));
    form->PopupMenu(macro);
  };
  pick({Qt::Key_Down, Qt::Key_Return});
  EXPECT_EQ(clicked, (std::vector<std::string>{"MacroEdit"}));
  pick({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
  EXPECT_EQ(clicked, (std::vector<std::string>{"MacroEdit", "MacroDelete"}));
  pick({Qt::Key_Up, Qt::Key_Right, Qt::Key_Return});
  EXPECT_EQ(clicked, (std::vector<std::string>{"MacroEdit", "MacroDelete", "MacroRename"}));
  pick({Qt::Key_Escape});
  EXPECT_EQ(clicked.size(), 3u);
  EXPECT_EQ(responder->PoppedMenus.size(), 4u);

  remove.Internal().action->trigger();
  EXPECT_EQ(clicked.back(), "MacroDelete");
  EXPECT_EQ(clicked.size(), 4u);
}

TEST_F(FormsTest, ImageListByKeyAndPosition) {
  ImageList images;
  QImage calendar(16, 16, QImage::Format_ARGB32);
  calendar.fill(Qt::blue);
  images.Add(PictureOf(calendar), "Calendar");
  images.Add(PictureOf(calendar), "Calendar Edit");
  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(images.IndexOf("calendar edit"), 2);
  EXPECT_EQ(images.Item("Calendar").Width(), 16);
  EXPECT_EQ(images.ExtractIcon(1).Type(), PictureType::Icon);
  EXPECT_EQ(RaisedError([&] { images.Add(Picture(), "CALENDAR"); }), 35602);
  EXPECT_EQ(RaisedError([&] { images.Item(3); }), 35600);
  EXPECT_EQ(RaisedError([&] { images.Item("Clock"); }), 35601);
  images.Remove("Calendar");
  EXPECT_EQ(images.Key(1), "Calendar Edit");
}

TEST_F(FormsTest, PropertyBagKeepsOnlyWhatDiffersFromTheDefault) {
  PropertyBag bag;
  bag.WriteProperty("IconGap", Variant(int16_t{25}), Variant(int16_t{25}));
  EXPECT_EQ(bag.Count(), 0);
  bag.WriteProperty("IconGap", Variant(int16_t{30}), Variant(int16_t{25}));
  bag.WriteProperty("Resizable", Variant(false), Variant(true));
  EXPECT_EQ(bag.ReadProperty("icongap", Variant(int16_t{25})), Variant(int16_t{30}));
  EXPECT_EQ(bag.ReadProperty("Border", Variant(int16_t{4})), Variant(int16_t{4}));
  EXPECT_EQ(bag.Names(), (std::vector<std::string>{"IconGap", "Resizable"}));
  bag.WriteProperty("IconGap", Variant(int16_t{25}), Variant(int16_t{25}));
  EXPECT_EQ(bag.Names(), (std::vector<std::string>{"Resizable"}));
}

namespace {

class Bar : public UserControl {
 public:
  Bar(Container& host, std::string name) : UserControl(host, std::move(name)) {
    SetScaleMode(ScaleModes::Pixels);
  }
  void UserControl_InitProperties() override {
    SetAlign(Aligns::Left);
    iconGap = 25;
  }
  void UserControl_ReadProperties(PropertyBag& bag) override {
    iconGap = bag.ReadProperty("IconGap", Variant(int16_t{25})).GetInteger();
  }
  void UserControl_WriteProperties(PropertyBag& bag) override {
    bag.WriteProperty("IconGap", Variant(iconGap), Variant(int16_t{25}));
  }
  void UserControl_Resize() override { ++resizes; }
  void ParentForm_Unload(int16_t&) override { hostUnloaded = true; }

  int16_t iconGap = 0;
  int resizes = 0;
  bool hostUnloaded = false;
};

class Host : public Form {
 public:
  Host() : Form("Host") { ReportBar.Move(0, 0, 1500, 3000); }
  Bar ReportBar{*this, "ReportBar"};
};

}  // namespace

TEST_F(FormsTest, UserControlOnItsHostForm) {
  auto host = std::make_shared<Host>();
  Bar& bar = host->ReportBar;
  EXPECT_EQ(&bar.Parent(), host.get());
  host->SetClientSize(6000, 4500);
  host->Show();
  // A new instance docks left and fills the height, in pixels.
  EXPECT_EQ(bar.iconGap, 25);
  EXPECT_EQ(bar.Align(), Aligns::Left);
  EXPECT_EQ(bar.ScaleHeight(), 300);
  EXPECT_EQ(bar.ScaleWidth(), 100);
  EXPECT_GT(bar.resizes, 0);
  EXPECT_EQ(bar.SaveProperties().Count(), 0);
  bar.iconGap = 40;
  const PropertyBag saved = bar.SaveProperties();
  host->Unload();
  EXPECT_TRUE(bar.hostUnloaded);

  auto again = std::make_shared<Host>();
  again->ReportBar.SetPropertyBag(saved);
  again->Load();
  EXPECT_EQ(again->ReportBar.iconGap, 40);
  EXPECT_EQ(again->ReportBar.Align(), Aligns::None);
}

TEST_F(FormsTest, ClipboardFromAFormHoldsTextAndRichText) {
  auto form = std::make_shared<Form>("Table");
  CommandButton copy(*form, "cmdCopy");
  copy.Click.Connect([] {
    Clipboard::Clear();
    Clipboard::SetText("Mean\t1.5");
    Clipboard::SetText("{\\rtf1 Mean\\tab 1.5}", ClipboardFormat::RichText);
  });
  form->Show();
  static_cast<QAbstractButton*>(WidgetOf(copy))->click();
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::Text));
  EXPECT_TRUE(Clipboard::GetFormat(ClipboardFormat::RichText));
  EXPECT_EQ(Clipboard::GetText(), "Mean\t1.5");
}

TEST_F(FormsTest, FormDrawingFollowsTheWindowAndCanBeRecorded) {
  auto form = std::make_shared<Form>("LineStatusForm");
  form->SetClientSize(4680, 3195);
  form->Show();
  Surface& drawing = form->Drawing();
  EXPECT_EQ(drawing.ScaleWidth(), form->ScaleWidth());
  drawing.SetForeColor(RGB(0, 0, 0));
  drawing.SetFontSize(24);
  drawing.Print("Panel Count");
  const QImage shown = form->Window().client->grab().toImage();
  bool inked = false;
  for (int x = 0; x < 100 && !inked; ++x)
    for (int y = 0; y < 40 && !inked; ++y) inked = shown.pixelColor(x, y).value() < 80;
  EXPECT_TRUE(inked);

  // A test's recording surface: fixed text metrics, every call logged.
  form->SetDrawing(std::make_unique<RecordingSurface>());
  auto& recording = static_cast<RecordingSurface&>(form->Drawing());
  EXPECT_EQ(recording.ScaleHeight(), 3195);
  form->SetClientSize(6000, 3000);
  EXPECT_EQ(form->ScaleWidth(), 6000);
  EXPECT_EQ(recording.ScaleWidth(), 6000);
  recording.Print("Line 1 Status");
  EXPECT_EQ(recording.RecordsOf("Print").size(), 1u);
}

TEST_F(FormsTest, AppAndScreen) {
  EXPECT_EQ(App::EXEName(), "PlatformGuiTests");
  EXPECT_NE(App::Path().back(), '/');
  EXPECT_EQ(App::Title(), "PlatformGuiTests");
  App::SetVersion(2, 5, 7);
  EXPECT_EQ(App::Major(), 2);
  EXPECT_EQ(App::Revision(), 7);
  EXPECT_EQ(Screen::TwipsPerPixelX(), 15);
  EXPECT_GT(Screen::Width(), 0);
  Screen::SetMousePointer(MousePointers::Hourglass);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  Screen::SetMousePointer(MousePointers::Default);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(DoEvents(), 0);
}
