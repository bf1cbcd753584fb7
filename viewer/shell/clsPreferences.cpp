#include "viewer/shell/clsPreferences.h"

#include "common/TavroRegistry.h"
#include "platform/Problems.h"
#include "platform/gui/App.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/Form.h"
#include "platform/gui/TextBox.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Kordex {

namespace {

Platform::TextBox& BoxOf(const clsPreference& item) {
  Platform::TextBox* box = item.TextBox();
  if (box == nullptr) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  return *box;
}

}  // namespace

clsPreferences::clsPreferences() = default;

clsPreferences::~clsPreferences() = default;

Platform::CommandButton* clsPreferences::CommitButton() const {
  return commitClick_.Connected() ? cmdCommitButton_ : nullptr;
}

void clsPreferences::SetCommitButton(Platform::CommandButton* NewCommitButton) {
  commitClick_.Disconnect();
  cmdCommitButton_ = NewCommitButton;
  if (NewCommitButton != nullptr)
    commitClick_ = NewCommitButton->Click.Connect([this] { cmdCommitButton_Click(); });
}

void clsPreferences::Clear() {
  while (Count() >= 1) Remove(Runtime::Variant(int16_t{1}));
}

int16_t clsPreferences::ExistsKey(const Runtime::Variant& Key, bool FindPosition) {
  std::shared_ptr<clsPreference> found;
  try {
    found = Item(Key);
  } catch (const Runtime::Error&) {
    return 0;
  }
  if (!FindPosition) return -1;
  for (int16_t i = 1; i <= Count(); ++i)
    if (Item(Runtime::Variant(i)) == found) return i;
  return 0;
}

std::shared_ptr<clsPreference> clsPreferences::Add(const std::string& Name, int32_t ValueType) {
  auto item = std::make_shared<clsPreference>();
  item->SetName(Name);
  item->SetValueType(ValueType);
  item->SetRegistryApp(Platform::App::EXEName());
  item->SetRegistryPath("Preferences");
  item->SetRegistryKey(Name);
  Append(item, Name);
  return item;
}

void clsPreferences::LoadFromRegistry() {
  for (int16_t i = 1; i <= Count(); ++i) {
    auto item = Item(Runtime::Variant(i));
    Runtime::Variant stored = Common::GetRegSetting(item->RegistryApp(), item->RegistryPath(),
                                                    item->RegistryKey(), item->DefaultValue());
    if (!item->StoredValueFits(stored)) {
      std::string text = "a value of another kind";
      try {
        text = Runtime::CStr(stored);
      } catch (const Runtime::Error&) {
      }
      std::string fallback;
      try {
        fallback = Runtime::CStr(item->DefaultValue());
      } catch (const Runtime::Error&) {
      }
      Platform::ReportProblem("The stored preference \"" + item->Name() + "\" is \"" + text +
                              "\", which it cannot take; the default " + fallback +
                              " is used instead.");
      stored = item->DefaultValue();
    }
    item->SetValue(stored);
  }
}

void clsPreferences::SaveToRegistry() {
  for (int16_t i = 1; i <= Count(); ++i) {
    auto item = Item(Runtime::Variant(i));
    Common::SaveRegSetting(item->RegistryApp(), item->RegistryPath(), item->RegistryKey(),
                           item->Value());
  }
}

void clsPreferences::DisplayPreferences() {
  for (int16_t i = 1; i <= Count(); ++i) {
    auto item = Item(Runtime::Variant(i));
    BoxOf(*item).SetText(Runtime::CStr(item->Value()));
  }
}

bool clsPreferences::ValidateCommitValues() {
  for (int16_t i = 1; i <= Count(); ++i) {
    auto item = Item(Runtime::Variant(i));
    if ((item->ValueValidate() & 2) != 0 && !item->ValidateValue()) return false;
  }
  return true;
}

Runtime::Variant clsPreferences::TypedText(const clsPreference& Item) {
  const std::string text = BoxOf(Item).Text();
  if (Item.ValueType() == PreferenceTypes::WholeNumber ||
      Item.ValueType() == PreferenceTypes::RealNumber)
    return Runtime::Variant(Runtime::Val(text));
  return Runtime::Variant(text);
}

void clsPreferences::CommitPreferences() {
  for (int16_t i = 1; i <= Count(); ++i) {
    auto item = Item(Runtime::Variant(i));
    bool cancel = false;
    BeforeChange.Raise(item, TypedText(*item), cancel);
    if (cancel) continue;
    const Runtime::Variant oldValue = item->Value();
    item->SetValue(TypedText(*item));
    AfterChange.Raise(item, oldValue);
  }
}

void clsPreferences::cmdCommitButton_Click() {
  if (!ValidateCommitValues()) return;
  CommitPreferences();
  SaveToRegistry();
  if (Platform::CommandButton* button = CommitButton()) button->Parent().Hide();
  Commit.Raise();
}

}  // namespace Kordex
