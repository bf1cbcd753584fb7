// Forms: loading, showing, the MDI main window and its children, unloading and
// modal dialogs.
#include <QApplication>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <set>

#include "platform/gui/CommandButton.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/TextBox.h"
#include "tests/platform_gui/RaisedError.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;

namespace {

using Log = std::vector<std::string>;

class ChildWindow : public Form {
 public:
  ChildWindow(Log& log, std::string tag) : Form("ChildWindow", Kind::MdiChild), log_(log) {
    SetTag(std::move(tag));
    SetClientSize(3000, 2000);
  }
  void Form_Load() override { log_.push_back(Tag() + " Load"); }
  void Form_Resize() override { log_.push_back(Tag() + " Resize"); }
  void Form_Activate() override { log_.push_back(Tag() + " Activate"); }
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override {
    log_.push_back(Tag() + " QueryUnload " + std::to_string(UnloadMode));
    if (refuse) Cancel = 1;
  }
  void Form_Unload(int16_t&) override {
    log_.push_back(Tag() + " Unload");
    activeInUnload = MDIForm::Current()->ActiveForm();
  }

  bool refuse = false;
  Form* activeInUnload = this;

 private:
  Log& log_;
};

class MainWindow : public MDIForm {
 public:
  explicit MainWindow(Log& log) : MDIForm("MainForm"), log_(log) {}
  void Form_Load() override { log_.push_back("Main Load"); }
  void Form_QueryUnload(int16_t&, int16_t UnloadMode) override {
    log_.push_back("Main QueryUnload " + std::to_string(UnloadMode));
  }
  void Form_Unload(int16_t&) override { log_.push_back("Main Unload"); }

 private:
  Log& log_;
};

class Dialog : public Form {
 public:
  Dialog() : Form("Dialog") {
    cmdOK.SetCaption("Ok");
    cmdOK.Move(120, 120, 1215, 375);
    cmdOK.Click.Connect([this] {
      SetTag("Ok");
      Hide();
    });
    cmdCancel.Move(1440, 120, 1215, 375);
    cmdCancel.Click.Connect([this] {
      SetTag("");
      Hide();
    });
  }
  CommandButton cmdOK{*this, "cmdOK"};
  CommandButton cmdCancel{*this, "cmdCancel"};
};

std::vector<std::string> Names(const std::vector<Form*>& forms) {
  std::vector<std::string> names;
  for (Form* form : forms) names.push_back(form->Tag().empty() ? form->Name() : form->Tag());
  return names;
}

}  // namespace

TEST_F(FormsTest, MdiChildrenOpenArrangeAndClose) {
  auto main = std::make_shared<MainWindow>(log);
  main->Show();
  auto a = std::make_shared<ChildWindow>(log, "A");
  auto b = std::make_shared<ChildWindow>(log, "B");
  a->Show();
  b->Show();
  EXPECT_EQ(log, (Log{"Main Load", "A Load", "A Resize", "A Activate", "B Load", "B Resize",
                      "B Activate"}));
  EXPECT_EQ(Names(Forms::All()), (std::vector<std::string>{"MainForm", "A", "B"}));
  EXPECT_EQ(main->ActiveForm(), b.get());

  main->Arrange(ArrangeModes::TileVertical);
  EXPECT_EQ(a->Left(), 0);
  EXPECT_EQ(b->Left(), a->Width());
  EXPECT_EQ(a->Height(), main->ChildAreaHeight());
  main->Arrange(ArrangeModes::TileHorizontal);
  EXPECT_EQ(a->Top(), 0);
  EXPECT_EQ(b->Top(), a->Height());
  EXPECT_EQ(b->Width(), main->ChildAreaWidth());
  main->Arrange(ArrangeModes::Cascade);
  EXPECT_LT(a->Left(), b->Left());
  EXPECT_LT(a->Top(), b->Top());

  // The close box of the active child.
  log.clear();
  b->Window().sub->close();
  EXPECT_EQ(log, (Log{"B QueryUnload 0", "B Unload", "A Activate"}));
  EXPECT_NE(b->activeInUnload, b.get());
  EXPECT_FALSE(b->IsLoaded());
  EXPECT_EQ(Names(Forms::All()), (std::vector<std::string>{"MainForm", "A"}));
  EXPECT_EQ(main->ActiveForm(), a.get());

  // Closing the main window asks it, then its children, then unloads them.
  log.clear();
  EXPECT_TRUE(main->Unload());
  EXPECT_EQ(log, (Log{"Main QueryUnload 1", "A QueryUnload 4", "A Unload", "Main Unload"}));
  EXPECT_EQ(Forms::Count(), 0);
}

TEST_F(FormsTest, QueryUnloadCancelKeepsTheFormLoaded) {
  auto main = std::make_shared<MainWindow>(log);
  auto a = std::make_shared<ChildWindow>(log, "A");
  a->Show();
  a->refuse = true;
  EXPECT_FALSE(a->Unload());
  EXPECT_TRUE(a->IsLoaded());
  // A child that refuses stops the main window from closing too.
  EXPECT_FALSE(main->Unload());
  EXPECT_TRUE(main->IsLoaded());
  EXPECT_EQ(Forms::Count(), 2);
  a->refuse = false;
}

TEST_F(FormsTest, HiddenFormsStayInTheCollectionInLoadOrder) {
  auto first = std::make_shared<Form>("First");
  auto second = std::make_shared<Form>("Second");
  second->Load();
  first->Hide();
  EXPECT_EQ(Forms::Count(), 2);
  EXPECT_EQ(&Forms::Item(0), second.get());
  EXPECT_EQ(&Forms::Item(1), first.get());
  EXPECT_FALSE(first->Visible());
  EXPECT_EQ(Forms::IndexOf(*first), 1);
  second->Unload();
  EXPECT_EQ(Forms::IndexOf(*first), 0);
  EXPECT_EQ(Forms::IndexOf(*second), -1);
}

TEST_F(FormsTest, ModalDialogReportsThroughItsTag) {
  auto dialog = std::make_shared<Dialog>();
  responder->OnModal = [](Form& form) { static_cast<Dialog&>(form).cmdOK.SetValue(true); };
  dialog->SetTag("");
  dialog->Show(ShowModes::Modal);
  EXPECT_EQ(dialog->Tag(), "Ok");
  EXPECT_TRUE(dialog->IsLoaded());
  EXPECT_FALSE(dialog->Visible());
  ASSERT_EQ(responder->ModalForms.size(), 1u);

  responder->OnModal = [](Form& form) { static_cast<Dialog&>(form).cmdCancel.SetValue(true); };
  dialog->Show(ShowModes::Modal);
  EXPECT_EQ(dialog->Tag(), "");
}

TEST_F(FormsTest, ModalShowRunsANestedLoopThatHideEnds) {
  Platform::SetResponder(nullptr);  // the real nested event loop
  auto dialog = std::make_shared<Dialog>();
  bool pressed = false;
  QTimer::singleShot(0, [&] {
    pressed = true;
    static_cast<QPushButton*>(WidgetOf(dialog->cmdOK))->click();
  });
  dialog->Show(ShowModes::Modal);
  EXPECT_TRUE(pressed);
  EXPECT_EQ(dialog->Tag(), "Ok");
  EXPECT_FALSE(dialog->IsModal());
}

TEST_F(FormsTest, ShowingAModalFormTwiceIsAnError) {
  auto dialog = std::make_shared<Dialog>();
  dialog->Show();
  EXPECT_EQ(RaisedError([&] { dialog->Show(ShowModes::Modal); }), 400);
}

TEST_F(FormsTest, TwipsPositionsAndClientSize) {
  auto form = std::make_shared<Form>("Sized");
  form->SetClientSize(6750, 2640);
  EXPECT_EQ(form->ScaleWidth(), 6750);
  EXPECT_EQ(form->ScaleHeight(), 2640);
  form->Show();
  EXPECT_EQ(form->ScaleWidth(), 6750);
  EXPECT_EQ(form->ScaleHeight(), 2640);
  // The outer height grows by the frame: setting it keeps the frame's share.
  const double frame = form->Height() - form->ScaleHeight();
  form->SetHeight(3000 + frame);
  EXPECT_EQ(form->ScaleHeight(), 3000);
  form->Move(1500, 1200);
  EXPECT_EQ(form->Left(), 1500);
  EXPECT_EQ(form->Top(), 1200);
}

TEST_F(FormsTest, DockedControlsShareTheMainWindowWithTheChildren) {
  auto main = std::make_shared<MainWindow>(log);
  PictureBox bar(*main, "ReportBar");
  bar.Move(0, 0, 1500, 600);
  bar.SetAlign(Aligns::Left);
  main->SetClientSize(9000, 6000);
  main->Show();
  EXPECT_EQ(bar.Height(), 6000);
  EXPECT_EQ(main->ChildAreaWidth(), 7500);
  bar.SetWidth(3000);
  EXPECT_EQ(main->ChildAreaWidth(), 6000);
  bar.SetVisible(false);
  EXPECT_EQ(main->ChildAreaWidth(), 9000);
}

TEST_F(FormsTest, ArrangeIconsPutsMinimisedChildrenInRowsFromTheBottomWithinTheArea) {
  auto main = std::make_shared<MainWindow>(log);
  main->Show();
  std::vector<std::shared_ptr<ChildWindow>> children;
  for (int i = 1; i <= 9; ++i) {
    children.push_back(std::make_shared<ChildWindow>(log, "C" + std::to_string(i)));
    children.back()->Show();
    children.back()->SetWindowState(WindowStates::Minimised);
  }
  // Room for three and a half icons across.
  const double iconWidth = children[0]->Width();
  main->SetClientSize(iconWidth * 3.5, 9000);
  QApplication::processEvents();
  main->Arrange(ArrangeModes::ArrangeIcons);

  const double width = main->ChildAreaWidth();
  const double height = main->ChildAreaHeight();
  EXPECT_EQ(children[0]->Left(), 0);
  EXPECT_EQ(children[0]->Top() + children[0]->Height(), height);
  std::set<double> rows;
  for (size_t i = 0; i < children.size(); ++i) {
    const Form& icon = *children[i];
    EXPECT_GE(icon.Left(), 0) << icon.Tag();
    EXPECT_GE(icon.Top(), 0) << icon.Tag();
    EXPECT_LE(icon.Left() + icon.Width(), width) << icon.Tag();
    EXPECT_LE(icon.Top() + icon.Height(), height) << icon.Tag();
    for (size_t j = 0; j < i; ++j) {
      const Form& other = *children[j];
      const bool apart = icon.Left() >= other.Left() + other.Width() ||
                         other.Left() >= icon.Left() + icon.Width() ||
                         icon.Top() >= other.Top() + other.Height() ||
                         other.Top() >= icon.Top() + icon.Height();
      EXPECT_TRUE(apart) << icon.Tag() << " covers " << other.Tag();
    }
    rows.insert(icon.Top());
  }
  // Three to a row: the fourth starts the row above the first.
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_EQ(children[3]->Left(), 0);
  EXPECT_EQ(children[3]->Top() + children[3]->Height(), children[0]->Top());
}

TEST_F(FormsTest, WindowStatesOfAChild) {
  auto main = std::make_shared<MainWindow>(log);
  auto a = std::make_shared<ChildWindow>(log, "A");
  a->Show();
  log.clear();
  a->SetWindowState(WindowStates::Minimised);
  EXPECT_EQ(a->WindowState(), WindowStates::Minimised);
  // A minimised window has no room to draw in.
  EXPECT_EQ(a->ScaleHeight(), 0);
  EXPECT_EQ(log, (Log{"A Resize"}));
  a->SetWindowState(WindowStates::Maximised);
  EXPECT_EQ(a->WindowState(), WindowStates::Maximised);
  a->SetWindowState(WindowStates::Normal);
  EXPECT_EQ(a->WindowState(), WindowStates::Normal);
}

namespace {

class ClosingWindow : public Form {
 public:
  ClosingWindow() : Form("TableForm") { SetKeyPreview(true); }
  void Form_KeyPress(int16_t& KeyAscii) override {
    if (KeyAscii != 27) return;
    Unload();
    DoEvents();
    closedBy = KeyAscii;
  }
  TextBox TableText{*this, "TableText"};
  int closedBy = 0;
};

}  // namespace

TEST_F(FormsTest, AFormMayUnloadItselfInItsOwnHandler) {
  std::weak_ptr<ClosingWindow> watch;
  {
    auto form = std::make_shared<ClosingWindow>();
    form->Show();
    form->TableText.SetFocus();
    watch = form;
  }
  ASSERT_FALSE(watch.expired()) << "the loaded forms keep it";
  Press(Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
  EXPECT_EQ(Forms::Count(), 0);
  ASSERT_FALSE(watch.expired());
  EXPECT_EQ(watch.lock()->closedBy, 27);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watch.expired());
}

namespace {

// A dialog loaded once and hidden between uses: its close box only hides it.
class PreferenceForm : public Form {
 public:
  PreferenceForm() : Form("PreferenceForm") {}
  void Form_QueryUnload(int16_t& Cancel, int16_t UnloadMode) override {
    if (UnloadMode == UnloadModes::FormControlMenu) {
      Cancel = 1;
      Hide();
    }
  }
};

}  // namespace

TEST_F(FormsTest, TheCloseBoxCanHideADialogWhileTheProgramEndingUnloadsIt) {
  auto dialog = std::make_shared<PreferenceForm>();
  bool closed = false;
  responder->OnModal = [&](Form& form) {
    form.Window().top->close();
    closed = true;
  };
  dialog->Show(ShowModes::Modal);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(dialog->IsLoaded());
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(dialog->UnloadFor(UnloadModes::FormCode));
  EXPECT_FALSE(dialog->IsLoaded());
}

namespace {

// A main window that opens a child as it loads and is closed at once.
class ProgramWindow : public MainWindow {
 public:
  ProgramWindow(Log& log, std::weak_ptr<Form>& opened)
      : MainWindow(log), log_(log), opened_(opened) {}
  void Form_Load() override {
    MainWindow::Form_Load();
    child_ = std::make_shared<ChildWindow>(log_, "A");
    opened_ = child_;
    child_->Show();
    QTimer::singleShot(0, qApp, [this] { Unload(); });
  }

 private:
  Log& log_;
  std::weak_ptr<Form>& opened_;
  std::shared_ptr<ChildWindow> child_;
};

// The program's own run, from the start of the window system to its end; says
// on stderr what happened, in order.
void RunAsTheProgram(Log& log) {
  // The program starts without the test program's application object.
  delete QCoreApplication::instance();
  int argc = 1;
  char name[] = "TavroKordex";
  char* argv[] = {name, nullptr};
  std::weak_ptr<Form> main;
  std::weak_ptr<Form> child;
  RunProgram(argc, argv, [&]() -> std::shared_ptr<Form> {
    QObject::connect(qApp, &QObject::destroyed, [&] {
      log.push_back(main.expired() && child.expired() ? "Application ends"
                                                      : "Application ends under a form");
    });
    auto window = std::make_shared<ProgramWindow>(log, child);
    main = window;
    return window;
  });
  for (const std::string& line : log) std::cerr << line << "\n";
  std::_Exit(0);
}

}  // namespace

using ProgramEndDeathTest = FormsTest;

// Only an application object that ends hands the clipboard to the desktop, and
// it must outlive every window.
TEST_F(ProgramEndDeathTest, ApplicationObjectEndsAfterEveryFormIsUnloadedAndLetGo) {
  EXPECT_EXIT(RunAsTheProgram(log), testing::ExitedWithCode(0),
              "Main Load\nA Load\n.*A Unload\nMain Unload\nApplication ends\n");
}
