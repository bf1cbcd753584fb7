// Sections (lines and bands over the plot area, with their captions) and the
// logo.

#include <string>
#include <utility>

#include "graph/model/GraphRegion.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"
#include "graph/render/GraphLogo.h"
#include "graph/render/GraphPicture.h"
#include "runtime/Conversions.h"

namespace Dravex {

namespace {

// A coordinate the section gives: a number. Anything else (no text, or the
// Null a section starts with) leaves that side to the plot area.
bool Given(const Runtime::Variant& coordinate, float& value) {
  if (!coordinate.IsNumber()) return false;
  value = Runtime::CSng(coordinate);
  return true;
}

bool Has(int32_t position, TitlePositionType bit) {
  return (position & static_cast<int32_t>(bit)) != 0;
}

}  // namespace

GraphPicture::~GraphPicture() = default;

void Graph::DrawSections(SectionFloatType layer) {
  if (layer == SectionFloatType::Front && preferenceDisplayFlag_) {
    // What the host puts into the names is not used.
    bool loadPreference = true;
    std::string appname, sectionName, chartName;
    Raise(PreferenceDisplay, loadPreference, appname, sectionName, chartName);
  }
  Platform::Surface& surface = DrawingSurface();
  const auto sections = Sections();
  const GraphCoordinates at = Coordinates();
  const GraphRegion& plot = *Regions()->Item("Graph");

  // Nothing is clipped: the borders drawn afterwards cover what falls
  // outside the plot area.
  for (int32_t k = 1; k <= sections->Count(); ++k) {
    const auto section = sections->Item(Runtime::Variant(k));
    if (!section->Visible()) continue;
    const int axis = static_cast<int>(section->WhichAxis());
    float value = 0;
    GraphRegion r;
    r.X1(Given(section->X1(), value) ? at.X(value) : plot.X1());
    r.X2(Given(section->X2(), value) ? at.X(value) : plot.X2());
    r.Y1(Given(section->Y1(), value) ? at.Y(value, axis) : plot.Y1());
    r.Y2(Given(section->Y2(), value) ? at.Y(value, axis) : plot.Y2());
    const bool area = section->SectionDisplay() == SectionDisplayType::SectionArea;
    if (area) {
      if (r.X1() > r.X2()) {
        const float x1 = r.X1();
        r.X1(r.X2());
        r.X2(x1);
      }
      if (r.Y1() > r.Y2()) {
        const float y1 = r.Y1();
        r.Y1(r.Y2());
        r.Y2(y1);
      }
    }
    if (section->Float() == layer) {
      SetShapeStyle(*section);
      surface.Line(r.X1(), r.Y1(), r.X2(), r.Y2(),
                   area ? Platform::LineShape::FilledBox : Platform::LineShape::Line);
    }
    if (layer == SectionFloatType::Front) DrawSectionCaption(*section, r);
  }
  surface.SetDrawStyle(Platform::DrawStyles::Solid);
}

void Graph::DrawSectionCaption(const GraphSection& section, const GraphRegion& r) {
  Platform::Surface& surface = DrawingSurface();
  const auto title = section.Title();
  SetDrawFont(*title);
  const std::string& text = title->Text();
  const auto* graphic = dynamic_cast<const GraphPicture*>(title->Graphic().get());
  double w = 0;
  double h = 0;
  if (graphic != nullptr) {
    // A picture's pixels are the screen's, whatever the surface's units.
    constexpr double TwipsPerPixel = 15;
    const Platform::Picture& picture = graphic->Picture();
    w = surface.ScaleX(picture.Width() * TwipsPerPixel, Platform::ScaleModes::Twips,
                       surface.ScaleMode());
    h = surface.ScaleY(picture.Height() * TwipsPerPixel, Platform::ScaleModes::Twips,
                       surface.ScaleMode());
  } else {
    w = surface.TextWidth(text);
    h = surface.TextHeight(text);
  }
  if (section.TitleOrientation() != LabelOrientaionType::LabelHorizontal) return;

  const int32_t position = section.TitlePosition();
  const double blank = surface.TextWidth(" ");
  double x = 0;
  double y = 0;
  if (Has(position, TitlePositionType::HorizontalLeft)) {
    x = r.X1() + blank;
  } else if (Has(position, TitlePositionType::HorizontalCentre)) {
    x = (r.X2() - r.X1() - w) / 2 + r.X1();
  } else {
    x = r.X2() - blank - w;
  }
  if (Has(position, TitlePositionType::VerticalTop)) {
    y = r.Y1();
  } else if (Has(position, TitlePositionType::VerticalMiddle)) {
    y = (r.Y2() - r.Y1() - h) / 2 + r.Y1();
  } else {
    y = r.Y2() - h;
  }
  if (Has(position, TitlePositionType::Outside)) {
    if (Has(position, TitlePositionType::VerticalTop)) {
      y = r.Y1() - h;
    } else if (!Has(position, TitlePositionType::VerticalMiddle)) {
      y = r.Y2();
    } else if (Has(position, TitlePositionType::HorizontalLeft)) {
      x = r.X1() - blank - w;
    } else if (Has(position, TitlePositionType::HorizontalRight)) {
      x = r.X2() + blank;
    }
  }
  surface.SetCurrentX(x);
  surface.SetCurrentY(y);
  if (graphic != nullptr) {
    surface.PaintPicture(graphic->Picture(), x, y, w, h, 0, 0, -1, -1,
                         Platform::RasterOps::SourceAnd);
  } else {
    surface.PrintLine(text);
  }
}

void Graph::DrawLogo() {
  Platform::Surface& surface = DrawingSurface();
  // Only the control's own canvas carries the logo; a print or a host's
  // picture does not.
  if (&surface != Canvas().Surface().get()) return;
  const GraphRegion& legend = *Regions()->Item("Legend");
  constexpr double LogoWidth = 308;
  constexpr double LogoHeight = 218;
  double width = legend.X2() - legend.X1();
  double height = width / LogoWidth * LogoHeight;
  double top = legend.Y2() - height;
  // It sits at the legend's foot, as wide as the legend, and shrinks rather
  // than cover the entries.
  const double entriesEnd =
      legend.Y1() + surface.TextHeight(" ") * Series()->Count() + 2 * spacingUnit_;
  if (entriesEnd > top) {
    top = entriesEnd;
    height = legend.Y2() - top;
    width = height / LogoHeight * LogoWidth;
  }
  if (height > 1) {
    surface.PaintPicture(GraphLogo::Picture(surroundColour_), legend.X1(), top, width, height);
  }
}

}  // namespace Dravex
