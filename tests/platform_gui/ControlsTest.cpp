// The standard controls: their properties and the events the program and the
// person cause.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/gui/CheckBox.h"
#include "platform/gui/ComboBox.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/ControlArray.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/Frame.h"
#include "platform/gui/Label.h"
#include "platform/gui/ListBox.h"
#include "platform/gui/Menu.h"
#include "platform/gui/OptionButton.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/ProgressBar.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/TabDialog.h"
#include "platform/gui/TextBox.h"
#include "tests/platform_gui/RaisedError.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;

namespace {

class Dialog : public Form {
 public:
  Dialog() : Form("Dialog") {
    txtName.Move(120, 120, 2000, 285);
    txtOther.Move(120, 600, 2000, 285);
    lstItems.Move(2400, 120, 2000, 1500);
    hscScroll.Move(120, 1800, 3000, 255);
  }
  TextBox txtName{*this, "txtName"};
  TextBox txtOther{*this, "txtOther"};
  ListBox lstItems{*this, "lstItems"};
  HScrollBar hscScroll{*this, "hscScroll"};
};

}  // namespace

TEST_F(FormsTest, TextBoxChangeRunsForTheProgramButNotForTheSameText) {
  auto form = std::make_shared<Dialog>();
  int changes = 0;
  form->txtName.Change.Connect([&] { ++changes; });
  form->txtName.SetText("12.50");
  EXPECT_EQ(changes, 1);
  form->txtName.SetText("12.50");
  EXPECT_EQ(changes, 1);
  // A handler that sets the text it already has ends the chain.
  form->txtName.Change.Connect([&] { form->txtName.SetText("12.5"); });
  form->txtName.SetText("7");
  EXPECT_EQ(form->txtName.Text(), "12.5");
  EXPECT_EQ(changes, 3);
  // The person's typing.
  static_cast<QLineEdit*>(WidgetOf(form->txtName))->insert(QStringLiteral("x"));
  EXPECT_EQ(changes, 5);
}

TEST_F(FormsTest, TextBoxSelection) {
  auto form = std::make_shared<Dialog>();
  TextBox& box = form->txtName;
  box.SetText("Hello world");
  box.SetSelStart(0);
  box.SetSelLength(static_cast<int>(box.Text().size()));
  EXPECT_EQ(box.SelText(), "Hello world");
  box.SetSelStart(6);
  box.SetSelLength(5);
  EXPECT_EQ(box.SelStart(), 6);
  EXPECT_EQ(box.SelLength(), 5);
  box.SetSelText("there");
  EXPECT_EQ(box.Text(), "Hello there");
  box.SetMultiLine(true);
  box.SetText("one\r\ntwo");
  EXPECT_EQ(box.Text(), "one\r\ntwo");
  box.SetSelStart(5);
  box.SetSelLength(3);
  EXPECT_EQ(box.SelText(), "two");
  box.SetText("caf\xE9");
  EXPECT_EQ(box.Text(), "caf\xE9");
}

TEST_F(FormsTest, KeyPressCanSwallowOrChangeAKey) {
  auto form = std::make_shared<Dialog>();
  form->txtName.KeyPress.Connect([](int16_t& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'b';
  });
  std::vector<int> downs;
  form->txtName.KeyDown.Connect([&](int16_t& code, int16_t&) { downs.push_back(code); });
  form->Show();
  form->txtName.SetFocus();
  ASSERT_TRUE(form->txtName.HasFocus());
  Type("xay");
  EXPECT_EQ(form->txtName.Text(), "by");
  EXPECT_EQ(downs, (std::vector<int>{'X', 'A', 'Y'}));
  // Keys that type nothing reach KeyDown only.
  std::vector<int> presses;
  form->txtName.KeyPress.Connect([&](int16_t& key) { presses.push_back(key); });
  Press(Qt::Key_Left);
  Press(Qt::Key_F5);
  Press(Qt::Key_A, Qt::ControlModifier);
  Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_EQ(presses, (std::vector<int>{1, 13}));
  EXPECT_EQ(downs.back(), 13);
}

TEST_F(FormsTest, KeyPreviewLetsTheFormSeeKeysFirst) {
  auto form = std::make_shared<Dialog>();
  form->SetKeyPreview(true);
  std::vector<std::string> seen;
  form->KeyDownEvent.Connect(
      [&](int16_t& code, int16_t&) { seen.push_back("form down " + std::to_string(code)); });
  form->KeyPressEvent.Connect([&](int16_t& key) {
    seen.push_back("form press " + std::to_string(key));
    if (key == 9 || key == 27) key = 0;
  });
  form->txtName.KeyPress.Connect(
      [&](int16_t& key) { seen.push_back("box press " + std::to_string(key)); });
  form->Show();
  form->txtName.SetFocus();
  Press(Qt::Key_F5);
  Press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
  Press(Qt::Key_Escape, Qt::NoModifier, QString(QChar(27)));
  Type("q");
  EXPECT_EQ(seen, (std::vector<std::string>{"form down 116", "form down 9", "form press 9",
                                            "form down 27", "form press 27", "form down 81",
                                            "form press 113", "box press 113"}));
  // The Tab the form swallowed did not move the focus.
  EXPECT_TRUE(form->txtName.HasFocus());
}

TEST_F(FormsTest, TabMovesTheFocusAndValidateCanKeepIt) {
  auto form = std::make_shared<Dialog>();
  form->Show();
  form->txtName.SetFocus();
  std::vector<std::string> seen;
  form->txtName.LostFocus.Connect([&] { seen.push_back("name lost"); });
  form->txtOther.GotFocus.Connect([&] { seen.push_back("other got"); });
  bool refuse = true;
  form->txtName.Validate.Connect([&](bool& cancel) {
    seen.push_back("name validate");
    cancel = refuse;
  });
  form->SelectNextControl();
  DoEvents();
  EXPECT_TRUE(form->txtName.HasFocus());
  EXPECT_EQ(seen, (std::vector<std::string>{"name validate"}));
  refuse = false;
  seen.clear();
  form->SelectNextControl();
  DoEvents();
  EXPECT_TRUE(form->txtOther.HasFocus());
  EXPECT_EQ(form->ActiveControl(), &form->txtOther);
  EXPECT_EQ(seen, (std::vector<std::string>{"name validate", "name lost", "other got"}));
}

TEST_F(FormsTest, SentKeysArriveAfterTheHandler) {
  auto form = std::make_shared<Dialog>();
  form->SetKeyPreview(true);
  std::vector<int> presses;
  form->KeyPressEvent.Connect([&](int16_t& key) { presses.push_back(key); });
  form->txtName.KeyPress.Connect([](int16_t& key) {
    if (key == 13) {
      key = 0;
      SendKeys("{TAB}");
    }
  });
  form->Show();
  form->txtName.SetFocus();
  Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
  EXPECT_TRUE(form->txtName.HasFocus());
  DoEvents();
  EXPECT_TRUE(form->txtOther.HasFocus());
  EXPECT_EQ(presses, (std::vector<int>{13, 9}));
}

TEST_F(FormsTest, ListSelectionRunsClickAlsoFromTheProgram) {
  auto form = std::make_shared<Dialog>();
  ListBox& list = form->lstItems;
  int clicks = 0;
  list.Click.Connect([&] { ++clicks; });
  list.AddItem("Line 1");
  list.SetItemData(list.NewIndex(), 1);
  list.AddItem("Line 2");
  list.SetItemData(list.NewIndex(), 2);
  list.AddItem("Line 0", 0);
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "Line 0");
  EXPECT_EQ(list.ItemData(2), 2);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(clicks, 0);
  list.SetListIndex(1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.Text(), "Line 1");
  list.SetListIndex(1);
  EXPECT_EQ(clicks, 1);
  list.RemoveItem(0);
  EXPECT_EQ(list.ListIndex(), 0);
  // The person picks another line.
  static_cast<QListWidget*>(WidgetOf(list))->setCurrentRow(1);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(list.ItemData(list.ListIndex()), 2);
  list.Clear();
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.List(0), "");
  EXPECT_EQ(RaisedError([&] { list.SetListIndex(0); }), 380);
  EXPECT_EQ(RaisedError([&] { list.ItemData(0); }), 5);
}

TEST_F(FormsTest, SortedListAndComboBox) {
  auto form = std::make_shared<Form>("Lists");
  ComboBox combo(*form, "Trend");
  combo.SetStyle(ComboStyles::DropDownList);
  combo.SetSorted(true);
  combo.AddItem("None");
  combo.AddItem("Linear");
  EXPECT_EQ(combo.List(0), "Linear");
  int clicks = 0;
  combo.Click.Connect([&] { ++clicks; });
  combo.SetText("None");
  EXPECT_EQ(combo.ListIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(RaisedError([&] { combo.SetText("Cubic"); }), 383);
  auto* widget = static_cast<QComboBox*>(WidgetOf(combo));
  emit widget->activated(0);
  EXPECT_EQ(combo.Text(), "Linear");
  EXPECT_EQ(clicks, 2);
}

TEST_F(FormsTest, CheckBoxAndOptionButtonsRunClickOnChanges) {
  auto form = std::make_shared<Form>("Choices");
  CheckBox above(*form, "Above");
  int clicks = 0;
  above.Click.Connect([&] { ++clicks; });
  above.SetValue(1);
  above.SetValue(1);
  EXPECT_EQ(clicks, 1);
  above.SetValue(2);
  EXPECT_EQ(above.Value(), 2);
  EXPECT_EQ(RaisedError([&] { above.SetValue(3); }), 380);
  // The person's click on a greyed box ticks it.
  static_cast<QAbstractButton*>(WidgetOf(above))->click();
  EXPECT_EQ(above.Value(), 1);
  EXPECT_EQ(clicks, 3);

  OptionButton first(*form, "First");
  OptionButton second(*form, "Second");
  int firstClicks = 0;
  first.Click.Connect([&] { ++firstClicks; });
  first.SetValue(true);
  second.SetValue(true);
  EXPECT_FALSE(first.Value());
  EXPECT_TRUE(second.Value());
  static_cast<QAbstractButton*>(WidgetOf(first))->click();
  EXPECT_TRUE(first.Value());
  EXPECT_FALSE(second.Value());
  EXPECT_EQ(firstClicks, 2);
}

TEST_F(FormsTest, ScrollBarClampsAndRaisesChange) {
  auto form = std::make_shared<Dialog>();
  HScrollBar& bar = form->hscScroll;
  int changes = 0;
  int scrolls = 0;
  bar.Change.Connect([&] { ++changes; });
  bar.Scroll.Connect([&] { ++scrolls; });
  bar.SetMin(1);
  EXPECT_EQ(bar.Value(), 1);
  EXPECT_EQ(changes, 1);
  bar.SetMax(10);
  bar.SetValue(20);
  EXPECT_EQ(bar.Value(), 10);
  EXPECT_EQ(changes, 2);
  bar.SetValue(10);
  EXPECT_EQ(changes, 2);
  bar.SetMax(4);
  EXPECT_EQ(bar.Value(), 4);
  EXPECT_EQ(changes, 3);
  // A bar whose Max lies below its Min.
  bar.SetMin(10);
  bar.SetMax(0);
  bar.SetValue(-3);
  EXPECT_EQ(bar.Value(), 0);
  bar.SetValue(30);
  EXPECT_EQ(bar.Value(), 10);
  // The person: a drag scrolls, its end changes; a click on the track changes.
  bar.SetMin(0);
  bar.SetMax(100);
  bar.SetLargeChange(10);
  changes = 0;
  auto* widget = static_cast<QScrollBar*>(WidgetOf(bar));
  widget->setSliderDown(true);
  widget->setValue(40);
  widget->setValue(50);
  widget->setSliderDown(false);
  EXPECT_EQ(scrolls, 2);
  EXPECT_EQ(changes, 1);
  widget->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(bar.Value(), 60);
  EXPECT_EQ(changes, 2);
}

TEST_F(FormsTest, ControlArraysGrowAndShrinkAtRunTime) {
  auto form = std::make_shared<Form>("Preferences");
  ControlArray<CheckBox> boxes(*form, "StdDevOn");
  boxes[0].Move(3960, 1080, 255, 255);
  boxes[0].SetCaption("+1");
  std::vector<int> clicked;
  boxes.OnLoad([&](CheckBox& box, int index) {
    box.Click.Connect([&clicked, index] { clicked.push_back(index); });
  });
  CheckBox& second = boxes.Load(1);
  EXPECT_EQ(second.Index(), 1);
  EXPECT_EQ(second.Name(), "StdDevOn");
  EXPECT_EQ(second.Left(), 3960);
  EXPECT_EQ(second.Caption(), "+1");
  EXPECT_FALSE(second.Visible());
  second.SetTag("Delete1");
  second.SetValue(1);
  boxes[0].SetValue(1);
  EXPECT_EQ(clicked, (std::vector<int>{1, 0}));
  EXPECT_EQ(boxes.UBound(), 1);
  EXPECT_EQ(RaisedError([&] { boxes.Load(1); }), 360);
  EXPECT_EQ(RaisedError([&] { boxes[0].Unload(); }), 362);

  // The form's controls by position, unloading those with the tag.
  int removed = 0;
  for (int i = 0; i < form->ControlCount();) {
    Control& control = form->ControlItem(i);
    if (control.Tag().rfind("Delete", 0) == 0) {
      control.Unload();
      ++removed;
    } else {
      ++i;
    }
  }
  EXPECT_EQ(removed, 1);
  EXPECT_EQ(boxes.Count(), 1);
  EXPECT_EQ(RaisedError([&] { boxes[1]; }), 340);
}

TEST_F(FormsTest, ControlsMadeByClassName) {
  auto form = std::make_shared<Form>("Bar");
  Control& button = form->AddControl("VB.CommandButton", "Standard");
  auto* made = dynamic_cast<CommandButton*>(&button);
  ASSERT_NE(made, nullptr);
  made->SetCaption("Standard");
  EXPECT_EQ(form->FindControl("standard"), &button);
  EXPECT_EQ(RaisedError([&] { form->AddControl("VB.CommandButton", "STANDARD"); }), 727);
  EXPECT_EQ(RaisedError([&] { form->AddControl("VB.CommandButton", "Last Week"); }), 5);
  EXPECT_EQ(RaisedError([&] { form->AddControl("VB.Nothing", "Other"); }), 711);
  form->RemoveControl("Standard");
  EXPECT_EQ(form->FindControl("Standard"), nullptr);
}

TEST_F(FormsTest, PictureBoxKeepsItsDrawingAndReportsTheMouseInItsScale) {
  auto form = std::make_shared<Form>("Chart");
  PictureBox canvas(*form, "Canvas");
  canvas.SetBorderStyle(0);
  canvas.Move(0, 0, 1500, 1500);  // 100 pixels
  form->Show();
  ImageSurface& drawing = canvas.Drawing();
  EXPECT_EQ(drawing.ScaleWidth(), 100);
  drawing.SetBackColor(RGB(255, 255, 255));
  drawing.Line(10, 10, 20, 20, RGB(255, 0, 0), LineShape::FilledBox);
  form->Hide();
  form->Show();
  const QImage shown = WidgetOf(canvas)->grab().toImage();
  EXPECT_EQ(shown.pixelColor(15, 15), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(50, 50), QColor(255, 255, 255));

  drawing.SetScaleMode(ScaleModes::Twips);
  std::vector<double> where;
  int16_t pressed = 0;
  canvas.MouseDown.Connect([&](int16_t& button, int16_t&, double& x, double& y) {
    pressed = button;
    where = {x, y};
  });
  int clicks = 0;
  canvas.Click.Connect([&] { ++clicks; });
  QMouseEvent down(QEvent::MouseButtonPress, QPointF(10, 20), QPointF(10, 20), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(WidgetOf(canvas), &down);
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(10, 20), QPointF(10, 20), Qt::LeftButton,
                 Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(WidgetOf(canvas), &up);
  EXPECT_EQ(pressed, MouseButtons::Left);
  EXPECT_EQ(where, (std::vector<double>{150, 300}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(FormsTest, LabelCaptionsAreShownAsTheyStand) {
  auto form = std::make_shared<Form>("Labels");
  Label label(*form, "labWeb");
  label.SetCaption("Panel Count <CP> & more");
  label.SetAutoSize(true);
  EXPECT_EQ(label.Caption(), "Panel Count <CP> & more");
  EXPECT_GT(label.Width(), 0);
}

TEST_F(FormsTest, ContainersPlaceTheirControlsInTheirOwnUnits) {
  auto form = std::make_shared<Form>("Containers");
  Frame frame(*form, "fraLines");
  frame.Move(1500, 1500, 3000, 3000);
  CommandButton inFrame(frame, "cmdInFrame");
  inFrame.Move(150, 300, 1500, 375);
  EXPECT_EQ(WidgetOf(inFrame)->geometry(), QRect(10, 20, 100, 25));
  EXPECT_EQ(WidgetOf(inFrame)->parentWidget(), WidgetOf(frame));

  PictureBox canvas(*form, "picCanvas");
  canvas.Move(0, 0, 3000, 3000);
  const int border = WidgetOf(canvas)->geometry().width() - canvas.Drawing().PixelWidth();
  // The header buttons of a shortcut bar sit in its canvas, in pixels.
  Control& header = form->AddControl("VB.CommandButton", "Standard", &canvas);
  auto& button = static_cast<CommandButton&>(header);
  button.Move(0, 20, 180, 20);
  EXPECT_EQ(WidgetOf(button)->geometry(), QRect(border / 2, 20 + border / 2, 180, 20));
  EXPECT_EQ(button.Width(), 180);
  canvas.Drawing().SetScaleMode(ScaleModes::Twips);
  button.Move(0, 300, 1500, 300);
  EXPECT_EQ(WidgetOf(button)->geometry().size(), QSize(100, 20));

  // Option buttons exclude each other only within one container.
  OptionButton onForm(*form, "optOnForm");
  OptionButton inside(frame, "optInside");
  onForm.SetValue(true);
  inside.SetValue(true);
  EXPECT_TRUE(onForm.Value());
  EXPECT_TRUE(inside.Value());
}

TEST_F(FormsTest, MouseButtonsOfAPictureBox) {
  auto form = std::make_shared<Form>("Chart");
  PictureBox canvas(*form, "Canvas");
  canvas.SetBorderStyle(0);
  canvas.Move(0, 0, 1500, 1500);
  form->Show();
  std::vector<std::string> seen;
  auto record = [&](const char* what) {
    return [&seen, what](int16_t& button, int16_t& shift, double& x, double& y) {
      seen.push_back(std::string(what) + " " + std::to_string(button) + " " +
                     std::to_string(shift) + " " + std::to_string(static_cast<int>(x)) + "," +
                     std::to_string(static_cast<int>(y)));
    };
  };
  canvas.MouseDown.Connect(record("down"));
  canvas.MouseUp.Connect(record("up"));
  canvas.MouseMove.Connect(record("move"));
  canvas.Click.Connect([&] { seen.push_back("click"); });
  canvas.DblClick.Connect([&] { seen.push_back("dblclick"); });
  auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, at, button, held, modifiers);
    QApplication::sendEvent(WidgetOf(canvas), &event);
  };
  send(QEvent::MouseButtonPress, {5, 6}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
  send(QEvent::MouseMove, {7, 8}, Qt::NoButton, Qt::RightButton);
  send(QEvent::MouseButtonRelease, {7, 8}, Qt::RightButton, Qt::NoButton);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 2 1 5,6", "move 2 0 7,8", "up 2 0 7,8"}))
      << "the right button clicks nothing";
  seen.clear();
  send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  send(QEvent::MouseButtonDblClick, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 1 0 5,5", "up 1 0 5,5", "click", "down 1 0 5,5",
                                            "dblclick", "up 1 0 5,5"}));
  // Released outside the box: no click.
  seen.clear();
  send(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseButtonRelease, {500, 5}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(seen.back(), "up 1 0 500,5");
}

TEST_F(FormsTest, MenusOnTheMenuBar) {
  auto form = std::make_shared<Form>("Main");
  Menu file(*form, "mnuFile");
  file.SetCaption("&File");
  Menu close(file, "mnuClose");
  close.SetCaption("&Close");
  Menu line(file, "mnuLine");
  line.SetCaption("-");
  Menu exit(file, "mnuExit");
  exit.SetCaption("E&xit");
  int exits = 0;
  exit.Click.Connect([&] { ++exits; });
  close.SetChecked(true);
  close.SetEnabled(false);
  form->Show();
  QMenuBar* bar = form->Window().menuBar;
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), QStringLiteral("&File"));
  const QList<QAction*> items = bar->actions()[0]->menu()->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_TRUE(items[0]->isChecked());
  EXPECT_FALSE(items[0]->isEnabled());
  EXPECT_TRUE(items[1]->isSeparator());
  items[2]->trigger();
  EXPECT_EQ(exits, 1);
  exit.SetVisible(false);
  EXPECT_FALSE(items[2]->isVisible());
}

TEST_F(FormsTest, ProgressBarAndEditableComboBox) {
  auto form = std::make_shared<Form>("LoadForm");
  ProgressBar bar(*form, "LoadBar");
  bar.SetMax(2048);
  bar.SetValue(1024);
  EXPECT_EQ(RaisedError([&] { bar.SetValue(4096); }), 380);
  bar.SetMax(512);
  EXPECT_EQ(bar.Value(), 512);

  ComboBox combo(*form, "cboName");
  int changes = 0;
  combo.Change.Connect([&] { ++changes; });
  combo.SetText("Weekly");
  combo.SetText("Weekly");
  EXPECT_EQ(changes, 1);
  static_cast<QComboBox*>(WidgetOf(combo))->lineEdit()->insert(QStringLiteral("!"));
  EXPECT_EQ(combo.Text(), "Weekly!");
}

TEST_F(FormsTest, TabDialogShowsTheControlsOfTheSelectedPageOnly) {
  auto form = std::make_shared<Form>("Tabs");
  TabDialog tabs(*form, "tabs", {"One", "Two"});
  tabs.Move(0, 0, 4000, 2000);
  Label first(tabs.Page(0), "first");
  ControlArray<Label> rows(tabs, "rows");  // made while page 0 is selected
  tabs.SetTab(1);
  Label& loaded = rows.Load(1);  // lands on page 1
  loaded.SetVisible(true);
  loaded.Move(120, 1200, 1000, 255);
  form->Show();
  DoEvents();
  EXPECT_FALSE(WidgetOf(first)->isVisible());
  EXPECT_TRUE(WidgetOf(loaded)->isVisible());
  tabs.SetTab(0);
  EXPECT_TRUE(WidgetOf(first)->isVisible());
  EXPECT_TRUE(WidgetOf(rows[0])->isVisible());
  EXPECT_FALSE(WidgetOf(loaded)->isVisible());
  // Positions count from the dialog's corner, tabs included.
  EXPECT_EQ(WidgetOf(loaded)->mapTo(WidgetOf(tabs), QPoint(0, 0)), QPoint(8, 80));
  EXPECT_EQ(tabs.TabCaption(1), "Two");
  EXPECT_EQ(RaisedError([&] { tabs.SetTab(2); }), 380);
  rows.Unload(1);
}
