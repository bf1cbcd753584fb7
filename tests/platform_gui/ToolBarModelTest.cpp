// The toolbar-and-menu control's model: tools, places, flags, tags, pop-ups
// and ToolClick, without any window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Band.h"
#include "platform/gui/BandList.h"
#include "platform/gui/GraphsMenu.h"
#include "platform/gui/ScriptedResponder.h"
#include "platform/gui/Tool.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarDesign.h"
#include "platform/gui/ToolList.h"
#include "platform/gui/ToolMenu.h"
#include "runtime/Collection.h"
#include "tests/platform_gui/RaisedError.h"

using namespace Platform;
using Runtime::Variant;

namespace {

// A control with a menu bar (File, Reports) and a toolbar, as a main window has.
std::shared_ptr<ToolBarControl> MainBar() {
  ToolBarDesign design;
  design.AddTool("Close", "&Close");
  design.AddTool("Save", "&Save");
  design.AddTool("Exit", "E&xit");
  design.AddTool("ManualUpdate", "Manual &Update");
  design.AddMenu("File", "&File", {"Close", "Save", "|", "Exit"});
  design.AddMenu("Reports", "&Reports", {"ManualUpdate"});
  design.AddTool("ProductionLine", "Line", ToolTypes::StateButton).Group = "Lines";
  design.AddBand("MenuBar", {"File", "Reports"}, true);
  design.AddBand("File", {"Close", "Save"});
  auto control = std::make_shared<ToolBarControl>();
  ApplyDesign(*control, design);
  return control;
}

// Answers every pop-up with the tool of the identifier, while it is installed.
class Answer {
 public:
  explicit Answer(std::string id) : responder_(std::make_shared<ScriptedResponder>()) {
    responder_->OnToolPopup = [id](ToolMenu& menu) -> std::shared_ptr<Tool> {
      return id.empty() ? nullptr : menu.Tools()->Item(id);
    };
    previous_ = SetResponder(responder_);
  }
  ~Answer() { SetResponder(previous_); }
  ScriptedResponder& Responder() { return *responder_; }

 private:
  std::shared_ptr<ScriptedResponder> responder_;
  std::shared_ptr<Platform::Responder> previous_;
};

// Connects a listener that logs its name and the clicked tool.
void Clicks(ToolBarControl& control, const std::string& listener, std::vector<std::string>& log) {
  control.ToolClick.Connect([&log, listener](const std::shared_ptr<Tool>& tool) {
    log.push_back(listener + ":" + tool->ID());
  });
}

}  // namespace

TEST(ToolBarControl, AToolIsOneObjectWhereverItIsReached) {
  auto control = MainBar();
  const auto fromCollection = control->Tools()->Item("CLOSE");
  const auto file = control->Bands()->Item("menubar")->Tools()->Item("File");
  const auto fromMenu = file->Menu()->Tools()->Item(1);
  const auto fromBand = control->Bands()->Item("File")->Tools()->Item("Close");
  EXPECT_EQ(fromCollection, fromMenu);
  EXPECT_EQ(fromCollection, fromBand);
  EXPECT_EQ(file->Menu(), file->Menu());
  EXPECT_EQ(control->Tools(), control->Tools());

  // One set of flags: what is written through one way reads back through the others.
  fromMenu->SetEnabled(false);
  EXPECT_FALSE(fromCollection->Enabled());
  EXPECT_FALSE(fromBand->Enabled());
  // A tool added to a second menu by identifier is the same tool again.
  const auto again = control->Tools()->Item("Reports")->Menu()->Tools()->Add("Close");
  EXPECT_EQ(again, fromCollection);
  EXPECT_EQ(control->Tools()->Count(), 8);
}

TEST(ToolBarControl, ToolListsKeepOrderAndReportBadArguments) {
  auto control = MainBar();
  const auto menu = control->Tools()->Item("Reports")->Menu()->Tools();
  menu->Add("ReportSeparator")->SetType(ToolTypes::Separator);
  menu->Add("CHART1")->SetCaption("Efficiency");
  menu->Add("TABLE2", ToolTypes::StateButton);
  std::vector<std::string> ids;
  for (const auto& tool : *menu) ids.push_back(tool->ID());
  EXPECT_EQ(ids, (std::vector<std::string>{"ManualUpdate", "ReportSeparator", "CHART1", "TABLE2"}));
  EXPECT_EQ(menu->Item(4)->Type(), ToolTypes::StateButton);
  EXPECT_EQ(control->Tools()->Item("chart1"), menu->Item(3));

  EXPECT_EQ(RaisedError([&] { menu->Add("chart1"); }), 457);
  EXPECT_EQ(RaisedError([&] { control->Tools()->Add("Save"); }), 457);
  EXPECT_EQ(RaisedError([&] { menu->Add(""); }), 5);
  EXPECT_EQ(RaisedError([&] { menu->Item("Nowhere"); }), 5);
  EXPECT_EQ(RaisedError([&] { menu->Item(0); }), 5);
  EXPECT_EQ(RaisedError([&] { menu->Item(5); }), 5);
  EXPECT_EQ(RaisedError([&] { menu->Item(Variant::Nothing()); }), 13);
  EXPECT_EQ(RaisedError([&] { control->Tools()->Item("Close")->Menu(); }), 438);
  EXPECT_EQ(RaisedError([&] { control->Bands()->Add("file"); }), 457);
  // A menu never holds itself, not even through a sub-menu.
  const auto reports = control->Tools()->Item("Reports");
  EXPECT_EQ(RaisedError([&] { reports->Menu()->Tools()->Add("Reports"); }), 5);
  control->Tools()->Item("File")->Menu()->Tools()->Add("Reports");
  EXPECT_EQ(RaisedError([&] { reports->Menu()->Tools()->Add("File"); }), 5);
}

TEST(ToolBarControl, ToolsMadeForAPlaceLeaveWithTheirLastPlace) {
  auto control = MainBar();
  const auto reports = control->Tools()->Item("Reports")->Menu()->Tools();
  auto window = std::make_shared<Runtime::Collection>();
  const auto entry = reports->Add("CHART1");
  entry->SetTagVariant(window);
  reports->Remove("CHART1");
  // The entry no longer holds the closed window, and its identifier is free again.
  EXPECT_EQ(control->FindTool("CHART1"), nullptr);
  EXPECT_EQ(entry->Control(), nullptr);
  EXPECT_EQ(RaisedError([&] { reports->Add("CHART1"); }), 0);

  // A tool of the design stays in the control when its places go.
  const auto lines = control->Tools()->Add("Production Lines", ToolTypes::Menu);
  lines->Menu()->Tools()->Add("ProductionLine");
  lines->Menu()->Tools()->Add("Line3", ToolTypes::StateButton)->SetState(1);
  lines->Menu()->Tools()->Clear();
  EXPECT_EQ(lines->Menu()->Tools()->Count(), 0);
  EXPECT_NE(control->FindTool("ProductionLine"), nullptr);
  EXPECT_EQ(control->FindTool("Line3"), nullptr);
  // A line tool made again starts afresh.
  EXPECT_EQ(lines->Menu()->Tools()->Add("Line3", ToolTypes::StateButton)->State(), 0);

  // A tool made for two places stays while it has one of them.
  const auto file = control->Tools()->Item("File")->Menu()->Tools();
  const auto shared = reports->Add("Both");
  file->Add("Both");
  reports->Remove("Both");
  EXPECT_EQ(control->FindTool("Both"), shared);
  // Removing a tool from the control takes it out of every place.
  control->Tools()->Remove("Close");
  EXPECT_EQ(file->Find("Close"), 0);
  EXPECT_EQ(control->Bands()->Item("File")->Tools()->Find("Close"), 0);
}

TEST(ToolBarControl, APopupAnsweredByATestRaisesToolClickToAllListenersBeforeItReturns) {
  auto control = MainBar();
  Answer answer("Save");
  std::vector<std::string> log;
  answer.Responder().OnToolPopup = [&log](ToolMenu& menu) {
    log.push_back("shown");
    return menu.Tools()->Item("Save");
  };
  Clicks(*control, "first", log);
  Clicks(*control, "second", log);
  control->PopupMenu("File", 1500.0, 750.0);
  log.push_back("returned");
  EXPECT_EQ(log, (std::vector<std::string>{"shown", "first:Save", "second:Save", "returned"}));
  // Without a window, the point in twips is taken as pixels of the screen.
  ASSERT_EQ(answer.Responder().ToolPopups.size(), 1u);
  EXPECT_EQ(answer.Responder().ToolPopups[0].Menu, control->Tools()->Item("File")->Menu().get());
  EXPECT_EQ(answer.Responder().ToolPopups[0].X, 100);
  EXPECT_EQ(answer.Responder().ToolPopups[0].Y, 50);

  // By the tool object, and from a sub-menu.
  log.clear();
  control->Tools()->Item("File")->Menu()->Tools()->Add("Reports");
  answer.Responder().OnToolPopup = [&](ToolMenu&) {
    return control->Tools()->Item("ManualUpdate");
  };
  control->PopupMenu(control->Tools()->Item("File"));
  EXPECT_EQ(log, (std::vector<std::string>{"first:ManualUpdate", "second:ManualUpdate"}));
}

TEST(ToolBarControl, OnlyEnabledToolsOfTheMenuShownRaiseToolClick) {
  auto control = MainBar();
  std::vector<std::string> log;
  Clicks(*control, "l", log);
  control->Tools()->Item("Save")->SetEnabled(false);
  {
    Answer answer("Save");
    control->PopupMenu("File");
  }
  control->ToolClicked(control->Tools()->Item("Save"));
  EXPECT_TRUE(log.empty());

  // Nothing chosen, a menu title, a separator, or a tool from another menu.
  {
    Answer nothing("");
    control->PopupMenu("File");
  }
  for (const std::string id : {"Reports", "|1", "ManualUpdate"}) {
    auto chosen = control->Tools()->Item(id);
    auto scripted = std::make_shared<ScriptedResponder>();
    scripted->OnToolPopup = [chosen](ToolMenu&) { return chosen; };
    auto previous = SetResponder(scripted);
    control->PopupMenu("File");
    SetResponder(previous);
  }
  EXPECT_TRUE(log.empty());

  EXPECT_EQ(RaisedError([&] { control->PopupMenu("Save"); }), 5);
  EXPECT_EQ(RaisedError([&] { control->PopupMenu("Nowhere"); }), 5);
  EXPECT_EQ(RaisedError([&] { control->PopupMenu(Variant(int16_t{3})); }), 13);
  auto other = MainBar();
  EXPECT_EQ(RaisedError([&] { control->PopupMenu(other->Tools()->Item("File")); }), 5);
}

TEST(ToolBarControl, ListenersMayConnectAndDisconnectWhileAClickIsRaised) {
  auto control = MainBar();
  std::vector<std::string> log;
  Connection late;
  Connection second;
  control->ToolClick.Connect([&](const std::shared_ptr<Tool>& tool) {
    log.push_back("first:" + tool->ID());
    if (!late.Connected())
      late = control->ToolClick.Connect(
          [&](const std::shared_ptr<Tool>& t) { log.push_back("late:" + t->ID()); });
    second.Disconnect();
  });
  second = control->ToolClick.Connect(
      [&](const std::shared_ptr<Tool>& t) { log.push_back("second:" + t->ID()); });
  control->ToolClicked(control->Tools()->Item("Close"));
  control->ToolClicked(control->Tools()->Item("Exit"));
  EXPECT_EQ(log, (std::vector<std::string>{"first:Close", "first:Exit", "late:Exit"}));

  // A handler may let the clicked tool go (the report list removes its entry).
  const auto reports = control->Tools()->Item("Reports")->Menu()->Tools();
  reports->Add("CHART3");
  control->ToolClick.Connect([&](const std::shared_ptr<Tool>& tool) {
    if (tool->ID() == "CHART3") reports->Remove("CHART3");
  });
  log.clear();
  control->ToolClicked(control->Tools()->Item("CHART3"));
  EXPECT_EQ(log, (std::vector<std::string>{"first:CHART3", "late:CHART3"}));
}

TEST(ToolBarControl, TagValuesComeBackUnchanged) {
  auto control = MainBar();
  const auto tool = control->Tools()->Item("Close");
  EXPECT_TRUE(tool->TagVariant().IsEmpty());
  tool->SetTagVariant(int16_t{3});
  EXPECT_EQ(tool->TagVariant(), Variant(int16_t{3}));
  tool->SetTagVariant(2.5);
  EXPECT_EQ(tool->TagVariant(), Variant(2.5));
  auto window = std::make_shared<Runtime::Collection>();
  tool->SetTagVariant(window);
  std::shared_ptr<Tool> clicked;
  control->ToolClick.Connect([&](const std::shared_ptr<Tool>& t) { clicked = t; });
  control->ToolClicked(tool);
  EXPECT_EQ(clicked->TagVariant().ObjectAs<Runtime::Collection>(), window);
  EXPECT_TRUE(Runtime::Is(control->Tools()->Item("Close")->TagVariant(), Variant(window)));
}

TEST(ToolBarControl, StateButtonsOfAGroupArePressedOneAtATime) {
  auto control = std::make_shared<ToolBarControl>();
  const auto lines = control->Tools()->Add("Production Lines", ToolTypes::Menu)->Menu()->Tools();
  std::vector<std::shared_ptr<Tool>> tools;
  for (const std::string id : {"Line1", "Line2", "Line3"}) {
    tools.push_back(lines->Add(id, ToolTypes::StateButton));
    tools.back()->SetGroup("Lines");
  }
  tools[0]->SetState(1);
  tools[2]->SetState(1);
  EXPECT_EQ(tools[0]->State(), 0);
  EXPECT_EQ(tools[2]->State(), 1);
  control->ToolClicked(tools[1]);
  EXPECT_EQ(tools[1]->State(), 1);
  EXPECT_EQ(tools[2]->State(), 0);
  control->ToolClicked(tools[1]);
  EXPECT_EQ(tools[1]->State(), 1);

  // Without a group a click toggles.
  const auto alone = control->Tools()->Add("Alone", ToolTypes::StateButton);
  control->ToolClicked(alone);
  EXPECT_EQ(alone->State(), 1);
  control->ToolClicked(alone);
  EXPECT_EQ(alone->State(), 0);
}

TEST(ToolBarControl, ToolsOutliveTheirControl) {
  std::shared_ptr<Tool> tool;
  std::shared_ptr<ToolList> menu;
  {
    auto control = MainBar();
    tool = control->Tools()->Item("Close");
    menu = control->Tools()->Item("File")->Menu()->Tools();
  }
  EXPECT_EQ(tool->Control(), nullptr);
  EXPECT_EQ(tool->Caption(), "&Close");
  EXPECT_EQ(menu->Item(1), tool);
  EXPECT_EQ(RaisedError([&] { menu->Add("Another"); }), 91);
}

TEST(ToolBarDesign, MakesToolsMenusAndBandsAsWritten) {
  auto control = MainBar();
  const auto file = control->Tools()->Item("File");
  EXPECT_EQ(file->Type(), ToolTypes::Menu);
  EXPECT_EQ(file->Caption(), "&File");
  EXPECT_EQ(file->Name(), "File");
  const auto items = file->Menu()->Tools();
  ASSERT_EQ(items->Count(), 4);
  EXPECT_EQ(items->Item(3)->Type(), ToolTypes::Separator);
  EXPECT_EQ(control->Tools()->Item("ProductionLine")->Group(), "Lines");
  const auto menuBar = control->Bands()->Item(1);
  EXPECT_TRUE(menuBar->IsMenuBar());
  EXPECT_EQ(menuBar->Name(), "MenuBar");
  EXPECT_FALSE(control->Bands()->Item(2)->IsMenuBar());

  ToolBarDesign plain;
  plain.AddTool("About");
  ApplyDesign(*control, plain);
  EXPECT_EQ(control->Tools()->Item("About")->Caption(), "About");

  ToolBarDesign missing;
  missing.AddMenu("Help", "&Help", {"About", "Manual"});
  EXPECT_EQ(RaisedError([&] { ApplyDesign(*control, missing); }), 5);
  ToolBarDesign notMenu;
  notMenu.AddTool("Print").Items = {"About"};
  EXPECT_EQ(RaisedError([&] { ApplyDesign(*control, notMenu); }), 5);
}

TEST(ToolBarDesign, TheGraphsMenuHoldsTheSixPreferencePages) {
  ToolBarControl control;
  ApplyDesign(control, GraphsMenuDesign());
  const auto graphs = control.Tools()->Item("Graphs");
  ASSERT_EQ(graphs->Type(), ToolTypes::Menu);
  std::vector<std::string> ids;
  for (const auto& tool : *graphs->Menu()->Tools()) ids.push_back(tool->ID());
  EXPECT_EQ(ids, (std::vector<std::string>{"Mean", "StdDev", "SpecLimits", "Trends", "Series",
                                           "Alarms"}));
  EXPECT_EQ(control.Bands()->Count(), 0);
}

TEST(Tool, NameIsTheCaptionWithoutAccessKeys) {
  ToolBarControl control;
  const auto tool = control.Tools()->Add("Cut");
  for (const auto& [caption, name] : std::vector<std::pair<std::string, std::string>>{
           {"Cu&t", "Cut"}, {"Save && Close", "Save & Close"}, {"End&", "End"}, {"", ""}}) {
    tool->SetCaption(caption);
    EXPECT_EQ(tool->Name(), name) << caption;
  }
}
