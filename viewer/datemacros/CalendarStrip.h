#pragma once

#include <cstdint>
#include <string>

#include "runtime/Variant.h"

namespace Platform {
class Surface;
}

namespace Kordex {

// The calendar strip of the date-range dialog: up to four months side by
// side, each a column of a month-name header, a row of weekday letters and six
// week rows, with a band of years below. Everything here is in the strip's
// pixels and depends only on its size and on the dialog's fields, so that it is
// drawn and hit-tested the same way on a window and in tests.

// Cell states, summed.
namespace CellStates {
inline constexpr int32_t Selected = 1;
inline constexpr int32_t Background = 2;
inline constexpr int32_t Today = 4;
inline constexpr int32_t Label = 8;
inline constexpr int32_t Underlined = 16;
}  // namespace CellStates

// The most month columns the strip shows.
inline constexpr int16_t MaxVisibleMonths = 4;

// A rectangle of pixels, both corners inside it.
struct CellRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const CellRect&, const CellRect&) = default;
};

// What the strip shows: the dialog's fields at the time of drawing.
struct CalendarView {
  Runtime::DateTime SelectedFrom;  // 0: nothing chosen
  Runtime::DateTime SelectedTo;
  Runtime::DateTime RangeStart;  // first day of the first month of the range
  int32_t Scroll = 0;            // months from RangeStart to the first column
  int16_t VisibleMonths = 1;
  int32_t Style = 0;  // 0 flat, 1 three-dimensional
  Runtime::DateTime Today;
};

// The first day of the date's month.
Runtime::DateTime FirstOfMonth(Runtime::DateTime date);
// The number of the month's last day.
int16_t DaysInMonth(Runtime::DateTime date);
// Calendar months from the month of from to the month of to.
int32_t MonthsBetween(Runtime::DateTime from, Runtime::DateTime to);
// The first day of the month shown in column m (from 0).
Runtime::DateTime ColumnMonth(const CalendarView& view, int m);

// Column m (from 0) of n across a strip W wide; neighbours are one pixel apart.
void ColumnEdges(double W, int n, int m, int32_t& Left, int32_t& Right);
// The month-name header of a column.
CellRect HeaderCell(double H, int32_t Left, int32_t Right);
// Grid row r (1 weekday letters, 2..7 weeks) and its cell c (0..6, Sunday
// first) in the column Left..Right.
CellRect GridCell(double H, int32_t Left, int32_t Right, int r, int c);
// The day number in week row r (2..7) and cell c of a month; outside
// 1..DaysInMonth the cell is empty.
int32_t DayInCell(Runtime::DateTime firstOfMonth, int r, int c);

// The date under a point of a W x H strip: a month name gives its first day
// (isStart) or its last, a day its date, anything else Default. A point right
// of the last column counts as the last column's month name and sets
// RightOfStrip.
Runtime::DateTime DateAtPoint(const CalendarView& view, double W, double H, double X, double Y,
                              bool isStart, Runtime::DateTime Default, bool& RightOfStrip);

// Draws the whole strip on the surface (cleared first).
void DrawCalendarStrip(Platform::Surface& surface, const CalendarView& view, double W, double H);
// One cell in the view's style.
void DrawCalendarCell(Platform::Surface& surface, int32_t Style, const CellRect& rect,
                      int32_t State, const std::string& Text);
void DrawCellFlat(Platform::Surface& surface, const CellRect& rect, int32_t State,
                  const std::string& Text);
void DrawCell3D(Platform::Surface& surface, const CellRect& rect, int32_t State,
                const std::string& Text);

}  // namespace Kordex
