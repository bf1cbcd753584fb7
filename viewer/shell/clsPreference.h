#pragma once

#include <cstdint>
#include <string>

#include "platform/Event.h"
#include "runtime/Variant.h"

namespace Platform {
class CommandButton;
class TextBox;
}  // namespace Platform

namespace Kordex {

// Value types of a preference.
namespace PreferenceTypes {
inline constexpr int32_t WholeNumber = 0;  // 16-bit
inline constexpr int32_t RealNumber = 1;   // 32-bit float
inline constexpr int32_t Text = 2;
inline constexpr int32_t FolderPath = 3;
inline constexpr int32_t FilePath = 4;
}  // namespace PreferenceTypes

// One application preference: a named value with a default, optional limits, a
// value type and, for paths, an existence rule (FileType 0 to 6). It is stored
// under RegistryApp\RegistryPath, value RegistryKey, and bound to one text box
// (and for a folder a browse button) of the preferences dialog, whose text
// ValidateValue checks with message boxes.
//
// The bound controls are held, not owned: the item listens to their events
// and lets go of them when they are set to nothing, when the item ends, or
// when the controls themselves end first (the box then reads as nothing).
class clsPreference : public Runtime::Object {
 public:
  clsPreference();
  ~clsPreference() override;

  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value) { caseSensitive_ = value; }
  const std::string& RegistryApp() const { return registryApp_; }
  void SetRegistryApp(const std::string& value) { registryApp_ = value; }
  // The value converted by ValueType: an Integer (type 0), a Single (type 1) or
  // a String. A held value its type cannot hold gives the default (reported
  // once); never raises.
  Runtime::Variant Value() const;
  // Stores the value as given.
  void SetValue(const Runtime::Variant& value) { value_ = value; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& value) { name_ = value; }
  // Bit 1: check when the bound box loses the focus; bit 2: check before a
  // commit of the collection.
  int32_t ValueValidate() const { return valueValidate_; }
  void SetValueValidate(int32_t value) { valueValidate_ = value; }
  Platform::TextBox* TextBox() const;
  void SetTextBox(Platform::TextBox* box);
  Platform::CommandButton* SearchButton() const;
  void SetSearchButton(Platform::CommandButton* button);
  const std::string& RegistryPath() const { return registryPath_; }
  void SetRegistryPath(const std::string& value) { registryPath_ = value; }
  const std::string& RegistryKey() const { return registryKey_; }
  void SetRegistryKey(const std::string& value) { registryKey_ = value; }
  const Runtime::Variant& DefaultValue() const { return defaultValue_; }
  void SetDefaultValue(const Runtime::Variant& value) { defaultValue_ = value; }
  const Runtime::Variant& MinValue() const { return minValue_; }
  void SetMinValue(const Runtime::Variant& value) { minValue_ = value; }
  const Runtime::Variant& MaxValue() const { return maxValue_; }
  void SetMaxValue(const Runtime::Variant& value) { maxValue_ = value; }
  int32_t ValueType() const { return valueType_; }
  void SetValueType(int32_t value) { valueType_ = value; }
  int32_t FileType() const { return fileType_; }
  void SetFileType(int32_t value) { fileType_ = value; }

  // Checks the text of the bound box; on a rejection a message box has been
  // shown, the focus is back in the box and the result is False. Numbers are
  // written back in their normalised form; a folder may be created.
  bool ValidateValue();

  // The check of a stored value (types 0 and 1) without message boxes: False
  // when it is no number in its own form, lies outside its type's range or
  // outside the limits. Other types always pass.
  bool StoredValueFits(const Runtime::Variant& stored) const;

 private:
  enum class NumberCheck { Valid, NotItsOwnForm, AboveMaximum, BelowMinimum };
  // Checks a normalised numeric text; limit receives the limit passed.
  NumberCheck CheckNumber(const std::string& text, Runtime::Variant& limit) const;
  bool ValidateNumber();
  bool ValidateText();
  bool ValidatePath();
  bool Fail();

  void txtTextBox_GotFocus();
  void txtTextBox_KeyPress(int16_t& KeyAscii);
  void txtTextBox_LostFocus();
  void cmdSearchButton_Click();

  bool caseSensitive_ = false;
  std::string registryApp_;
  Runtime::Variant value_;
  std::string name_;
  int32_t valueValidate_ = 2;
  std::string registryPath_;
  std::string registryKey_;
  Runtime::Variant defaultValue_;
  Runtime::Variant minValue_;
  Runtime::Variant maxValue_;
  int32_t valueType_ = 0;
  int32_t fileType_ = 0;

  Platform::TextBox* txtTextBox_ = nullptr;
  Platform::CommandButton* cmdSearchButton_ = nullptr;
  // The box's events; a connection that is no longer connected means the
  // control has ended.
  Platform::ScopedConnection boxGotFocus_, boxKeyPress_, boxLostFocus_;
  Platform::ScopedConnection buttonClick_;
};

}  // namespace Kordex
