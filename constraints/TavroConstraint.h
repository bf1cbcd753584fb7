#pragma once

#include <memory>
#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltObject.h"
#include "runtime/Collection.h"

namespace Morvelt {

class TavroConstraintCategory;

// Restricts one category to chosen values (a date range, a list of machines,
// one product) and renders them as an SQL condition and as printable text.
class MORVELT_API TavroConstraint : public MorveltObject {
 public:
  TavroConstraint();
  ~TavroConstraint() override;

  // The condition of an SQL WHERE clause: "(F BETWEEN a AND b)" for a range of
  // a continuous category, else "(F = a OR F = b ...)"; "()" without values.
  // Dates are written #mm/dd/yy#, texts in single quotes (a quote inside is
  // doubled), other values in their plain text form.
  std::string SQLCriteria() const;
  // "Name = a, b and c", or "Name = a to b" for a continuous category; "" when
  // there are no values.
  std::string PrintConstraint() const;

  // A new constraint has a new, empty category. Set to nothing, reading it
  // raises 91.
  std::shared_ptr<TavroConstraintCategory> ConstraintCategory() const;
  void ConstraintCategory(std::shared_ptr<TavroConstraintCategory> value);
  // The values in the order added (dates, numbers, texts); the collection held,
  // filled in place.
  Runtime::CollectionRef ConstraintValues() const;
  void ConstraintValues(Runtime::CollectionRef value);

 private:
  std::shared_ptr<TavroConstraintCategory> category_;
  Runtime::CollectionRef values_;
};

}  // namespace Morvelt
