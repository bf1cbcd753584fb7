// The Graph control's handlers of the person's mouse, keys, scroll bar and
// tools: the rubber-band selection, the value tip, the selection cursor and
// the "Graphs" menu.
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "graph/model/GraphRegion.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphXAxisLabel.h"
#include "graph/model/ObjectAccess.h"
#include "graph/render/Graph.h"
#include "platform/gui/Application.h"
#include "platform/gui/Tool.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"

namespace Dravex {

namespace {

constexpr int16_t LeftButton = 1;
constexpr int16_t RightButton = 2;
constexpr int16_t ShiftMask = 1;
constexpr int16_t KeyEnter = 13;
constexpr int16_t KeyLeft = 37;
constexpr int16_t KeyRight = 39;

// Strictly inside: a press on the plot's edge opens no band.
bool Inside(const GraphRegion& region, float x, float y) {
  return region.X1() < x && x < region.X2() && region.Y1() < y && y < region.Y2();
}

// The positions from to to (either way round) that have X labels; false when
// none has.
bool WithinLabels(int16_t& from, int16_t& to, int16_t labels) {
  if (from > to) std::swap(from, to);
  from = std::max<int16_t>(from, 1);
  to = std::min(to, labels);
  return from <= to;
}

float Single(const Runtime::Variant& value) {
  return static_cast<float>(Runtime::CDbl(value));
}

}  // namespace

template <class Steps>
void Graph::Interact(Steps&& steps) {
  try {
    steps();
  } catch (...) {
    EndInteraction();
    throw;
  }
}

void Graph::EndInteraction() noexcept {
  try {
    site_->DblClickClock().Enabled(false);
    site_->SelectBox().Visible(false);
  } catch (...) {
    // Nothing more can be undone.
  }
}

void Graph::Canvas_MouseDown(int16_t& button, int16_t& shift, float& x, float& y) {
  Interact([&] {
    Raise(MouseDown, button, shift, x, y);
    // The host's handler may have closed the window that holds the control.
    if (Released()) return;
    if (button == LeftButton) {
      GraphOverlay& band = site_->SelectBox();
      if (!Inside(*Regions()->Item("Graph"), x, y)) {
        band.Visible(false);
        return;
      }
      // The index under the mouse is an absolute position already.
      const int16_t n = XIndex(x);
      band.Move(XCoordinate(n), y, 0, 0);
      band.Visible(true);
      mouseDownX_ = x;
      mouseDownY_ = y;
      firstSelected_ = n;
      lastSelected_ = n;
    } else if (button == RightButton) {
      PopUpGraphsMenu({}, {});
    }
  });
}

void Graph::Canvas_MouseMove(int16_t& button, int16_t& shift, float& x, float& y) {
  (void)button;
  (void)shift;
  Interact([&] {
    if (Released()) return;
    const int16_t n = XIndex(x);
    const auto labels = XAxis()->Labels();
    if (n < 1 || n > labels->Count()) return;

    std::string caption = XAxis()->Title()->Text() + " = " + labels->Item(n)->Label() + "\r\n";
    bool floating = false;
    for (const Runtime::Variant& item : *Series()->Col()) {
      const auto series = ObjectFrom<GraphSeries>(item);
      const auto values = series->Values();
      if (values->Count() < n || series->ShowValue() != ShowValueType::SingleFloating) continue;
      // A Null point shows its series with an empty value.
      caption += "\r\n" + series->Title()->Text() + " = " +
                 series->ValueFormat()->FormatValue(values->Item(n)->Y());
      floating = true;
    }
    GraphLabel& tip = site_->ValueData();
    tip.Caption(caption);
    if (!floating) {
      tip.Visible(false);
    } else if (!Inside(*Regions()->Item("Graph"), x, y)) {
      tip.Visible(false);
    } else {
      tip.Visible(true);
      PlaceValueTip(n, x, y);
    }
    if (site_->SelectBox().Visible()) FitSelectBox(x);
  });
}

void Graph::PlaceValueTip(int16_t n, float x, float y) {
  GraphLabel& tip = site_->ValueData();
  const std::string position = std::to_string(n);
  // Within one position the tip stays put.
  if (tip.Tag() == position) return;
  tip.Tag(position);
  const GraphRegion& plot = *Regions()->Item("Graph");
  const double width = tip.Width();
  const double height = tip.Height();
  // Above the mouse in the lower half, below it in the upper; left of the
  // position in the right half.
  const double top = (plot.Y1() + plot.Y2()) / 2 <= y ? y - 1.5 * height : y + 0.5 * height;
  const double left = (plot.X1() + plot.X2()) / 2 <= x ? XCoordinate(n) - width : XCoordinate(n);
  tip.Move(left, top, width, height);
}

void Graph::FitSelectBox(float x) {
  const int16_t from = XIndex(std::min(mouseDownX_, x));
  const int16_t to = XIndex(std::max(mouseDownX_, x));

  // From the zero line of the first axis round every value in the band.
  float top = YCoordinate(0, 1);
  float bottom = top;
  const auto col = Series()->Col();
  for (int32_t p = from; p <= to; ++p) {
    for (int32_t s = 1; s <= col->Count(); ++s) {
      const auto series = ObjectFrom<GraphSeries>(col->Item(Runtime::Variant(s)));
      const auto values = series->Values();
      if (values->Count() < p) continue;
      const Runtime::Variant& value = values->Item(Runtime::Variant(p))->Y();
      if (value.IsNull()) continue;
      const auto axis = static_cast<int16_t>(series->WhichAxis());
      const float y = YCoordinate(Single(value), axis);
      if (p == from && s == 1) {
        top = bottom = y;
      } else {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
      if (series->SeriesStyle() == SeriesStyleType::BarGraph) {
        bottom = std::max(bottom, YCoordinate(0, axis));
      }
    }
  }

  GraphOverlay& band = site_->SelectBox();
  const float left = XCoordinate(from);
  // Back over its first position the band shrinks to it, as the marks do.
  const float width = std::max(XCoordinate(to) - left, 0.0f);
  band.Move(left, top, width, bottom - top);
  lastSelected_ = to;

  int16_t longest = 0;
  for (const Runtime::Variant& item : *col) {
    longest = std::max(longest, ObjectFrom<GraphSeries>(item)->Values()->Count());
  }
  for (int32_t p = 1; p <= longest; ++p) {
    for (const Runtime::Variant& item : *col) {
      const auto values = ObjectFrom<GraphSeries>(item)->Values();
      if (values->Count() < p) continue;
      const auto point = values->Item(Runtime::Variant(p));
      const int32_t mode = point->ValueMode();
      point->ValueMode(from <= p && p <= to ? mode | 1 : mode & 6);
    }
  }
  DrawSeries(true);
}

void Graph::Canvas_MouseUp(int16_t& button, int16_t& shift, float& x, float& y) {
  Interact([&] {
    GraphOverlay& band = site_->SelectBox();
    if (button != LeftButton || !band.Visible()) {
      Raise(MouseUp, button, shift, x, y);
      return;
    }
    band.Visible(false);
    GraphTimer& clock = site_->DblClickClock();
    if (clock.Enabled()) {
      clickType_ = MouseClickType::MouseDblClick;
    } else {
      clickType_ = MouseClickType::MouseSngClick;
      clock.Enabled(true);
    }
  });
}

void Graph::Canvas_Click() {
  Interact([&] { Raise(Click); });
}

void Graph::DblClickClock_Timer() {
  Interact([&] {
    site_->DblClickClock().Enabled(false);
    if (Released()) return;
    const int16_t labels = XAxis()->Labels()->Count();
    if (labels <= 0) return;
    GraphOverlay& band = site_->SelectBox();
    if (clickType_ == MouseClickType::MouseDblClick) {
      // The whole plot's width: the whole X window.
      const GraphRegion& main = *Regions()->Item("Main");
      band.Move(main.X1(), band.Top(), main.X2() - main.X1(), band.Height());
    }
    const auto left = static_cast<float>(band.Left());
    int16_t labelFrom = XIndex(left);
    int16_t labelTo = XIndex(left + static_cast<float>(band.Width()));
    // Positions past the last label are no choice the host can act on.
    if (WithinLabels(labelFrom, labelTo, labels)) {
      Raise(SelectPoints, labelFrom, labelTo);
      if (Released()) return;
    }
    ResetCursor();
  });
}

void Graph::ResetCursor() {
  ClearSelection();
  firstSelected_ = XAxis()->First();
  lastSelected_ = firstSelected_;
  AddSelections(firstSelected_, lastSelected_);
}

void Graph::UserControl_KeyDown(int16_t& keyCode, int16_t& shift) {
  Interact([&] {
    if (Released()) return;
    const bool shifted = (shift & ShiftMask) != 0;
    GraphHScrollBar& scroll = XScroll();
    // Where the window must start for the position to be its last.
    const auto lastInView = [this](int16_t position) {
      return static_cast<int32_t>(position) - XAxis()->Width() + 1;
    };
    switch (keyCode) {
      case KeyEnter:
        if (WithinLabels(firstSelected_, lastSelected_, XAxis()->Labels()->Count())) {
          Raise(SelectPoints, firstSelected_, lastSelected_);
          if (Released()) return;
        }
        ResetCursor();
        return;
      case KeyRight:
        ClearSelection();
        if (shifted) {
          SetSelection(SeletionType::SelectionLast, 1);
        } else {
          SetSelection(SeletionType::SelectionFirst, 1);
          lastSelected_ = firstSelected_;
        }
        if (scroll.Value() < lastInView(lastSelected_)) {
          scroll.Value(static_cast<int16_t>(lastInView(lastSelected_)));
        }
        break;
      case KeyLeft:
        ClearSelection();
        if (shifted) {
          SetSelection(SeletionType::SelectionLast, -1);
          lastSelected_ = std::max(lastSelected_, firstSelected_);
        } else {
          SetSelection(SeletionType::SelectionFirst, -1);
          lastSelected_ = firstSelected_;
        }
        if (lastSelected_ < scroll.Value()) scroll.Value(lastSelected_);
        break;
      default: return;
    }
    AddSelections(firstSelected_, lastSelected_);
  });
}

void Graph::GXScroll_Change() {
  Interact([&] {
    XAxis()->First(XScroll().Value());
    if (localDraw_) Draw(false);
  });
}

void Graph::GXScroll_Scroll() {
  GXScroll_Change();
}

void Graph::ToolBars_ToolClick(const std::shared_ptr<Platform::Tool>& tool) {
  using Page = Dravex::GraphPreferences;
  static const std::array<std::pair<const char*, Page>, 6> pages{{
      {"SPECLIMITS", Page::GraphLimits},
      {"ALARMS", Page::GraphAlarms},
      {"MEAN", Page::GraphMean},
      {"STDDEV", Page::GraphStdDev},
      {"TRENDS", Page::GraphTrends},
      {"SERIES", Page::GraphSeries},
  }};
  const std::string id = Runtime::UCase(tool->ID());
  for (const auto& [name, page] : pages) {
    if (id == name) {
      ShowPreferences(page);
      return;
    }
  }
}

void Graph::GraphPreferences(float x, float y) {
  try {
    PopUpGraphsMenu(x, y);
  } catch (...) {
    // Without a host form or a toolbar there is simply no menu.
  }
}

void Graph::PopUpGraphsMenu(std::optional<float> x, std::optional<float> y) {
  site_->SetFocus();
  Platform::DoEvents();
  if (!toolBars_) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  std::optional<double> atX, atY;
  if (x && y) {
    atX = *x;
    atY = *y;
  }
  toolBars_->PopupMenu(Runtime::Variant("Graphs"), atX, atY);
}

}  // namespace Dravex
