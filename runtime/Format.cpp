#include "runtime/Format.h"

#include "runtime/Error.h"

namespace Runtime {

std::string Format(const Variant&, std::string_view) { Raise(ErrorNumber::InvalidProcedureCall); }

}  // namespace Runtime
