#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/Event.h"
#include "platform/gui/Colour.h"
#include "platform/gui/Control.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/Surface.h"

namespace Platform {

class Container;
struct VisualControlInternal;

// A control that shows on its form: position and size in its container's units,
// visibility, enabled state, colours, font, focus, and the mouse, key and focus
// events. Which events a kind of control raises is said with the kind.
//
// Mouse events: Button is the button that changed (MouseDown, MouseUp) or the
// buttons held (MouseMove), Shift the shift keys held (ShiftMasks), X and Y the
// pointer's position in the control's own scale (a picture box's or user
// control's scale, twips otherwise) from its top-left corner.
// Key events: KeyDown and KeyUp get every key as a key code; KeyPress gets only
// characters (printable ones, Enter 13, Backspace 8, Tab 9, Esc 27, Ctrl with a
// letter 1 to 26). A handler swallows the key by setting it to 0, or changes it.
class TAVRO_PLATFORM_GUI_API VisualControl : public Control {
 public:
  ~VisualControl() override;

  Container& GetContainer() const { return container_; }

  double Left() const { return left_; }
  double Top() const { return top_; }
  double Width() const { return width_; }
  double Height() const { return height_; }
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  // Moves and sizes in one step; what is not given stays.
  void Move(double left, std::optional<double> top = {}, std::optional<double> width = {},
            std::optional<double> height = {});

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Docked to an edge of the form (Aligns); picture boxes and user controls.
  int Align() const { return align_; }
  void SetAlign(int align);

  Colour BackColor() const { return backColor_; }
  virtual void SetBackColor(Colour colour);
  Colour ForeColor() const { return foreColor_; }
  virtual void SetForeColor(Colour colour);

  const SurfaceFont& Font() const { return font_; }
  virtual void SetFont(const SurfaceFont& font);
  void SetFontName(const std::string& name);
  void SetFontSize(double points);
  void SetFontBold(bool on);
  void SetFontItalic(bool on);
  void SetFontUnderline(bool on);

  const std::string& ToolTipText() const { return toolTip_; }
  void SetToolTipText(const std::string& text);
  int MousePointer() const { return mousePointer_; }
  void SetMousePointer(int pointer);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on);
  // Position in the tab order of its form; setting it moves the control there.
  int TabIndex() const;
  void SetTabIndex(int index);
  // Whether moving the focus here runs the Validate event of the control left.
  bool CausesValidation() const { return causesValidation_; }
  void SetCausesValidation(bool on) { causesValidation_ = on; }

  // Gives the control the focus (activating its form). A control that cannot
  // take the focus (hidden, disabled, its form hidden) keeps things as they are.
  void SetFocus();
  bool HasFocus() const;
  // 0 brings it to the front of its container, 1 sends it to the back.
  void ZOrder(int position = 0);
  // Repaints at once.
  void Refresh();
  // The pointer's position over the control in its own units (as the mouse
  // events give it); false when it is not known.
  bool MousePosition(double& x, double& y) const;
  // A point in twips from the control's top-left corner, made twips from the
  // top-left corner of the window the control shows in (for a control on an
  // MDI child, the main window): where a toolbar control's menu pops up.
  void TwipsToWindow(double& x, double& y) const;

  Event<> Click;
  Event<> DblClick;
  Event<int16_t&, int16_t&, double&, double&> MouseDown;
  Event<int16_t&, int16_t&, double&, double&> MouseMove;
  Event<int16_t&, int16_t&, double&, double&> MouseUp;
  Event<int16_t&, int16_t&> KeyDown;
  Event<int16_t&> KeyPress;
  Event<int16_t&, int16_t&> KeyUp;
  Event<> GotFocus;
  Event<> LostFocus;
  Event<bool&> Validate;

  // Mouse positions: pixels from the control's top-left corner to the units of
  // its events: the scale of a control that holds others (a picture box, a user
  // control), twips otherwise.
  double PixelsToEventX(double x) const;
  double PixelsToEventY(double y) const;

  // For the Qt layer.
  VisualControlInternal& Internal() const { return *internal_; }
  // For the Qt layer: where the form's layout docked an aligned control.
  void Docked(double left, double top, double width, double height);
  // Takes over position, size, visibility aside, the look and the tag of another
  // control of the same kind: a new control array element starts this way.
  virtual void CopyFrom(const VisualControl& model);

 protected:
  VisualControl(Container& container, std::string name, int index);
  // Called by each kind once its widget exists.
  void Attach();
  // The container's units changed or the control moved: put the widget in place.
  virtual void Place();
  // Called after the size changed.
  virtual void Resized() {}

 private:
  template <class T>
  void SetFontPart(T SurfaceFont::*part, T value);
  void ApplyFont();
  void ApplyColours();

  Container& container_;
  std::unique_ptr<VisualControlInternal> internal_;
  double left_ = 0, top_ = 0, width_ = 1215, height_ = 375;
  bool visible_ = true;
  bool enabled_ = true;
  int align_ = 0;
  Colour backColor_;
  Colour foreColor_;
  SurfaceFont font_;
  std::string toolTip_;
  int mousePointer_ = 0;
  bool tabStop_ = true;
  bool causesValidation_ = true;
};

}  // namespace Platform
