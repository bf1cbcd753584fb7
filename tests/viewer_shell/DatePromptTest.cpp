// The program asks for a report's date range with the "Date Select" dialog.
#include <gtest/gtest.h>

#include <QEvent>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/gui/FormInternal.h"
#include "runtime/DateTime.h"
#include "shortcuts/clsShortCut.h"
#include "shortcuts/clsShortCutGroup.h"
#include "shortcuts/clsShortCutGroups.h"
#include "shortcuts/clsShortCuts.h"
#include "tests/viewer_shell/ShellTestSupport.h"
#include "viewer/datemacros/frmDateSelect.h"
#include "viewer/shell/KordexModule.h"
#include "viewer/shell/LoadFormWindow.h"

using Runtime::Variant;

namespace {

// The person picks "today" in the dialog and confirms it.
void ChooseToday(Platform::Form& form) {
  auto& dialog = dynamic_cast<Kordex::frmDateSelect&>(form);
  auto today = dialog.Tabrill.ShortCutGroups()
                   ->Item(Variant("Standard"))
                   ->ShortCuts()
                   ->Item(Variant(int16_t{1}));
  dialog.Tabrill_SelectShortCut(today);
  dialog.cmdOk_Click();
}

// The program's load host; a load asks it for its window as soon as it has
// listed its files.
class ListingWatch : public Kordex::ShellLoadHost {
 public:
  std::unique_ptr<Kordex::LoadForm> NewLoadForm() override {
    if (OnListed) OnListed();
    return ShellLoadHost::NewLoadForm();
  }
  std::function<void()> OnListed;
};

class PaintCount : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Count;
    return false;
  }
  int Count = 0;
};

}  // namespace

TEST_F(ShellTest, TheReportDateRangeComesFromTheDateSelectDialog) {
  StartMainWindow();
  Kordex::SetDateRangePrompt(nullptr);
  responder->OnModal = ChooseToday;
  EXPECT_TRUE(Kordex::KordexModule::SelectDateRange());
  EXPECT_EQ(responder->ModalForms.size(), 1U);
  EXPECT_EQ(Kordex::KordexModule::ReportDateFrom, Runtime::Today());
  EXPECT_EQ(Kordex::KordexModule::ReportDateTo, Runtime::Today());
}

TEST_F(ShellTest, DateDialogGoneAndMainWindowRepaintedBeforeTheFilesAreListed) {
  const TestSupport::TempDir data = ShellTestSupport::WriteSampleData();
  StartMainWindow(data.Folder());
  Kordex::SetDateRangePrompt(nullptr);
  const auto host = std::make_shared<ListingWatch>();
  Kordex::SetLoadHost(host);
  QWidget* main = mainForm->Window().Frame();
  PaintCount paints;
  main->installEventFilter(&paints);

  std::weak_ptr<Platform::Form> dialog;
  responder->OnModal = [&](Platform::Form& form) {
    dialog = form.weak_from_this();
    ChooseToday(form);
    // Where the dialog was, the window system asks the main window to paint.
    paints.Count = 0;
    main->update();
  };
  bool listed = false;
  host->OnListed = [&] {
    listed = true;
    const auto shown = dialog.lock();
    EXPECT_TRUE(shown == nullptr || !shown->Visible());
    EXPECT_GT(paints.Count, 0);
  };
  const auto group = mainForm->ReportBar.ShortCutGroups()->Item(Variant("Standard"));
  for (int16_t i = 1; i <= group->ShortCuts()->Count(); ++i) {
    auto shortCut = group->ShortCuts()->Item(Variant(i));
    if (shortCut->Caption() == "Efficiency") mainForm->ReportBar.SelectShortCut.Raise(shortCut);
  }
  EXPECT_TRUE(listed);
  EXPECT_EQ(Kordex::KordexModule::ChartCount, 1);
  main->removeEventFilter(&paints);
  Kordex::SetLoadHost(nullptr);
}
