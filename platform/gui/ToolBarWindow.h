#pragma once

// The Qt view of a toolbar-and-menu control; used only inside the Qt layer.

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/ToolBarControl.h"
#include "platform/gui/ToolBarView.h"

class QAction;
class QBoxLayout;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace Platform {

class Tool;
class ToolList;

// Shows a control on a window: the menu bar band on the menu bar that menuBar
// gives, every other band as a toolbar in a row put first into bandRow. Without
// them the bands show nowhere, and the host's window only places the control's
// pop-ups. Each place of a tool has its own QAction, kept in step with the tool.
// Positions are taken from the top-left corner of the host's window.
//
// Made on the heap; the host widget owns it and ends it. The control may end
// first: it tells the view. See ToolBarHosting.h for hosting on a form.
class TAVRO_PLATFORM_GUI_API ToolBarWindow : public QObject, public ToolBarView {
 public:
  ToolBarWindow(ToolBarControl& control, QWidget& host, std::function<QMenuBar*()> menuBar = {},
                QBoxLayout* bandRow = nullptr);
  ~ToolBarWindow() override;

  QMenuBar* MenuBar() const;
  // The toolbars of the bands, in band order.
  std::vector<QToolBar*> ToolBars() const;
  // The actions that show the tool now, one per place.
  std::vector<QAction*> ActionsOf(const Tool& tool) const;

  void ToolChanged(const Tool& tool) override;
  void LayoutChanged() override;
  void ControlGone() override;
  bool ToolPosition(const Tool& tool, int& left, int& top, int& height) const override;
  void ScreenPoint(std::optional<double> x, std::optional<double> y, int& screenX,
                   int& screenY) const override;

 private:
  void Rebuild();
  void Clear();
  QAction* Place(const std::shared_ptr<Tool>& tool);
  QMenu* MenuOf(const std::shared_ptr<Tool>& tool);
  void Clicked(const std::weak_ptr<Tool>& tool);

  ToolBarControl* control_;
  QPointer<QWidget> host_;
  std::function<QMenuBar*()> menuBar_;
  QPointer<QMenuBar> bar_;
  QPointer<QWidget> row_;
  std::vector<QPointer<QToolBar>> toolBars_;
  std::vector<QPointer<QMenu>> menus_;
  std::vector<QPointer<QAction>> menuBarActions_;
  std::map<const Tool*, std::vector<QPointer<QAction>>> actions_;
};

// Puts the tool's caption, picture, flags and description on a Qt action.
TAVRO_PLATFORM_GUI_API void ApplyTool(QAction& action, const Tool& tool);

// Fills a Qt menu with the tools of a list that are visible: separators as
// lines, menu tools as sub-menus (made as children of the menu). Every action
// made for a tool is handed to made.
TAVRO_PLATFORM_GUI_API void FillToolMenu(
    QMenu& menu, const ToolList& tools,
    const std::function<void(QAction&, const std::shared_ptr<Tool>&)>& made);

}  // namespace Platform
