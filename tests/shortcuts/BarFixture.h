#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingSurface.h"
#include "shortcuts/cntTabrill.h"

namespace ShortcutsTest {

// A recording canvas whose lines are 13 pixels high, as the bar's own font's
// are, so that a shortcut's slot is 78 pixels high.
class Canvas13 : public Platform::RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;

  size_t Count(std::string_view call) const { return RecordsOf(call).size(); }

 protected:
  double LineHeight() override { return 13; }
};

// One mouse event of a control, as the window system raises it.
inline void Send(Platform::Event<int16_t&, int16_t&, double&, double&>& event, int16_t button,
                 double x, double y) {
  int16_t shift = 0;
  event.Raise(button, shift, x, y);
}

// A window with a shortcut bar, as the viewer's windows have one.
class BarForm : public Platform::Form {
 public:
  BarForm() : Form("frmBar") { SetClientSize(6000, 6000); }
  Quillon::cntTabrill Tabrill{*this, "Tabrill"};
};

// A loaded window whose bar paints on a recording canvas 100 x 300.
class BarTest : public testing::Test {
 protected:
  void SetUp() override {
    Platform::EnsureApplication();
    form->Load();
    bar.SetCanvasSurface(&canvas);
  }
  void TearDown() override {
    bar.SetCanvasSurface(nullptr);
    for (Platform::Form* open : Platform::Forms::All()) open->Unload();
  }

  std::shared_ptr<BarForm> form = std::make_shared<BarForm>();
  Quillon::cntTabrill& bar = form->Tabrill;
  Canvas13 canvas{100, 300};
};

}  // namespace ShortcutsTest
