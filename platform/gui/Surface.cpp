#include "platform/gui/Surface.h"

#include <algorithm>
#include <cmath>

#include "platform/gui/SurfaceText.h"
#include "runtime/Error.h"

namespace Platform {

namespace {

constexpr int InvalidPicture = 481;

// Units of a scale mode in one inch; 0 for the user scale.
double UnitsPerInch(int mode, double deviceDpi) {
  switch (mode) {
    case ScaleModes::Twips: return 1440.0;
    case ScaleModes::Points: return 72.0;
    case ScaleModes::Pixels: return deviceDpi;
    case ScaleModes::Himetric: return 2540.0;
    default: return 0.0;
  }
}

void RaiseInvalidValue();

// Device pixels in one unit of a scale mode; the user scale is the scale in effect.
double PixelsPerUnit(int mode, double dpi, double userPixels) {
  if (mode == ScaleModes::User) return userPixels;
  const double units = UnitsPerInch(mode, dpi);
  if (units == 0) RaiseInvalidValue();
  return dpi / units;
}

void RaiseInvalidValue() {
  Runtime::Raise(Runtime::ErrorNumber::InvalidPropertyValue);
}

}  // namespace

Surface::Surface(SurfaceKind kind) : kind_(kind) {}
Surface::~Surface() = default;

std::string Surface::TypeName() const {
  return kind_ == SurfaceKind::Printer ? "Printer" : "PictureBox";
}

void Surface::NotSupported() {
  Runtime::Raise(Runtime::ErrorNumber::ObjectDoesNotSupport);
}

// --- Scale -------------------------------------------------------------------

void Surface::SetScaleMode(int mode) {
  if (mode == ScaleModes::User) {
    userLeft_ = ScaleLeft();
    userTop_ = ScaleTop();
    userWidth_ = ScaleWidth();
    userHeight_ = ScaleHeight();
  } else if (mode != ScaleModes::Twips && mode != ScaleModes::Points &&
             mode != ScaleModes::Pixels) {
    RaiseInvalidValue();
  }
  scaleMode_ = mode;
}

double Surface::ScaleLeft() const {
  return scaleMode_ == ScaleModes::User ? userLeft_ : 0.0;
}
double Surface::ScaleTop() const {
  return scaleMode_ == ScaleModes::User ? userTop_ : 0.0;
}

double Surface::ScaleWidth() const {
  if (scaleMode_ == ScaleModes::User) return userWidth_;
  return DeviceWidth() * UnitsPerInch(scaleMode_, DeviceDpi()) / DeviceDpi();
}

double Surface::ScaleHeight() const {
  if (scaleMode_ == ScaleModes::User) return userHeight_;
  return DeviceHeight() * UnitsPerInch(scaleMode_, DeviceDpi()) / DeviceDpi();
}

void Surface::SetScaleLeft(double value) {
  SetScaleMode(ScaleModes::User);
  userLeft_ = value;
}

void Surface::SetScaleTop(double value) {
  SetScaleMode(ScaleModes::User);
  userTop_ = value;
}

void Surface::SetScaleWidth(double value) {
  if (value == 0) RaiseInvalidValue();
  SetScaleMode(ScaleModes::User);
  userWidth_ = value;
}

void Surface::SetScaleHeight(double value) {
  if (value == 0) RaiseInvalidValue();
  SetScaleMode(ScaleModes::User);
  userHeight_ = value;
}

void Surface::Scale(double x1, double y1, double x2, double y2) {
  if (x1 == x2 || y1 == y2) RaiseInvalidValue();
  scaleMode_ = ScaleModes::User;
  userLeft_ = x1;
  userTop_ = y1;
  userWidth_ = x2 - x1;
  userHeight_ = y2 - y1;
}

double Surface::ScaleX(double width, int fromMode, int toMode) const {
  const double userPixels = DeviceWidth() / ScaleWidth();
  return width * PixelsPerUnit(fromMode, DeviceDpi(), userPixels) /
         PixelsPerUnit(toMode, DeviceDpi(), userPixels);
}

double Surface::ScaleY(double height, int fromMode, int toMode) const {
  const double userPixels = DeviceHeight() / ScaleHeight();
  return height * PixelsPerUnit(fromMode, DeviceDpi(), userPixels) /
         PixelsPerUnit(toMode, DeviceDpi(), userPixels);
}

double Surface::ToDeviceX(double x) const {
  return ToDeviceWidth(x - ScaleLeft());
}
double Surface::ToDeviceY(double y) const {
  return ToDeviceHeight(y - ScaleTop());
}

double Surface::ToDeviceWidth(double width) const {
  if (scaleMode_ == ScaleModes::Pixels) return width;
  return width * DeviceWidth() / ScaleWidth();
}

double Surface::ToDeviceHeight(double height) const {
  if (scaleMode_ == ScaleModes::Pixels) return height;
  return height * DeviceHeight() / ScaleHeight();
}

double Surface::FromDeviceWidth(double width) const {
  if (scaleMode_ == ScaleModes::Pixels) return width;
  return width * ScaleWidth() / DeviceWidth();
}

double Surface::FromDeviceHeight(double height) const {
  if (scaleMode_ == ScaleModes::Pixels) return height;
  return height * ScaleHeight() / DeviceHeight();
}

// --- Text --------------------------------------------------------------------

double Surface::TextWidth(std::string_view text) {
  double widest = 0;
  ForEachTextLine(
      text, [&](std::string_view line, int) { widest = std::max(widest, MeasureLine(line)); });
  return widest;
}

double Surface::TextHeight(std::string_view text) {
  return CountTextLines(text) * LineHeight();
}

void Surface::Print(std::string_view text) {
  PrintText(text, false);
}
void Surface::PrintLine(std::string_view text) {
  PrintText(text, true);
}

void Surface::PrintText(std::string_view text, bool endLine) {
  const double lineHeight = LineHeight();
  const double left = ScaleLeft();
  // The text goes to DoPrint in runs of lines that share a page.
  size_t runStart = 0;
  double runX = currentX_, runY = currentY_;
  double lineX = currentX_, lineY = currentY_;
  std::string_view last;
  ForEachTextLine(text, [&](std::string_view line, int index) {
    const auto offset = static_cast<size_t>(line.data() - text.data());
    if (index > 0) {
      lineX = left;
      lineY += lineHeight;
      if (!LineFits(lineY, lineHeight)) {
        DoPrint(text.substr(runStart, offset - runStart), true, runX, runY);
        StartNextPage();
        runStart = offset;
        runX = left;
        runY = lineY = ScaleTop();
      }
    }
    last = line;
  });
  DoPrint(text.substr(runStart), endLine, runX, runY);
  if (endLine) {
    currentX_ = left;
    currentY_ = lineY + lineHeight;
  } else {
    currentX_ = PrintedLineEnd(last, lineX);
    currentY_ = lineY;
  }
}

double Surface::PrintedLineEnd(std::string_view line, double x,
                               void (*draw)(Surface&, std::string_view, double, double), double y) {
  double zone = 0;
  for (;;) {
    const size_t tab = line.find('\t');
    const std::string_view piece = line.substr(0, tab);
    if (draw != nullptr && !piece.empty()) draw(*this, piece, x, y);
    x += MeasureLine(piece);
    if (tab == std::string_view::npos) return x;
    if (zone <= 0) zone = std::max(14 * MeasureLine("0"), 1e-9);
    const double left = ScaleLeft();
    x = left + (std::floor((x - left) / zone + 1e-9) + 1) * zone;
    line.remove_prefix(tab + 1);
  }
}

void Surface::DoPrint(std::string_view text, bool, double x, double y) {
  const double lineHeight = LineHeight();
  const double left = ScaleLeft();
  ForEachTextLine(text, [&](std::string_view line, int index) {
    if (line.empty()) return;
    PrintedLineEnd(
        line, index == 0 ? x : left,
        [](Surface& surface, std::string_view piece, double at, double top) {
          surface.DoTextLine(piece, at, top);
        },
        y + index * lineHeight);
  });
}

void Surface::DrawText(std::string_view text, double x1, double y1, double x2, double y2,
                       int flags) {
  DoDrawText(text, x1, y1, x2, y2, flags);
}

void Surface::DrawRotatedText(std::string_view text, int angleTenths, double x, double y) {
  DoRotatedText(text, angleTenths, x, y);
}

// --- Shapes ------------------------------------------------------------------

void Surface::Line(double x1, double y1, double x2, double y2) {
  Line(x1, y1, x2, y2, LineShape::Line);
}

void Surface::Line(double x1, double y1, double x2, double y2, LineShape shape) {
  DoLine(x1, y1, x2, y2, std::nullopt, shape);
  currentX_ = x2;
  currentY_ = y2;
}

void Surface::Line(double x1, double y1, double x2, double y2, Colour colour, LineShape shape) {
  DoLine(x1, y1, x2, y2, colour, shape);
  currentX_ = x2;
  currentY_ = y2;
}

void Surface::LineTo(double x2, double y2) {
  Line(currentX_, currentY_, x2, y2);
}

void Surface::LineTo(double x2, double y2, Colour colour, LineShape shape) {
  Line(currentX_, currentY_, x2, y2, colour, shape);
}

void Surface::Circle(double x, double y, double radius) {
  DoCircle(x, y, radius, std::nullopt);
  currentX_ = x;
  currentY_ = y;
}

void Surface::Circle(double x, double y, double radius, Colour colour) {
  DoCircle(x, y, radius, colour);
  currentX_ = x;
  currentY_ = y;
}

void Surface::Cls() {
  DoCls();
  currentX_ = ScaleLeft();
  currentY_ = ScaleTop();
}

std::int32_t Surface::Point(double x, double y) {
  return DoPoint(x, y);
}

void Surface::PSet(double x, double y) {
  PSet(x, y, foreColor_);
}

void Surface::PSet(double x, double y, Colour colour) {
  DoPSet(x, y, colour);
  currentX_ = x;
  currentY_ = y;
}

void Surface::DrawEdge(double x1, double y1, double x2, double y2, Edge edge) {
  DoEdge(x1, y1, x2, y2, edge);
}

// --- Pictures ----------------------------------------------------------------

void Surface::DrawPicture(const Picture& picture, double x, double y, bool disabled) {
  if (!picture.IsEmpty()) DoDrawPicture(picture, x, y, disabled);
}

void Surface::PaintPicture(const Picture& picture, double x, double y, double width, double height,
                           double srcX, double srcY, double srcWidth, double srcHeight,
                           std::uint32_t rasterOp) {
  if (picture.IsEmpty()) Runtime::Raise(InvalidPicture);
  if (srcWidth < 0) srcWidth = picture.Width() - srcX;
  if (srcHeight < 0) srcHeight = picture.Height() - srcY;
  // A picture's own size is its size on a screen, so it prints as large as it shows.
  const double twipsPerPicturePixel = 15.0;
  if (width < 0) width = ScaleX(srcWidth * twipsPerPicturePixel, ScaleModes::Twips, scaleMode_);
  if (height < 0) {
    height = ScaleY(srcHeight * twipsPerPicturePixel, ScaleModes::Twips, scaleMode_);
  }
  DoPaintPicture(picture, x, y, width, height, srcX, srcY, srcWidth, srcHeight, rasterOp);
}

Picture Surface::GetPicture() {
  NotSupported();
}
void Surface::SetPicture(const Picture&) {
  NotSupported();
}
Picture Surface::Image() {
  NotSupported();
}

// --- State -------------------------------------------------------------------

void Surface::SetBackColor(Colour colour) {
  backColor_ = colour;
  BackColourChanged();
}

void Surface::SetDrawStyle(int style) {
  if (style < DrawStyles::Solid || style > DrawStyles::InsideSolid) RaiseInvalidValue();
  drawStyle_ = style;
}

void Surface::SetDrawWidth(int width) {
  if (width < 1 || width > 32767) RaiseInvalidValue();
  drawWidth_ = width;
}

void Surface::SetFillStyle(int style) {
  if (style < FillStyles::Solid || style > FillStyles::DiagonalCross) RaiseInvalidValue();
  fillStyle_ = style;
}

bool Surface::SetFontName(std::string_view name) {
  if (!KnowsFont(name)) return false;
  font_.Name = std::string(name);
  FontChanged();
  return true;
}

void Surface::SetFontSize(double points) {
  if (!(points > 0 && points <= 2160)) RaiseInvalidValue();
  font_.Size = points;
  FontChanged();
}

void Surface::SetFontPart(bool SurfaceFont::*part, bool on) {
  if (font_.*part == on) return;
  font_.*part = on;
  FontChanged();
}

void Surface::SetFontBold(bool on) {
  SetFontPart(&SurfaceFont::Bold, on);
}
void Surface::SetFontItalic(bool on) {
  SetFontPart(&SurfaceFont::Italic, on);
}
void Surface::SetFontUnderline(bool on) {
  SetFontPart(&SurfaceFont::Underline, on);
}
void Surface::SetFontStrikethru(bool on) {
  SetFontPart(&SurfaceFont::Strikethru, on);
}

}  // namespace Platform
