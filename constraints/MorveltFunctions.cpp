#include "constraints/MorveltFunctions.h"

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsMenuItems.h"
#include "graph/model/ObjectAccess.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Morvelt {

using Runtime::Variant;

namespace {

constexpr int32_t ObjectRequired = 424;

bool Matches(const Variant& candidate, const Variant& value) {
  if (value.IsObject()) return candidate.IsObject() && Runtime::Is(candidate, value);
  if (candidate.IsObject()) return false;
  return Runtime::IsTrue(Runtime::Eq(candidate, value));
}

}  // namespace

Variant FindInCollection(const Runtime::Collection* col, const Variant& value,
                         const std::string& property, int16_t mode) {
  if (!col) return Variant(false);
  Variant result;
  int32_t position = 0;
  for (const Variant& item : *col) {
    ++position;
    const Variant candidate = property.empty() ? item : PropertyByName(item, property);
    if (!Matches(candidate, value)) continue;
    result = mode != 0 ? Variant(Dravex::Count16(position)) : Variant(true);
  }
  return result;
}

Variant PropertyByName(const Variant& object, const std::string& name) {
  if (!object.IsObject()) Runtime::Raise(ObjectRequired);
  const auto is = [&name](const char* property) { return Runtime::EqualsNoCase(name, property); };
  if (const auto constraint = object.ObjectAs<TavroConstraint>()) {
    if (is("ConstraintCategory")) return Variant(constraint->ConstraintCategory());
    if (is("ConstraintValues")) return Variant(constraint->ConstraintValues());
  }
  if (const auto category = object.ObjectAs<TavroConstraintCategory>()) {
    if (is("SQLField")) return Variant(category->SQLField());
    if (is("Name")) return Variant(category->Name());
    if (is("Prerequisites")) return Variant(category->Prerequisites());
    if (is("Restrictions")) return Variant(category->Restrictions());
    if (is("MenuItems")) return Variant(category->MenuItems());
    if (is("Continuous")) return Variant(category->Continuous());
  }
  if (!object.GetObject()) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  Runtime::Raise(Runtime::ErrorNumber::ObjectDoesNotSupport);
}

Runtime::ObjectRef GetObjectRef(const Runtime::ObjectRef& object) {
  return object;
}

std::string VersionText(const std::string& prefix) {
  return prefix + std::to_string(MORVELT_VERSION_MAJOR) + "." +
         std::to_string(MORVELT_VERSION_MINOR) + "." + std::to_string(MORVELT_VERSION_PATCH);
}

}  // namespace Morvelt
