#pragma once

#include <memory>
#include <string>

#include "platform/Event.h"
#include "platform/gui/Container.h"
#include "platform/gui/ImageSurface.h"
#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A box to draw in and to hold other controls. What is drawn persists like an
// off-screen picture and shows again whenever the box is uncovered. Drawing,
// the scale (pixels until changed), the font and colours of the drawing, and
// the picture behind it are the box's Drawing(). The mouse events give the
// pointer in that scale; the controls inside are placed in it too.
class TAVRO_PLATFORM_GUI_API PictureBox : public VisualControl, public Container {
 public:
  PictureBox(Container& container, std::string name, int index = -1);
  ~PictureBox() override;

  ImageSurface& Drawing() const { return *surface_; }

  const Picture& GetPicture() const { return picture_; }
  // The picture shown behind the drawing (which it replaces); with AutoSize the
  // box takes the picture's size.
  void SetPicture(const Picture& picture);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  // 0 none, 1 a border (the default).
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int style);
  // 0 flat, 1 sunken 3-D (the default).
  int Appearance() const { return appearance_; }
  void SetAppearance(int appearance);

  // The drawing's background and pen (the same as Drawing()'s).
  void SetBackColor(Colour colour) override;
  void SetForeColor(Colour colour) override;
  void SetFont(const SurfaceFont& font) override;

  // Raised when the box's size changed.
  Event<> Resize;

  Form& ParentForm() override { return Parent(); }
  ControlScope& Scope() override { return Control::Scope(); }
  double UnitsToPixelsX(double x) const override;
  double UnitsToPixelsY(double y) const override;
  double PixelsToUnitsX(double x) const override;
  double PixelsToUnitsY(double y) const override;

  void CopyFrom(const VisualControl& model) override;

 protected:
  void Resized() override;

 private:
  int Border() const;
  void ShowBorder();

  std::unique_ptr<ImageSurface> surface_;
  Picture picture_;
  bool autoSize_ = false;
  int borderStyle_ = 1;
  int appearance_ = 1;
};

}  // namespace Platform
