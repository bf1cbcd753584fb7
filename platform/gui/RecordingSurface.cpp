#include "platform/gui/RecordingSurface.h"

#include <cmath>
#include <cstdio>

#include "platform/gui/FontTable.h"
#include "runtime/CaseFold.h"

namespace Platform {

namespace {

std::string Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

std::string Hex(Colour colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "&H%06X", static_cast<unsigned>(colour));
  return buffer;
}

std::string FontText(const SurfaceFont& font) {
  std::string text = font.Name + "," + Number(font.Size);
  if (font.Bold) text += ",bold";
  if (font.Italic) text += ",italic";
  if (font.Underline) text += ",underline";
  if (font.Strikethru) text += ",strikethru";
  return text;
}

bool IsTextCall(const std::string& call) {
  return call == "Print" || call == "PrintLine" || call == "DrawText" || call == "RotatedText";
}

}  // namespace

std::string SurfaceRecord::ToString() const {
  std::string line = Call + "(";
  for (std::size_t i = 0; i < Args.size(); ++i) line += (i ? " " : "") + Number(Args[i]);
  line += ")";
  if (!Text.empty() || IsTextCall(Call)) line += " \"" + Text + "\"";
  if (ColourArg) line += " colour=" + Hex(*ColourArg);
  if (IsTextCall(Call)) {
    line += " fore=" + Hex(ForeColor) + " font=" + FontText(Font);
  } else if (Call == "Line" || Call == "Box" || Call == "FilledBox" || Call == "Circle") {
    line += " fore=" + Hex(ForeColor) + " drawStyle=" + Number(DrawStyle) +
            " drawWidth=" + Number(DrawWidth);
    if (Call != "Line" && Call != "FilledBox") {
      line += " fill=" + Hex(FillColor) + " fillStyle=" + Number(FillStyle);
    }
  }
  return line;
}

RecordingSurface::RecordingSurface(double width, double height, SurfaceKind kind)
    : Surface(kind), width_(width), height_(height) {}
RecordingSurface::~RecordingSurface() = default;

std::vector<SurfaceRecord> RecordingSurface::RecordsOf(std::string_view call) const {
  std::vector<SurfaceRecord> found;
  for (const auto& record : records_) {
    if (record.Call == call) found.push_back(record);
  }
  return found;
}

std::string RecordingSurface::Log() const {
  std::string log;
  for (const auto& record : records_) log += record.ToString() + "\n";
  return log;
}

void RecordingSurface::AddFont(std::string_view name) {
  extraFonts_.emplace_back(name);
}

void RecordingSurface::Resize(double width, double height) {
  width_ = width;
  height_ = height;
}

void RecordingSurface::Record(std::string call, std::vector<double> args, std::string_view text,
                              std::optional<Colour> colour) {
  SurfaceRecord record;
  record.Call = std::move(call);
  record.Args = std::move(args);
  record.Text = std::string(text);
  record.ColourArg = colour;
  record.ForeColor = ForeColor();
  record.FillColor = FillColor();
  record.FillStyle = FillStyle();
  record.DrawStyle = DrawStyle();
  record.DrawWidth = DrawWidth();
  record.Font = Font();
  records_.push_back(std::move(record));
}

double RecordingSurface::MeasureLine(std::string_view line) {
  return CharWidth * static_cast<double>(line.size());
}

bool RecordingSurface::KnowsFont(std::string_view name) const {
  if (FindFontSubstitution(name) != nullptr) return true;
  for (const auto& sub : FontSubstitutions()) {
    if (Runtime::EqualsNoCase(sub.Family, name)) return true;
  }
  for (const auto& extra : extraFonts_) {
    if (Runtime::EqualsNoCase(extra, name)) return true;
  }
  return false;
}

void RecordingSurface::DoPrint(std::string_view text, bool endLine, double x, double y) {
  Record(endLine ? "PrintLine" : "Print", {x, y}, text);
}

void RecordingSurface::DoDrawText(std::string_view text, double x1, double y1, double x2, double y2,
                                  int flags) {
  Record("DrawText", {x1, y1, x2, y2, static_cast<double>(flags)}, text);
}

void RecordingSurface::DoRotatedText(std::string_view text, int angleTenths, double x, double y) {
  Record("RotatedText", {static_cast<double>(angleTenths), x, y}, text);
}

void RecordingSurface::DoLine(double x1, double y1, double x2, double y2,
                              std::optional<Colour> colour, LineShape shape) {
  const char* call = shape == LineShape::Line  ? "Line"
                     : shape == LineShape::Box ? "Box"
                                               : "FilledBox";
  Record(call, {x1, y1, x2, y2}, {}, colour);
}

void RecordingSurface::DoCircle(double x, double y, double radius, std::optional<Colour> colour) {
  Record("Circle", {x, y, radius}, {}, colour);
}

void RecordingSurface::DoCls() {
  pixels_.clear();
  Record("Cls", {});
}

std::int32_t RecordingSurface::DoPoint(double x, double y) {
  if (Kind() == SurfaceKind::Printer) return -1;
  const auto found = pixels_.find({std::lround(std::floor(x)), std::lround(std::floor(y))});
  return found == pixels_.end() ? static_cast<std::int32_t>(ToRgb(BackColor()))
                                : static_cast<std::int32_t>(ToRgb(found->second));
}

void RecordingSurface::DoPSet(double x, double y, Colour colour) {
  pixels_[{std::lround(std::floor(x)), std::lround(std::floor(y))}] = colour;
  Record("PSet", {x, y}, {}, colour);
}

void RecordingSurface::DoEdge(double x1, double y1, double x2, double y2, Edge edge) {
  Record("Edge", {x1, y1, x2, y2, edge == Edge::Raised ? 0.0 : 1.0});
}

void RecordingSurface::DoDrawPicture(const Picture& picture, double x, double y, bool disabled) {
  Record("DrawPicture", {x, y, static_cast<double>(picture.Width()),
                         static_cast<double>(picture.Height()), disabled ? 1.0 : 0.0});
}

void RecordingSurface::DoPaintPicture(const Picture&, double x, double y, double width,
                                      double height, double srcX, double srcY, double srcWidth,
                                      double srcHeight, std::uint32_t rasterOp) {
  Record("PaintPicture",
         {x, y, width, height, srcX, srcY, srcWidth, srcHeight, static_cast<double>(rasterOp)});
}

Picture RecordingSurface::GetPicture() {
  if (Kind() == SurfaceKind::Printer) NotSupported();
  return shown_;
}

void RecordingSurface::SetPicture(const Picture& picture) {
  if (Kind() == SurfaceKind::Printer) NotSupported();
  shown_ = picture;
  pixels_.clear();
  Record("SetPicture",
         {static_cast<double>(picture.Width()), static_cast<double>(picture.Height())});
}

Picture RecordingSurface::Image() {
  if (Kind() == SurfaceKind::Printer) NotSupported();
  return shown_;
}

}  // namespace Platform
