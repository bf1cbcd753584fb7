#pragma once

#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltCollection.h"
#include "constraints/TavroConstraint.h"

namespace Morvelt {

// The constraints of one set, in order, keyed by their category's name where
// the caller gives that key.
class MORVELT_API clsConstraints : public MorveltCollection<TavroConstraint> {
 public:
  clsConstraints();
  ~clsConstraints() override;

  // Appends the constraint, under key when key is not "" (a key present
  // already raises 457).
  void Add(const std::shared_ptr<TavroConstraint>& newConstraint, const std::string& key = "");
};

}  // namespace Morvelt
