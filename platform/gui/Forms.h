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

  // A form of which the program keeps one: the one in slot while it is
  // loaded, else a new one, loaded hidden. Only the loaded forms keep it
  // alive, so none outlives the window system in a static.
  template <class F>
  static std::shared_ptr<F> LoadedOne(std::weak_ptr<F>& slot) {
    std::shared_ptr<F> form = slot.lock();
    if (!form || !form->IsLoaded()) {
      form = std::make_shared<F>();
      form->Load();
      slot = form;
    }
    return form;
  }
};

}  // namespace Platform
