#pragma once

// Conventions of the object model (graph/model/README.md has them in full):
// - A property is a getter named as the property, `Text()`, and a setter of
//   the same name taking the new value, `Text(value)`. A property with an
//   index takes the index first: `Limits(index)`, `Limits(index, value)`.
// - Objects are Runtime::Object subclasses held by std::shared_ptr. An object
//   property set to nothing raises "object not set" (91) when read, unless its
//   interface gives nothing a meaning of its own (a text's Graphic).
// - 16-bit integers are int16_t, 32-bit ones and colours int32_t, single
//   precision float; variant values are Runtime::Variant.

#include <cstdint>

// The enumerations the graph library publishes with its object model, with the
// names and values its interface gives them (misspellings included: callers
// bind to them). They are 32-bit, and a property "stored unchanged" keeps any
// value cast into them, named or not.

namespace Dravex {

// A 32-bit colour 0x02bbggrr (palette-relative) or 0x00bbggrr; black is
// 0x02000000.
using GraphColour = int32_t;

enum class LabelOrientaionType : int32_t {
  LabelHorizontal = 0,
  LabelDiagonal = 45,
  LabelVertical = 90,
};

enum class YAxisType : int32_t {
  YAxis1 = 1,
  YAxis2 = 2,
};

enum class SectionDisplayType : int32_t {
  SectionArea = 0,
  SectionLine = 1,
};

enum class SectionFloatType : int32_t {
  Automatic = 0,
  Front = 1,
  Behind = 2,
};

// Bits of a section caption's position: one horizontal, one vertical and one
// inside/outside bit. A position is their sum, kept as an int32_t.
enum class TitlePositionType : int32_t {
  HorizontalLeft = 1,
  HorizontalCentre = 2,
  HorizontalRight = 4,
  VerticalTop = 8,
  VerticalMiddle = 16,
  VerticalBottom = 32,
  Inside = 64,
  Outside = 128,
};
constexpr int32_t operator|(TitlePositionType a, TitlePositionType b) {
  return static_cast<int32_t>(a) | static_cast<int32_t>(b);
}
constexpr int32_t operator|(int32_t a, TitlePositionType b) {
  return a | static_cast<int32_t>(b);
}

enum class enuYesNoDefault : int32_t {
  yes = -1,
  No = 0,
  Default = -2,  // the regional setting
};

enum class enuLimits : int32_t {
  LowerLimit = 0,
  UpperLimit = 1,
};

enum class AlarmType : int32_t {
  AlarmNone = 0,
  AlarmSpecLimit = 1,
};

enum class TrendType : int32_t {
  TrendNone = 0,
  TrendLinear = 1,
  TrendLogrithm = 2,
  TrendPolynomial = 3,
  TrendAverage = 4,
};

// What the labels or the scroll bar are, measured against the values.
enum class SizeEventType : int32_t {
  TooMany = 0,
  TooFew = 1,
};

enum class ScrollBarDirectionType : int32_t {
  ScrollBarLeft = 0,
  ScrollBarRight = 1,
};

enum class SeriesStyleType : int32_t {
  LineGraph = 0,
  BarGraph = 1,
  XYGraph = 2,
};

// The marker drawn at each point of a series.
enum class PointStyleType : int32_t {
  PointBox = 0,
  PointCircle = 1,
  PointCross = 2,
  PointX = 3,
  PointTriangle = 4,
  PointNone = 5,
};

// Whether and how a series' values are printed on the chart.
enum class ShowValueType : int32_t {
  DontShow = 0,
  SingleFloating = 1,  // in the value tip under the mouse
  MultipleFixed = 2,   // at every point that has a value
};

enum class ShowValueWhereType : int32_t {
  ValueTop = 0,
  ValueBottom = 1,
};

// How a point is stored at a position that a series already has.
enum class AddType : int32_t {
  AddOverwrite = 1,
  AddInsert = 2,  // always appends
  AddIncrement = 3,
};

// Bits of a point's ValueMode; a mode is their sum, kept as an int32_t.
enum class ValueModeType : int32_t {
  ValueNormal = 0,
  ValueSlelected = 1,
  ValueWarning = 2,
  ValueError = 4,
};

// How OrderSeries sorts a series.
enum class OrderType : int32_t {
  Unordered = 0,
  Ascending = 1,
  Descending = 2,
};

// Which end of the point selection SetSelection moves.
enum class SeletionType : int32_t {
  SelectionFirst = 0,
  SelectionLast = 1,
};

// Whether a second band closed while the double-click timer ran.
enum class MouseClickType : int32_t {
  MouseSngClick = 0,
  MouseDblClick = 1,
};

// The pages of the graph's preferences dialog.
enum class GraphPreferences : int32_t {
  GraphMean = 0,
  GraphStdDev = 1,
  GraphLimits = 2,
  GraphTrends = 3,
  GraphSeries = 4,
  GraphAlarms = 5,
};

// How the graph draws its series; a graph stays TwoD.
enum class GraphType : int32_t {
  TwoD = 1,
  ThreeD = 2,
  Pie = 3,
};

}  // namespace Dravex
