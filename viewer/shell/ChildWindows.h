#pragma once

#include <memory>

#include "platform/gui/Form.h"
#include "runtime/Variant.h"

namespace Kordex {

class MainForm;

// What the chart, table and line-status windows share.

// The program's main window; "object not set" (91) when there is none.
MainForm& ParentMainForm();

// F5 in a report window: the main window's "ManualUpdate" tool, as if chosen.
void RunManualUpdate();

// Tab in a chart or table window: brings the next chart or table window after
// Window, in loading order, to the front and makes it the active child; Window
// itself when it is the only one.
void ActivateNextReportWindow(Platform::Form& Window);

// Brings a child window to the front and makes it the active child, the one
// the commands act on.
void ActivateChildWindow(Platform::Form& Window);

// The keys every chart and table window answers: F5 updates, Tab brings the
// next report window forward, Esc closes Window.
void ReportWindowKeyDown(int16_t KeyCode);
void ReportWindowKeyPress(Platform::Form& Window, int16_t& KeyAscii);

// A window held in a variant (a report-list entry's tag): it refers to the
// window without keeping it alive.
class FormReference : public Runtime::Object {
 public:
  explicit FormReference(std::weak_ptr<Platform::Form> Window) : window_(std::move(Window)) {}

  static Runtime::Variant To(Platform::Form& Window);
  // The window a variant refers to; nullptr when it holds none or the window
  // is gone.
  static std::shared_ptr<Platform::Form> FormOf(const Runtime::Variant& Value);

 private:
  std::weak_ptr<Platform::Form> window_;
};

}  // namespace Kordex
