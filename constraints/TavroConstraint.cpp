#include "constraints/TavroConstraint.h"

#include "constraints/TavroConstraintCategory.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/Conversions.h"
#include "runtime/Format.h"
#include "runtime/Strings.h"

namespace Morvelt {

using Runtime::Variant;

namespace {

// The SQL literal of one value. A quote inside a text is doubled, so that a
// product named O'Brien stays one literal instead of ending it.
std::string SQLValue(const Variant& value) {
  switch (value.Kind()) {
    case Runtime::VarType::Date: return "#" + Runtime::Format(value, "mm/dd/yy") + "#";
    case Runtime::VarType::String:
      return "'" + Runtime::Replace(value.GetString(), "'", "''") + "'";
    default: return Runtime::CStr(value);
  }
}

}  // namespace

TavroConstraint::TavroConstraint()
    : category_(std::make_shared<TavroConstraintCategory>()),
      values_(std::make_shared<Runtime::Collection>()) {}

TavroConstraint::~TavroConstraint() = default;

std::shared_ptr<TavroConstraintCategory> TavroConstraint::ConstraintCategory() const {
  return Dravex::Required(category_);
}

void TavroConstraint::ConstraintCategory(std::shared_ptr<TavroConstraintCategory> value) {
  category_ = std::move(value);
}

Runtime::CollectionRef TavroConstraint::ConstraintValues() const {
  return Dravex::Required(values_);
}

void TavroConstraint::ConstraintValues(Runtime::CollectionRef value) {
  values_ = std::move(value);
}

std::string TavroConstraint::SQLCriteria() const {
  const auto category = ConstraintCategory();
  const auto values = ConstraintValues();
  const std::string& field = category->SQLField();
  const int32_t count = values->Count();
  if (count > 1 && category->Continuous()) {
    return "(" + field + " BETWEEN " + SQLValue(values->Item(Variant(1))) + " AND " +
           SQLValue(values->Item(Variant(2))) + ")";
  }
  std::string text = "(";
  for (int32_t i = 1; i <= count; ++i) {
    if (i > 1) text += " OR ";
    text += field + " = " + SQLValue(values->Item(Variant(i)));
  }
  return text + ")";
}

std::string TavroConstraint::PrintConstraint() const {
  const auto category = ConstraintCategory();
  const auto values = ConstraintValues();
  const int32_t count = values->Count();
  if (count == 0) return "";
  const auto value = [&values](int32_t i) { return Runtime::CStr(values->Item(Variant(i))); };
  std::string text = category->Name() + " = " + value(1);
  if (category->Continuous()) return count == 1 ? text : text + " to " + value(2);
  for (int32_t i = 2; i <= count; ++i) text += (i < count ? ", " : " and ") + value(i);
  return text;
}

}  // namespace Morvelt
