#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gui/Colour.h"
#include "platform/gui/Picture.h"
#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

enum class SurfaceKind { Canvas, PictureBox, Printer };

// Units of a surface's scale (ScaleMode) and of ScaleX/ScaleY.
namespace ScaleModes {
inline constexpr int User = 0;  // set through ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight
inline constexpr int Twips = 1;
inline constexpr int Points = 2;
inline constexpr int Pixels = 3;    // device pixels: screen pixels, or the printer's dots
inline constexpr int Himetric = 8;  // hundredths of a millimetre (conversions only)
}  // namespace ScaleModes

namespace DrawStyles {
inline constexpr int Solid = 0;
inline constexpr int Dash = 1;
inline constexpr int Dot = 2;
inline constexpr int DashDot = 3;
inline constexpr int DashDotDot = 4;
inline constexpr int Transparent = 5;  // no outline
inline constexpr int InsideSolid = 6;  // solid, kept inside a box's edge
}  // namespace DrawStyles

namespace FillStyles {
inline constexpr int Solid = 0;
inline constexpr int Transparent = 1;
inline constexpr int HorizontalLine = 2;
inline constexpr int VerticalLine = 3;
inline constexpr int UpwardDiagonal = 4;
inline constexpr int DownwardDiagonal = 5;
inline constexpr int Cross = 6;
inline constexpr int DiagonalCross = 7;
}  // namespace FillStyles

// Raster operations of PaintPicture.
namespace RasterOps {
inline constexpr std::uint32_t SourceCopy = 0x00CC0020;
inline constexpr std::uint32_t SourceAnd = 0x008800C6;     // source AND destination
inline constexpr std::uint32_t SourcePaint = 0x00EE0086;   // source OR destination
inline constexpr std::uint32_t SourceInvert = 0x00660046;  // source XOR destination
}  // namespace RasterOps

// Flags of DrawText: horizontal and vertical alignment in the rectangle.
namespace TextFlags {
inline constexpr int Left = 0;
inline constexpr int Centre = 1;
inline constexpr int Right = 2;
inline constexpr int Top = 0;
inline constexpr int VerticalCentre = 4;  // single-line texts only
inline constexpr int Bottom = 8;          // single-line texts only
inline constexpr int WordBreak = 16;
inline constexpr int SingleLine = 32;
}  // namespace TextFlags

enum class LineShape { Line, Box, FilledBox };
enum class Edge { Raised, Sunken };

// The font of a surface. Size in points.
struct SurfaceFont {
  std::string Name = "MS Sans Serif";
  double Size = 8.25;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikethru = false;
  friend bool operator==(const SurfaceFont&, const SurfaceFont&) = default;
};

// The drawing target of every drawing routine: a canvas, a picture box or the
// printer. Coordinates and sizes are in the surface's scale units, with y growing
// downwards; DrawWidth is in device pixels; font sizes in points. Text is
// Windows-1252. The state (colours, styles, font, position, scale) lives here;
// the implementations draw.
class TAVRO_PLATFORM_GUI_API Surface {
 public:
  virtual ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  SurfaceKind Kind() const { return kind_; }
  // The classic type name the graph tests: "Printer" for the printer,
  // "PictureBox" for canvases and picture boxes.
  std::string TypeName() const;

  // --- Scale ---------------------------------------------------------------
  int ScaleMode() const { return scaleMode_; }
  // 1, 2 or 3 take that unit with the origin at the top-left corner; 0 keeps the
  // scale in effect as the user scale. Other values raise error 380.
  void SetScaleMode(int mode);
  double ScaleLeft() const;
  double ScaleTop() const;
  double ScaleWidth() const;
  double ScaleHeight() const;
  // Each of these makes the scale a user scale (ScaleMode 0).
  void SetScaleLeft(double value);
  void SetScaleTop(double value);
  void SetScaleWidth(double value);   // 0 raises error 380
  void SetScaleHeight(double value);  // 0 raises error 380
  // User scale with (x1, y1) at the top-left and (x2, y2) at the bottom-right corner.
  void Scale(double x1, double y1, double x2, double y2);
  // A width (height) converted between two scale modes; mode 0 is this surface's
  // user scale.
  double ScaleX(double width, int fromMode, int toMode) const;
  double ScaleY(double height, int fromMode, int toMode) const;

  // --- Current position ----------------------------------------------------
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void SetCurrentX(double x) { currentX_ = x; }
  void SetCurrentY(double y) { currentY_ = y; }

  // --- Text ----------------------------------------------------------------
  // Lines are separated by CR LF (a lone CR or LF also ends a line). Width: the
  // widest line; height: number of lines times the line height ("" is one line).
  double TextWidth(std::string_view text);
  double TextHeight(std::string_view text);
  // Prints at the current position in ForeColor on a transparent background, the
  // text cell's top-left corner at the position. Further lines of a text with line
  // breaks start at the left edge. Print stays on the line: CurrentX moves past
  // the text. PrintLine ends the line: CurrentX goes to the left edge and CurrentY
  // down by the text's height.
  void Print(std::string_view text);
  void PrintLine(std::string_view text);
  // Text in the rectangle (x1, y1)-(x2, y2), aligned by TextFlags, in the current
  // font and ForeColor, transparent background, clipped to the rectangle. The
  // current position does not move.
  void DrawText(std::string_view text, double x1, double y1, double x2, double y2, int flags);
  // Text turned counter-clockwise by angle tenths of a degree about the top-left
  // corner of the unturned text, which lies at (x, y). Current font and ForeColor;
  // the current position does not move.
  void DrawRotatedText(std::string_view text, int angleTenths, double x, double y);

  // --- Shapes --------------------------------------------------------------
  // A line from (x1, y1) to (x2, y2), or the box with those corners: an outline
  // box's interior follows FillStyle and FillColor; a filled box is solid in the
  // line colour whatever the FillStyle. Without a colour the ForeColor draws.
  // Outline in DrawStyle and DrawWidth. Afterwards the current position is (x2, y2).
  void Line(double x1, double y1, double x2, double y2);
  void Line(double x1, double y1, double x2, double y2, Colour colour,
            LineShape shape = LineShape::Line);
  void Line(double x1, double y1, double x2, double y2, LineShape shape);
  // From the current position to (x2, y2).
  void LineTo(double x2, double y2);
  void LineTo(double x2, double y2, Colour colour, LineShape shape = LineShape::Line);
  // A circle round (x, y) in the line colour (ForeColor without a colour); its
  // interior follows FillStyle and FillColor; the radius is in horizontal scale
  // units. Afterwards the current position is the centre.
  void Circle(double x, double y, double radius);
  void Circle(double x, double y, double radius, Colour colour);
  // Fills the surface with BackColor (a picture box shows its Picture again) and
  // moves the current position to the top-left corner.
  void Cls();
  // The pixel's colour (0x00bbggrr), -1 outside the surface or where it cannot be
  // read (the printer).
  std::int32_t Point(double x, double y);
  // Sets the pixel (a dot DrawWidth wide) in ForeColor or the colour given; the
  // current position moves there.
  void PSet(double x, double y);
  void PSet(double x, double y, Colour colour);
  // Raised or sunken 3-D edge, two pixels wide, inside the rectangle, in the
  // system's 3-D colours.
  void DrawEdge(double x1, double y1, double x2, double y2, Edge edge);

  // --- Pictures ------------------------------------------------------------
  // The picture at (x, y), at its own size; disabled draws it embossed in the
  // system's 3-D colours, as a disabled icon looks.
  void DrawPicture(const Picture& picture, double x, double y, bool disabled = false);
  // The picture's part (srcX, srcY, srcWidth, srcHeight; in picture pixels; a
  // width or height below 0 means the rest of the picture) painted into the
  // rectangle (x, y, width, height) (below 0: the picture's own size in scale
  // units), scaled to fit, with a raster operation of RasterOps.
  void PaintPicture(const Picture& picture, double x, double y, double width = -1,
                    double height = -1, double srcX = 0, double srcY = 0, double srcWidth = -1,
                    double srcHeight = -1, std::uint32_t rasterOp = RasterOps::SourceCopy);
  // What the surface shows behind the drawing, and what has been drawn. The
  // printer has neither: these raise error 438 there. Setting the picture
  // replaces what was drawn with BackColor and the picture.
  virtual Picture GetPicture();
  virtual void SetPicture(const Picture& picture);
  virtual Picture Image();

  // --- State ---------------------------------------------------------------
  Colour ForeColor() const { return foreColor_; }
  void SetForeColor(Colour colour) { foreColor_ = colour; }
  Colour BackColor() const { return backColor_; }
  // On a canvas or picture box this also clears the drawing, as Cls does.
  void SetBackColor(Colour colour);
  Colour FillColor() const { return fillColor_; }
  void SetFillColor(Colour colour) { fillColor_ = colour; }
  int DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(int style);  // 0 to 6, else error 380
  int DrawWidth() const { return drawWidth_; }
  void SetDrawWidth(int width);  // 1 to 32767, else error 380
  int FillStyle() const { return fillStyle_; }
  void SetFillStyle(int style);  // 0 to 7, else error 380

  const SurfaceFont& Font() const { return font_; }
  const std::string& FontName() const { return font_.Name; }
  // False, keeping the old name, when the surface knows no font of that name.
  bool SetFontName(std::string_view name);
  double FontSize() const { return font_.Size; }
  void SetFontSize(double points);  // above 0 and up to 2160, else error 380
  bool FontBold() const { return font_.Bold; }
  void SetFontBold(bool on);
  bool FontItalic() const { return font_.Italic; }
  void SetFontItalic(bool on);
  bool FontUnderline() const { return font_.Underline; }
  void SetFontUnderline(bool on);
  bool FontStrikethru() const { return font_.Strikethru; }
  void SetFontStrikethru(bool on);

 protected:
  explicit Surface(SurfaceKind kind);

  // The device: size in device pixels and resolution in pixels per inch.
  virtual double DeviceWidth() const = 0;
  virtual double DeviceHeight() const = 0;
  virtual double DeviceDpi() const = 0;

  // Scale units to device pixels and back.
  double ToDeviceX(double x) const;
  double ToDeviceY(double y) const;
  double ToDeviceWidth(double width) const;
  double ToDeviceHeight(double height) const;
  double FromDeviceWidth(double width) const;
  double FromDeviceHeight(double height) const;

  // Measures in scale units: one line's width, and the line height.
  virtual double MeasureLine(std::string_view line) = 0;
  virtual double LineHeight() = 0;
  virtual bool KnowsFont(std::string_view name) const = 0;
  virtual void FontChanged() {}
  virtual void BackColourChanged() {}

  // The drawing itself, in scale units; the public members keep the state and
  // the current position. DoPrint draws a whole text that may hold several lines.
  virtual void DoPrint(std::string_view text, bool endLine, double x, double y);
  // Print asks before each further line at y whether it fits on the page; a
  // surface with pages (the printer) says no at the bottom of a page, and Print
  // then draws what it has and starts the next page.
  virtual bool LineFits(double /*y*/, double /*lineHeight*/) { return true; }
  virtual void StartNextPage() {}
  // Where a printed line ends when it starts at x: each TAB moves on to the
  // next print zone (14 columns of the width of "0", from the left edge).
  // Draw, when given, gets each piece between TABs at its place.
  double PrintedLineEnd(std::string_view line, double x,
                        void (*draw)(Surface&, std::string_view, double, double) = nullptr,
                        double y = 0);
  virtual void DoTextLine(std::string_view line, double x, double y) = 0;
  virtual void DoDrawText(std::string_view text, double x1, double y1, double x2, double y2,
                          int flags) = 0;
  virtual void DoRotatedText(std::string_view text, int angleTenths, double x, double y) = 0;
  virtual void DoLine(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
                      LineShape shape) = 0;
  virtual void DoCircle(double x, double y, double radius, std::optional<Colour> colour) = 0;
  virtual void DoCls() = 0;
  virtual std::int32_t DoPoint(double x, double y) = 0;
  virtual void DoPSet(double x, double y, Colour colour) = 0;
  virtual void DoEdge(double x1, double y1, double x2, double y2, Edge edge) = 0;
  virtual void DoDrawPicture(const Picture& picture, double x, double y, bool disabled) = 0;
  virtual void DoPaintPicture(const Picture& picture, double x, double y, double width,
                              double height, double srcX, double srcY, double srcWidth,
                              double srcHeight, std::uint32_t rasterOp) = 0;

  [[noreturn]] static void NotSupported();

 private:
  void PrintText(std::string_view text, bool endLine);
  void SetFontPart(bool SurfaceFont::*part, bool on);

  SurfaceKind kind_;
  int scaleMode_ = ScaleModes::Pixels;
  double userLeft_ = 0, userTop_ = 0, userWidth_ = 1, userHeight_ = 1;
  double currentX_ = 0, currentY_ = 0;
  Colour foreColor_ = SystemColour(SystemColours::ButtonText);
  Colour backColor_ = SystemColour(SystemColours::ButtonFace);
  Colour fillColor_ = 0;
  int drawStyle_ = DrawStyles::Solid;
  int drawWidth_ = 1;
  int fillStyle_ = FillStyles::Transparent;
  SurfaceFont font_;
};

}  // namespace Platform
