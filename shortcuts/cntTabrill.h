#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Event.h"
#include "platform/gui/Colour.h"
#include "platform/gui/Label.h"
#include "platform/gui/PictureBox.h"
#include "platform/gui/PropertyBag.h"
#include "platform/gui/ScrollBar.h"
#include "platform/gui/UserControl.h"
#include "shortcuts/QuillonApi.h"
#include "shortcuts/QuillonObject.h"
#include "shortcuts/clsShortCutGroups.h"

namespace Platform {
class Surface;
}

namespace Quillon {

enum AppearanceEnum : int32_t { AppearanceFlat = 0, Appearance3D = 1 };
enum IconSizeEnum : int32_t {
  IconSize16x16 = 16,
  IconSize32x32 = 32,
  IconSize48x48 = 48,
  IconSize64x64 = 64
};

// The shortcut bar: a vertical bar docked at the left of its form, with an
// optional caption, the header buttons of its groups, the current group's
// shortcuts drawn as icons over captions on a scrolling canvas, and a drag bar
// at its right edge that changes its width. Everything inside is in pixels.
// A host places it on its form as a member and fills it through
// ShortCutGroups.
class QUILLON_API cntTabrill : public Platform::UserControl, public QuillonObject {
 public:
  cntTabrill(Platform::Container& host, std::string name, int index = -1);
  ~cntTabrill() override;

  // --- Properties ----------------------------------------------------------
  // Whether the bar reacts to the mouse; the header buttons and the scroll bar
  // follow it.
  bool Enabled() const { return enabled_; }
  void Enabled(bool value);
  // Space between an icon and its frame.
  int16_t IconBorder() const { return iconBorder_; }
  void IconBorder(int16_t value) { iconBorder_ = value; }
  // Height of a new header button; existing buttons keep theirs.
  int16_t ButtonHeight() const { return buttonHeight_; }
  void ButtonHeight(int16_t value);
  Platform::Colour DarkShadow() const { return darkShadow_; }
  void DarkShadow(Platform::Colour value) { darkShadow_ = value; }
  Platform::Colour LightShadow() const { return lightShadow_; }
  void LightShadow(Platform::Colour value) { lightShadow_ = value; }
  // Margin round caption and canvas, width of the drag bar and of the bar
  // after Hide. Caption and canvas take the new margin at the next resize.
  int16_t Border() const { return border_; }
  void Border(int16_t value);
  // Extra height of every shortcut's slot.
  int16_t IconGap() const { return iconGap_; }
  void IconGap(int16_t value);
  // Whether the drag bar resizes the bar.
  bool Resizable() const;
  void Resizable(bool value);
  // The caption over the canvas. An empty caption lays the bar out at once;
  // a caption given to a bar without one shows at the next resize.
  const std::string& Caption() const { return labCaption.Caption(); }
  void Caption(const std::string& value);
  // Setting a collection makes this bar its ParentBar; nothing raises 91.
  const std::shared_ptr<clsShortCutGroups>& ShortCutGroups() const { return groups_; }
  void ShortCutGroups(const std::shared_ptr<clsShortCutGroups>& value);
  // The canvas's text and background colours; neither repaints.
  Platform::Colour ForeColour() const { return picCanvas.ForeColor(); }
  void ForeColour(Platform::Colour value);
  Platform::Colour BackColour() const { return picCanvas.BackColor(); }
  void BackColour(Platform::Colour value);
  // Flat or 3D; other values are ignored.
  AppearanceEnum Appearance() const;
  void Appearance(int32_t value);
  IconSizeEnum IconSize() const { return iconSize_; }
  void IconSize(IconSizeEnum value) { iconSize_ = value; }

  // --- Methods -------------------------------------------------------------
  // Collapses the bar to its drag bar, remembering its width.
  void Hide();
  // Back to the width before Hide (at least Border).
  void Restore();
  // The shortcut of the current group whose icon lies strictly round (X, Y) in
  // canvas pixels, enabled or not; nothing when there is none.
  std::shared_ptr<clsShortCut> HitTest(float X, float Y) const;

  // --- Events --------------------------------------------------------------
  // The person opened another group; raised once it is laid out and painted.
  Platform::Event<std::shared_ptr<clsShortCutGroup>&> ChangeShortCutGroup;
  // The person chose a shortcut.
  Platform::Event<std::shared_ptr<clsShortCut>&> SelectShortCut;
  // Raised at the end of every layout of the bar.
  Platform::Event<> Resize;
  // The canvas's mouse events in canvas pixels, raised only while the bar is
  // Enabled and before the bar's own reaction, which follows the Button the
  // handlers leave.
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseDown;
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseUp;
  Platform::Event<int16_t&, int16_t&, float&, float&> MouseMove;

  // --- For the model and the painter ----------------------------------------
  Platform::ControlScope& GetControls() { return *this; }
  Platform::PictureBox& GetCanvas() { return picCanvas; }
  // Unloads the group's header button, which the group then forgets.
  void UnloadHeaderButton(clsShortCutGroup& group);
  void RaiseChangeShortCutGroup(const std::shared_ptr<clsShortCutGroup>& group);
  // Recomputes whether the current group needs the scroll bar, and its range.
  void UpdateScrollBar();
  // Repaints the canvas and places the header buttons and the scroll bar.
  void DrawShortCuts();
  // The colour a quarter of the way to black (Darker not 0) or to white.
  static Platform::Colour ShadeColour(Platform::Colour Colour, int32_t Darker);

  // The current group needs the scroll bar.
  bool ScrollShown() const { return scrollShown_; }
  // The inner width remembered by Hide.
  int16_t SavedWidth() const { return savedWidth_; }

  // Where the pointer is over the canvas, in canvas pixels (false when that is
  // not known): the canvas's own MousePosition, unless tests put another
  // source here (an empty function gives the canvas's back).
  void SetPointerSource(std::function<bool(double&, double&)> source);

  // What the painter draws on: the canvas, unless tests put another surface
  // here (nullptr gives the canvas back). The surface takes the canvas's
  // colours and font; the caller keeps it alive while it is set.
  Platform::Surface& CanvasSurface() const;
  void SetCanvasSurface(Platform::Surface* surface);

  // --- The control's life --------------------------------------------------
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(Platform::PropertyBag& PropBag) override;
  void UserControl_WriteProperties(Platform::PropertyBag& PropBag) override;
  void UserControl_Resize() override;

  // The constituent controls, as designed.
  Platform::Label labCaption{*this, "labCaption"};
  Platform::PictureBox picCanvas{*this, "picCanvas"};
  Platform::VScrollBar vscScroll{picCanvas, "vscScroll"};
  Platform::PictureBox picDragBar{*this, "picDragBar"};

 private:
  void picCanvas_MouseDown(int16_t& Button, int16_t& Shift, double& X, double& Y);
  void picCanvas_MouseMove(int16_t& Button, int16_t& Shift, double& X, double& Y);
  void picCanvas_MouseUp(int16_t& Button, int16_t& Shift, double& X, double& Y);
  // The canvas's reaction to a pointer move, after the event.
  void HoverShortCuts(int16_t Button, float X, float Y);
  void picDragBar_MouseMove(double X);
  void ApplyCanvasLook();
  void PlaceDragBar();
  int16_t ItemHeight() const;
  void DrawShortCutItem(const Platform::Picture& Icon, const clsRect& Rect, int32_t Style);
  void ShadeIcon(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t Darker);

  std::shared_ptr<clsShortCutGroups> groups_;
  int16_t iconGap_ = 25;
  int16_t border_ = 4;
  int16_t buttonHeight_ = 20;
  Platform::Colour darkShadow_ = 0x808080;
  Platform::Colour lightShadow_ = 0xFFFFFF;
  int16_t iconBorder_ = 2;
  bool enabled_ = true;
  IconSizeEnum iconSize_ = IconSize32x32;
  bool scrollShown_ = false;
  bool dragging_ = false;
  bool dragBusy_ = false;
  int16_t savedWidth_ = 0;
  Platform::Surface* canvasSurface_ = nullptr;
  std::function<bool(double&, double&)> pointerSource_;
  // Layouts run so far: a drag step that changed no size runs one itself.
  uint32_t layouts_ = 0;
  std::vector<Platform::ScopedConnection> hooks_;
};

}  // namespace Quillon
