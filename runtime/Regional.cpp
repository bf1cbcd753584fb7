#include "runtime/Regional.h"

namespace Runtime {

RegionalSettings& RegionalSettings::Current() {
  static RegionalSettings settings;
  return settings;
}

}  // namespace Runtime
