// The Qt view of the toolbar-and-menu control: menu bar, toolbars and pop-ups
// on the MDI main window, kept in step with the tools.
#include "platform/gui/ToolBarWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/FormInternal.h"
#include "platform/gui/GraphsMenu.h"
#include "platform/gui/MDIForm.h"
#include "platform/gui/QtBridge.h"
#include "platform/gui/Responder.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarDesign.h"
#include "platform/gui/ToolBarHosting.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "platform/gui/UserControl.h"
#include "runtime/Error.h"
#include "tests/support/DesktopPopups.h"
#include "tests/support/FormsFixture.h"

using namespace Platform;

namespace {

// A chart window whose graph has a toolbar of its own that only pops up menus.
class ChartWindow : public Form {
 public:
  ChartWindow() : Form("ChartForm", Kind::MdiChild) { PRDGraph.Move(600, 450, 3000, 2000); }
  UserControl PRDGraph{*this, "PRDGraph"};
};

class ToolBarWindowTest : public FormsTest {
 protected:
  void SetUp() override {
    FormsTest::SetUp();
    ToolBarDesign design;
    design.AddTool("Close", "&Close");
    design.AddTool("Save", "&Save");
    design.AddTool("Print", "&Print");
    design.AddTool("Graphs", "&Graphs");
    design.AddMenu("File", "&File", {"Close", "Save", "|", "Print"});
    design.AddMenu("Reports", "&Reports", {});
    design.AddBand("MenuBar", {"File", "Reports", "Graphs"}, true);
    design.AddBand("File", {"Close", "Save", "|", "Print"});
    ApplyDesign(*control, design);
    main->SetClientSize(9600, 7200);
    HostToolBars(*control, *main);
    view = dynamic_cast<ToolBarWindow*>(control->View());
    ASSERT_NE(view, nullptr);
  }

  QWidget& Window() { return *main->Window().top; }

  QMenu* MenuOf(const std::string& id) {
    const std::vector<QAction*> actions = view->ActionsOf(*control->Tools()->Item(id));
    return actions.empty() ? nullptr : actions.front()->menu();
  }

  std::shared_ptr<ToolBarControl> control = std::make_shared<ToolBarControl>();
  std::shared_ptr<MDIForm> main = std::make_shared<MDIForm>("MainForm");
  ToolBarWindow* view = nullptr;
};

}  // namespace

TEST_F(ToolBarWindowTest, TheMenuBarBandIsTheWindowsMenuBarAndTheOthersAreToolBars) {
  ASSERT_NE(view->MenuBar(), nullptr);
  const QList<QAction*> titles = view->MenuBar()->actions();
  ASSERT_EQ(titles.size(), 3);
  EXPECT_EQ(titles[0]->text(), "&File");
  EXPECT_NE(titles[0]->menu(), nullptr);
  EXPECT_EQ(titles[2]->menu(), nullptr);
  ASSERT_EQ(view->ToolBars().size(), 1u);
  EXPECT_EQ(view->ToolBars()[0]->windowTitle(), "File");
  // A tool in three places has an action in each.
  EXPECT_EQ(view->ActionsOf(*control->Tools()->Item("Save")).size(), 2u);
}

TEST_F(ToolBarWindowTest, ASeparatorShowsAsALine) {
  QMenu* file = MenuOf("File");
  ASSERT_NE(file, nullptr);
  ASSERT_EQ(file->actions().size(), 4);
  EXPECT_TRUE(file->actions()[2]->isSeparator());
  EXPECT_FALSE(file->actions()[1]->isSeparator());
  const QList<QAction*> buttons = view->ToolBars()[0]->actions();
  ASSERT_EQ(buttons.size(), 4);
  EXPECT_TRUE(buttons[2]->isSeparator());

  // A tool that becomes a separator after it was added (the report list's).
  const auto reports = control->Tools()->Item("Reports")->Menu()->Tools();
  reports->Add("ReportSeparator")->SetType(ToolTypes::Separator);
  ASSERT_EQ(MenuOf("Reports")->actions().size(), 1);
  EXPECT_TRUE(MenuOf("Reports")->actions()[0]->isSeparator());
}

TEST_F(ToolBarWindowTest, ActionsFollowTheToolsFlagsAndLists) {
  const auto save = control->Tools()->Item("Save");
  save->SetEnabled(false);
  save->SetCaption("Save &As");
  for (QAction* action : view->ActionsOf(*save)) {
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(action->text(), "Save &As");
  }
  QImage disk(16, 16, QImage::Format_RGB32);
  disk.fill(Qt::blue);
  save->SetPicture(PictureOf(disk));
  for (QAction* action : view->ActionsOf(*save)) EXPECT_FALSE(action->icon().isNull());
  save->SetVisible(false);
  for (QAction* action : view->ActionsOf(*save)) EXPECT_FALSE(action->isVisible());

  const auto reports = control->Tools()->Item("Reports")->Menu()->Tools();
  const auto line = reports->Add("CHART1", ToolTypes::StateButton);
  line->SetCaption("Efficiency");
  line->SetState(1);
  ASSERT_EQ(MenuOf("Reports")->actions().size(), 1);
  QAction* entry = MenuOf("Reports")->actions()[0];
  EXPECT_EQ(entry->text(), "Efficiency");
  EXPECT_TRUE(entry->isChecked());
  reports->Remove("CHART1");
  EXPECT_TRUE(MenuOf("Reports")->actions().isEmpty());
}

TEST_F(ToolBarWindowTest, APersonsClickRaisesToolClick) {
  std::vector<std::string> clicked;
  control->ToolClick.Connect(
      [&](const std::shared_ptr<Tool>& tool) { clicked.push_back(tool->ID()); });
  view->ActionsOf(*control->Tools()->Item("Close")).front()->trigger();
  view->ActionsOf(*control->Tools()->Item("Graphs")).front()->trigger();
  control->Tools()->Item("Save")->SetEnabled(false);
  for (QAction* action : view->ActionsOf(*control->Tools()->Item("Save"))) action->trigger();
  EXPECT_EQ(clicked, (std::vector<std::string>{"Close", "Graphs"}));
}

TEST_F(ToolBarWindowTest, AMenuBarToolTellsWhereItIsAndPopupsAreMadeThere) {
  main->Show();
  QApplication::processEvents();
  const auto file = control->Tools()->Item("File");
  const auto graphs = control->Tools()->Item("Graphs");
  EXPECT_GT(graphs->Height(), 0);
  EXPECT_GT(graphs->Left(), file->Left());
  EXPECT_EQ(graphs->Top(), file->Top());
  EXPECT_EQ(control->Tools()->Item("Close")->Height() > 0, true);
  // A tool shown in no band has no position.
  control->Tools()->Add("Hidden");
  EXPECT_EQ(control->Tools()->Item("Hidden")->Height(), 0);

  // Under the "Graphs" entry: its position in twips, relative to the window.
  control->PopupMenu("File", graphs->Left() * 15.0, (graphs->Top() + graphs->Height()) * 15.0);
  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  const QPoint expected =
      Window().mapToGlobal(QPoint(graphs->Left(), graphs->Top() + graphs->Height()));
  EXPECT_EQ(responder->ToolPopups[0].X, expected.x());
  EXPECT_EQ(responder->ToolPopups[0].Y, expected.y());
}

TEST_F(ToolBarWindowTest, TheDesktopPopupReturnsThePersonsChoice) {
  main->Show();
  std::vector<std::string> clicked;
  control->ToolClick.Connect(
      [&](const std::shared_ptr<Tool>& tool) { clicked.push_back(tool->ID()); });
  bool sawSeparator = false;
  // The person: picks "Save" from the menu once it shows.
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      sawSeparator = sawSeparator || action->isSeparator();
      if (action->text() == "&Save") menu->setActiveAction(action);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(menu, &enter);
  });
  // The person answers this one, not the fixture's responder.
  auto previous = SetResponder(std::make_shared<DesktopResponder>());
  control->PopupMenu("File", 0.0, 0.0);
  SetResponder(previous);
  EXPECT_EQ(clicked, (std::vector<std::string>{"Save"}));
  EXPECT_TRUE(sawSeparator);
}

TEST_F(ToolBarWindowTest, TheViewLetsGoOfAControlThatEnds) {
  control->Tools()->Item("Close");
  control.reset();
  EXPECT_EQ(view->MenuBar(), nullptr);
  EXPECT_TRUE(view->ToolBars().empty());
}

TEST_F(ToolBarWindowTest, AnErrorOfAClickHandlerIsReportedAndTheProgramGoesOn) {
  control->ToolClick.Connect([](const std::shared_ptr<Tool>&) { Runtime::Raise(53); });
  view->ActionsOf(*control->Tools()->Item("Close")).front()->trigger();
  ASSERT_EQ(responder->Messages.size(), 1u);
  EXPECT_NE(responder->Messages[0].Prompt.find("File not found"), std::string::npos);
}

TEST_F(ToolBarWindowTest, ToolBarsTakeTheirRoomAboveTheInnerArea) {
  main->Show();
  const double before = main->ScaleHeight();
  control->Bands()->Item("File")->SetVisible(false);
  QApplication::processEvents();
  EXPECT_GT(main->ScaleHeight(), before);
}

TEST_F(ToolBarWindowTest, TheBandHeightStaysAndTheChildAreaTakesTheExtraHeight) {
  main->Show();
  QApplication::processEvents();
  QToolBar* band = view->ToolBars().front();
  const int bandHeight = band->parentWidget()->height();
  const int areaHeight = main->Window().mdiArea->height();
  EXPECT_EQ(bandHeight, band->sizeHint().height());

  // The person makes the window taller, or maximises it.
  Window().resize(Window().width(), Window().height() + 400);
  QApplication::processEvents();
  EXPECT_EQ(band->parentWidget()->height(), bandHeight);
  EXPECT_EQ(main->Window().mdiArea->height(), areaHeight + 400);
  main->SetWindowState(WindowStates::Maximised);
  QApplication::processEvents();
  EXPECT_EQ(band->parentWidget()->height(), bandHeight);
  EXPECT_EQ(main->Window().mdiArea->height(),
            Window().height() - bandHeight - view->MenuBar()->height());
}

TEST_F(ToolBarWindowTest, TheGraphsMenuOfAChartPopsUpUnderTheMainWindowsEntry) {
  main->Show();
  auto chart = std::make_shared<ChartWindow>();
  chart->Show();
  QApplication::processEvents();
  auto graphBar = std::make_shared<ToolBarControl>();
  ApplyDesign(*graphBar, GraphsMenuDesign());
  HostToolBars(*graphBar, chart->PRDGraph);

  // The viewer hands the graph the entry's corner in twips; the graph pops its
  // menu up there.
  const auto entry = control->Tools()->Item("Graphs");
  const double x = entry->Left() * 15.0;
  const double y = (entry->Top() + entry->Height()) * 15.0;
  responder->OnToolPopup = [](ToolMenu& menu) { return menu.Tools()->Item("SpecLimits"); };
  std::string clicked;
  graphBar->ToolClick.Connect([&](const std::shared_ptr<Tool>& tool) { clicked = tool->ID(); });
  graphBar->PopupMenu("Graphs", x, y);

  ASSERT_EQ(responder->ToolPopups.size(), 1u);
  const QPoint under = Window().mapToGlobal(QPoint(entry->Left(), entry->Top() + entry->Height()));
  EXPECT_EQ(responder->ToolPopups[0].X, under.x());
  EXPECT_EQ(responder->ToolPopups[0].Y, under.y());
  EXPECT_EQ(clicked, "SpecLimits");
}

// The graph's menu on the desktop, picked with the keyboard: one ToolClick.
TEST_F(ToolBarWindowTest, TheGraphsMenuPickRunsItsClickOnce) {
  responder = std::make_shared<TestSupport::DesktopPopups>();
  SetResponder(responder);
  main->Show();
  auto chart = std::make_shared<ChartWindow>();
  chart->Show();
  auto graphBar = std::make_shared<ToolBarControl>();
  ApplyDesign(*graphBar, GraphsMenuDesign());
  HostToolBars(*graphBar, chart->PRDGraph);
  std::vector<std::string> clicked;
  graphBar->ToolClick.Connect(
      [&](const std::shared_ptr<Tool>& tool) { clicked.push_back(tool->ID()); });

  TestSupport::PopupKeys person({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
  graphBar->PopupMenu("Graphs", 0.0, 0.0);
  EXPECT_EQ(clicked, (std::vector<std::string>{"StdDev"}));
  EXPECT_EQ(responder->ToolPopups.size(), 1u);
}
