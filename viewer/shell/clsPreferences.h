#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/KeyedCollection.h"
#include "platform/Event.h"
#include "runtime/Variant.h"
#include "viewer/shell/clsPreference.h"

namespace Platform {
class CommandButton;
}

namespace Kordex {

// The application's preferences in registration order, keyed by name (without
// regard to case). It loads and saves them under the program's "Preferences"
// section, shows them in their bound boxes, checks the typed texts and commits
// them, announcing each change (BeforeChange may cancel it).
class clsPreferences : public Common::KeyedCollection<clsPreference, Runtime::Object> {
 public:
  clsPreferences();
  ~clsPreferences() override;

  // A button whose click validates, commits, saves, hides its form and raises
  // Commit; none by default.
  Platform::CommandButton* CommitButton() const;
  void SetCommitButton(Platform::CommandButton* NewCommitButton);

  void Clear();
  // FindPosition False: -1 when the key (or position) is held, else 0.
  // FindPosition True: the item's 1-based position, 0 when absent.
  int16_t ExistsKey(const Runtime::Variant& Key, bool FindPosition);
  // A new item named Name, stored under "Software\Tavro\<program>\Preferences",
  // appended under the key Name (a name in use raises 457).
  std::shared_ptr<clsPreference> Add(const std::string& Name, int32_t ValueType);

  // Every item takes its stored value, or its default when none is stored or
  // a stored number does not fit the item (reported once).
  void LoadFromRegistry();
  void SaveToRegistry();
  void DisplayPreferences();
  // Stops at the first item whose check fails.
  bool ValidateCommitValues();
  void CommitPreferences();

  Platform::Event<> Commit;
  Platform::Event<std::shared_ptr<clsPreference>&, Runtime::Variant, bool&> BeforeChange;
  Platform::Event<std::shared_ptr<clsPreference>&, Runtime::Variant> AfterChange;

 private:
  void cmdCommitButton_Click();
  // The value of a box's text as committed: a number (Double) for the numeric
  // types, the text itself otherwise.
  static Runtime::Variant TypedText(const clsPreference& Item);

  Platform::CommandButton* cmdCommitButton_ = nullptr;
  Platform::ScopedConnection commitClick_;
};

}  // namespace Kordex
