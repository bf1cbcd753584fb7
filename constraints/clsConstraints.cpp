#include "constraints/clsConstraints.h"

namespace Morvelt {

clsConstraints::clsConstraints() = default;
clsConstraints::~clsConstraints() = default;

void clsConstraints::Add(const std::shared_ptr<TavroConstraint>& newConstraint,
                         const std::string& key) {
  Append(newConstraint, key);
}

}  // namespace Morvelt
