#pragma once

#include <memory>
#include <vector>

#include "platform/gui/PlatformGuiApi.h"

namespace Platform {

class Form;

// The loaded forms, in the order they were loaded, hidden ones included. Index 0
// is the first loaded.
class TAVRO_PLATFORM_GUI_API Forms {
 public:
  static int Count();
  static Form& Item(int index);  // error 9 outside 0..Count-1
  // A copy of the list: safe to walk while forms are unloaded.
  static std::vector<Form*> All();
  static int IndexOf(const Form& form);  // -1 when not loaded
};

}  // namespace Platform
