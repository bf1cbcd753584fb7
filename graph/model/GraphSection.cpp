#include "graph/model/GraphSection.h"

#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"

namespace Dravex {

namespace {

// Only these three number kinds make a coordinate; everything else, 32-bit
// integers and numeric text included, leaves it not given.
Runtime::Variant Coordinate(const Runtime::Variant& value) {
  switch (value.Kind()) {
    case Runtime::VarType::Integer:
    case Runtime::VarType::Single:
    case Runtime::VarType::Double: return Runtime::Variant(Runtime::CSng(value));
    default: return Runtime::Variant("");
  }
}

bool Given(const Runtime::Variant& coordinate) {
  return !coordinate.IsNull() && !(coordinate.IsString() && coordinate.GetString().empty());
}

bool SameNumber(const Runtime::Variant& a, const Runtime::Variant& b) {
  return Runtime::CDbl(a) == Runtime::CDbl(b);
}

// The one bit of a group that is set, or fallback when none or several are.
int32_t OneBitOf(int32_t value, int32_t group, int32_t fallback) {
  const int32_t bits = value & group;
  return (bits != 0 && (bits & (bits - 1)) == 0) ? bits : fallback;
}

}  // namespace

GraphSection::GraphSection() : title_(std::make_shared<GraphText>()) {}
GraphSection::~GraphSection() = default;

void GraphSection::X1(const Runtime::Variant& value) {
  x1_ = Coordinate(value);
}
void GraphSection::X2(const Runtime::Variant& value) {
  x2_ = Coordinate(value);
}
void GraphSection::Y1(const Runtime::Variant& value) {
  y1_ = Coordinate(value);
}
void GraphSection::Y2(const Runtime::Variant& value) {
  y2_ = Coordinate(value);
}

std::shared_ptr<GraphText> GraphSection::Title() const {
  return Required(title_);
}

void GraphSection::TitleOrientation(LabelOrientaionType value) {
  titleOrientation_ =
      value == LabelOrientaionType::LabelDiagonal ? LabelOrientaionType::LabelHorizontal : value;
}

void GraphSection::TitlePosition(int32_t value) {
  using enum TitlePositionType;
  titlePosition_ = OneBitOf(value, HorizontalLeft | HorizontalCentre | HorizontalRight,
                            static_cast<int32_t>(HorizontalRight)) +
                   OneBitOf(value, VerticalTop | VerticalMiddle | VerticalBottom,
                            static_cast<int32_t>(VerticalTop)) +
                   OneBitOf(value, Inside | Outside, static_cast<int32_t>(Outside));
}

void GraphSection::Float(SectionFloatType value) {
  if (value != SectionFloatType::Automatic) {
    float_ = value;
  } else if (Given(x1_) && Given(x2_)) {
    // Equal X positions make a vertical line, which goes over the series.
    float_ = SameNumber(x1_, x2_) ? SectionFloatType::Front : SectionFloatType::Behind;
  } else if (Given(y1_) && Given(y2_) && SameNumber(y1_, y2_)) {
    float_ = SectionFloatType::Front;
  } else {
    float_ = SectionFloatType::Behind;
  }
}

}  // namespace Dravex
