#include "viewer/datemacros/CalendarStrip.h"

#include <cmath>

#include "platform/gui/Colour.h"
#include "platform/gui/Surface.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Format.h"

namespace Kordex {

using Platform::Colour;
using Platform::SystemColour;
using Runtime::DateTime;
namespace SystemColours = Platform::SystemColours;

namespace {

int32_t Nearest(double value) {
  return static_cast<int32_t>(Runtime::RoundHalfEven(value));
}

constexpr Colour Black = Platform::RGB(0, 0, 0);
constexpr Colour Red = Platform::RGB(255, 0, 0);
const char* const WeekdayLetters[7] = {"S", "M", "T", "W", "T", "F", "S"};

DateTime LastOfMonth(DateTime firstOfMonth) {
  return Runtime::DateSerial(Runtime::Year(firstOfMonth), Runtime::Month(firstOfMonth),
                             DaysInMonth(firstOfMonth));
}

// The today box and the centred text, alike in both styles.
void FinishCell(Platform::Surface& surface, const CellRect& rect, int32_t state, Colour textColour,
                const std::string& text) {
  if ((state & CellStates::Today) != 0) {
    surface.SetFillStyle(Platform::FillStyles::Transparent);
    surface.Line(rect.Left + 2, rect.Top + 2, rect.Right - 3, rect.Bottom - 3, Red,
                 Platform::LineShape::Box);
  }
  surface.SetForeColor(textColour);
  surface.DrawText(text, rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2,
                   Platform::TextFlags::Centre | Platform::TextFlags::VerticalCentre |
                       Platform::TextFlags::SingleLine);
}

}  // namespace

DateTime FirstOfMonth(DateTime date) {
  return Runtime::DateSerial(Runtime::Year(date), Runtime::Month(date), 1);
}

int16_t DaysInMonth(DateTime date) {
  return static_cast<int16_t>(
      Runtime::Day(Runtime::DateSerial(Runtime::Year(date), Runtime::Month(date) + 1, 0)));
}

int32_t MonthsBetween(DateTime from, DateTime to) {
  return Runtime::DateDiff("m", from, to);
}

DateTime ColumnMonth(const CalendarView& view, int m) {
  return Runtime::DateSerial(Runtime::Year(view.RangeStart),
                             Runtime::Month(view.RangeStart) + view.Scroll + m, 1);
}

void ColumnEdges(double W, int n, int m, int32_t& Left, int32_t& Right) {
  Left = Nearest((W - n - 1) * m / n + m + 1);
  Right = Nearest((W - n - 1) * (m + 1) / n + m);
}

CellRect HeaderCell(double H, int32_t Left, int32_t Right) {
  return {Left, 1, Right, Nearest(H / 9 - 1)};
}

CellRect GridCell(double H, int32_t Left, int32_t Right, int r, int c) {
  const double width = (Right + 1 - Left) / 7.0;
  return {Nearest(width * c + Left), Nearest(H / 9 * r), Nearest(width * (c + 1) + Left - 1),
          Nearest(H / 9 * (r + 1) - 1)};
}

int32_t DayInCell(DateTime firstOfMonth, int r, int c) {
  return (r - 2) * 7 + c + 2 - Runtime::Weekday(firstOfMonth);
}

DateTime DateAtPoint(const CalendarView& view, double W, double H, double X, double Y, bool isStart,
                     DateTime Default, bool& RightOfStrip) {
  RightOfStrip = false;
  const int n = view.VisibleMonths;
  if (W <= 0 || H <= 0 || n < 1) return Default;
  double col = std::floor(X / W * n * 7 + 1);
  double row = std::floor(Y / H * 9 + 1);
  if (col > 7.0 * n) {
    // Dragging past the last column reaches the last day shown.
    col = 7.0 * n;
    row = 1;
    RightOfStrip = true;
  } else if (X < 0 || Y < 0 || row > 9) {
    return Default;
  }
  const int column = static_cast<int>(col) - 1;
  const DateTime first = ColumnMonth(view, column / 7);
  if (row == 1) return isStart ? first : LastOfMonth(first);
  if (row < 3 || row > 8) return Default;
  const int day = (static_cast<int>(row) - 3) * 7 + column % 7 + 2 - Runtime::Weekday(first);
  if (day < 1 || day > DaysInMonth(first)) return Default;
  return Runtime::DateSerial(Runtime::Year(first), Runtime::Month(first), day);
}

void DrawCalendarStrip(Platform::Surface& surface, const CalendarView& view, double W, double H) {
  surface.Cls();
  const int n = view.VisibleMonths;
  if (n < 1) return;
  const Colour frame = SystemColour(SystemColours::ButtonShadow);
  const int32_t gridBottom = GridCell(H, 0, 0, 7, 0).Bottom;
  int32_t bandLeft = -1;
  for (int m = 0; m < n; ++m) {
    const DateTime first = ColumnMonth(view, m);
    const bool whole = view.SelectedFrom.Serial <= first.Serial &&
                       view.SelectedTo.Serial >= LastOfMonth(first).Serial;
    int32_t L = 0;
    int32_t R = 0;
    ColumnEdges(W, n, m, L, R);
    if (bandLeft < 0) bandLeft = L;
    DrawCalendarCell(surface, view.Style, HeaderCell(H, L, R),
                     CellStates::Label + (whole ? CellStates::Selected : 0),
                     Runtime::Format(Runtime::Variant(first), "mmm"));

    for (int c = 0; c < 7; ++c) {
      DrawCalendarCell(surface, view.Style, GridCell(H, L, R, 1, c),
                       CellStates::Background + CellStates::Underlined, WeekdayLetters[c]);
    }
    const int32_t days = DaysInMonth(first);
    for (int r = 2; r <= 7; ++r) {
      int emptyFrom = -1;
      const auto drawEmpty = [&](int lastEmpty) {
        CellRect run = GridCell(H, L, R, r, emptyFrom);
        run.Right = GridCell(H, L, R, r, lastEmpty).Right;
        DrawCalendarCell(surface, view.Style, run, CellStates::Background, "");
        emptyFrom = -1;
      };
      for (int c = 0; c < 7; ++c) {
        const int32_t day = DayInCell(first, r, c);
        if (day < 1 || day > days) {
          if (emptyFrom < 0) emptyFrom = c;
          continue;
        }
        if (emptyFrom >= 0) drawEmpty(c - 1);
        const DateTime date{first.Serial + day - 1};
        int32_t state = 0;
        if (view.SelectedFrom.Serial <= date.Serial && date.Serial <= view.SelectedTo.Serial) {
          state += CellStates::Selected;
        }
        if (date.Serial == view.Today.Serial) state += CellStates::Today;
        DrawCalendarCell(surface, view.Style, GridCell(H, L, R, r, c), state, std::to_string(day));
      }
      if (emptyFrom >= 0) drawEmpty(6);
    }

    surface.Line(L - 1, 0, R + 1, 0, frame);
    surface.Line(L - 1, 0, L - 1, gridBottom, frame);
    surface.Line(R, 0, R, gridBottom, frame);
    surface.Line(L - 1, gridBottom, R + 1, gridBottom, frame);

    const int32_t year = Runtime::Year(first);
    if (m == n - 1 || Runtime::Year(ColumnMonth(view, m + 1)) != year) {
      DrawCalendarCell(surface, view.Style, {bandLeft, gridBottom + 1, R, Nearest(H)},
                       CellStates::Label, std::to_string(year));
      bandLeft = -1;
    }
  }
}

void DrawCalendarCell(Platform::Surface& surface, int32_t Style, const CellRect& rect,
                      int32_t State, const std::string& Text) {
  if (Style == 1) {
    DrawCell3D(surface, rect, State, Text);
  } else {
    DrawCellFlat(surface, rect, State, Text);
  }
}

void DrawCellFlat(Platform::Surface& surface, const CellRect& rect, int32_t State,
                  const std::string& Text) {
  Colour fill = 0;
  Colour text = Black;
  if ((State & CellStates::Background) != 0) {
    fill = SystemColour(SystemColours::ButtonHighlight);
    text = SystemColour(SystemColours::ButtonShadow);
  } else if ((State & CellStates::Selected) != 0) {
    fill = SystemColour(SystemColours::DarkShadow3D);
    text = SystemColour(SystemColours::ButtonHighlight);
  } else {
    fill = SystemColour((State & CellStates::Label) != 0 ? SystemColours::ButtonShadow
                                                         : SystemColours::Light3D);
  }
  surface.Line(rect.Left, rect.Top, rect.Right, rect.Bottom, fill, Platform::LineShape::FilledBox);
  if ((State & CellStates::Underlined) != 0) {
    surface.Line(rect.Left - 1, rect.Bottom, rect.Right + 1, rect.Bottom, Black);
  }
  FinishCell(surface, rect, State, text, Text);
}

void DrawCell3D(Platform::Surface& surface, const CellRect& rect, int32_t State,
                const std::string& Text) {
  const bool selected = (State & CellStates::Selected) != 0;
  surface.Line(rect.Left, rect.Top, rect.Right, rect.Bottom,
               SystemColour(selected ? SystemColours::Highlight : SystemColours::ButtonFace),
               Platform::LineShape::FilledBox);
  surface.DrawEdge(rect.Left, rect.Top, rect.Right, rect.Bottom,
                   selected ? Platform::Edge::Sunken : Platform::Edge::Raised);
  FinishCell(surface, rect, State, Black, Text);
}

}  // namespace Kordex
