#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Container.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A tabbed dialog control: a row of captioned tabs over pages, one page shown
// at a time. Every page is a container; its controls show only while it is the
// selected page. The dialog is a container too: a control made in it (a
// control array's element included) lands on the page selected at that time.
// Positions on every page are in twips from the dialog's own top-left corner,
// the tabs included, so a control keeps its place whichever page holds it.
class TAVRO_PLATFORM_GUI_API TabDialog : public VisualControl, public Container {
 public:
  // A dialog with one page per caption, the first one selected.
  TabDialog(Container& container, std::string name, const std::vector<std::string>& captions);
  ~TabDialog() override;

  int Tabs() const;
  // The selected page, from 0; error 380 outside the pages.
  int Tab() const { return tab_; }
  void SetTab(int tab);
  std::string TabCaption(int tab) const;
  void SetTabCaption(int tab, const std::string& caption);
  // Page tab as a container; error 380 outside the pages.
  Container& Page(int tab) const;

  Form& ParentForm() override { return Parent(); }
  ControlScope& Scope() override { return Control::Scope(); }
  double UnitsToPixelsX(double x) const override;
  double UnitsToPixelsY(double y) const override;
  double PixelsToUnitsX(double x) const override;
  double PixelsToUnitsY(double y) const override;

  // The window system's notice that the person chose another page.
  void NoticeTabChanged(int tab);

 private:
  class TabPage;
  void CheckTab(int tab) const;

  std::vector<std::unique_ptr<TabPage>> pages_;
  int tab_ = 0;
};

}  // namespace Platform
