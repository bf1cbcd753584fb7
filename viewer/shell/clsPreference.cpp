#include "viewer/shell/clsPreference.h"

#include <cfloat>
#include <cmath>

#include "common/DialogFunctions.h"
#include "common/FileFunctions.h"
#include "common/StringFunctions.h"
#include "platform/Files.h"
#include "platform/Problems.h"
#include "platform/gui/Application.h"
#include "platform/gui/CommandButton.h"
#include "platform/gui/MsgBox.h"
#include "platform/gui/TextBox.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"
#include "runtime/Strings.h"

namespace Kordex {

namespace {

namespace FileAttribute = Platform::FileAttribute;

const std::string CRLF = "\r\n";
constexpr int Warning = Platform::MsgBoxStyles::Exclamation + Platform::MsgBoxStyles::OKOnly;
constexpr int Question = Platform::MsgBoxStyles::Question + Platform::MsgBoxStyles::YesNo;

// A focus-loss check that pulls the focus back must not set off the check of
// the box the focus had gone to.
bool focusCheckRunning = false;

// Trimmed; a leading "." gets a "0" in front; trailing zeros after a "." and
// then a trailing "." go.
std::string NormaliseNumberText(std::string text) {
  text = Runtime::Trim(text);
  if (Runtime::Left(text, 1) == ".") text = "0" + text;
  while (Runtime::InStr(text, ".") > 0 && Runtime::Right(text, 1) == "0")
    text = Common::RemoveRightChars(text, 1);
  while (Runtime::Right(text, 1) == ".") text = Common::RemoveRightChars(text, 1);
  return text;
}

bool Ask(const std::string& prompt, const std::string& title) {
  return Platform::MsgBox(prompt, Question, title) == Platform::MsgBoxResults::Yes;
}

}  // namespace

clsPreference::clsPreference() = default;

clsPreference::~clsPreference() {
  SetTextBox(nullptr);
  SetSearchButton(nullptr);
}

Runtime::Variant clsPreference::Value() const {
  auto converted = [this](const Runtime::Variant& held) -> Runtime::Variant {
    switch (valueType_) {
      case PreferenceTypes::WholeNumber: return Runtime::CInt(held);
      case PreferenceTypes::RealNumber: return Runtime::CSng(held);
      default: return Runtime::CStr(held);
    }
  };
  try {
    return converted(value_);
  } catch (const Runtime::Error&) {
  }
  std::string held = "a value of another kind";
  try {
    held = "\"" + Runtime::CStr(value_) + "\"";
  } catch (const Runtime::Error&) {
  }
  Platform::ReportProblem("The preference \"" + name_ + "\" holds " + held +
                          ", which its type cannot hold; its default is used instead.");
  try {
    return converted(defaultValue_);
  } catch (const Runtime::Error&) {
  }
  if (valueType_ == PreferenceTypes::WholeNumber) return Runtime::Variant(int16_t{0});
  if (valueType_ == PreferenceTypes::RealNumber) return Runtime::Variant(0.0f);
  return Runtime::Variant(std::string());
}

Platform::TextBox* clsPreference::TextBox() const {
  return boxGotFocus_.Connected() ? txtTextBox_ : nullptr;
}

void clsPreference::SetTextBox(Platform::TextBox* box) {
  boxGotFocus_.Disconnect();
  boxKeyPress_.Disconnect();
  boxLostFocus_.Disconnect();
  txtTextBox_ = box;
  if (box == nullptr) return;
  boxGotFocus_ = box->GotFocus.Connect([this] { txtTextBox_GotFocus(); });
  boxKeyPress_ = box->KeyPress.Connect([this](int16_t& key) { txtTextBox_KeyPress(key); });
  boxLostFocus_ = box->LostFocus.Connect([this] { txtTextBox_LostFocus(); });
}

Platform::CommandButton* clsPreference::SearchButton() const {
  return buttonClick_.Connected() ? cmdSearchButton_ : nullptr;
}

void clsPreference::SetSearchButton(Platform::CommandButton* button) {
  buttonClick_.Disconnect();
  cmdSearchButton_ = button;
  if (button != nullptr) buttonClick_ = button->Click.Connect([this] { cmdSearchButton_Click(); });
}

bool clsPreference::ValidateValue() {
  if (TextBox() == nullptr) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  switch (valueType_) {
    case PreferenceTypes::WholeNumber:
    case PreferenceTypes::RealNumber: return ValidateNumber();
    case PreferenceTypes::Text: return ValidateText();
    case PreferenceTypes::FolderPath:
    case PreferenceTypes::FilePath: return ValidatePath();
    default: return true;
  }
}

clsPreference::NumberCheck clsPreference::CheckNumber(const std::string& text,
                                                      Runtime::Variant& limit) const {
  const bool whole = valueType_ == PreferenceTypes::WholeNumber;
  const double v = Runtime::Val(text);
  const std::string expected = Runtime::NumberText(whole ? std::floor(v) : v);
  if (text != expected) return NumberCheck::NotItsOwnForm;
  // What the type can hold bounds the registered limits.
  const Runtime::Variant typeMax =
      whole ? Runtime::Variant(int16_t{32767}) : Runtime::Variant(FLT_MAX);
  const Runtime::Variant typeMin =
      whole ? Runtime::Variant(int16_t{-32768}) : Runtime::Variant(-FLT_MAX);
  limit = maxValue_.IsEmpty() || Runtime::CDbl(maxValue_) > Runtime::CDbl(typeMax) ? typeMax
                                                                                   : maxValue_;
  if (v > Runtime::CDbl(limit)) return NumberCheck::AboveMaximum;
  limit = minValue_.IsEmpty() || Runtime::CDbl(minValue_) < Runtime::CDbl(typeMin) ? typeMin
                                                                                   : minValue_;
  if (v < Runtime::CDbl(limit)) return NumberCheck::BelowMinimum;
  return NumberCheck::Valid;
}

bool clsPreference::StoredValueFits(const Runtime::Variant& stored) const {
  if (valueType_ != PreferenceTypes::WholeNumber && valueType_ != PreferenceTypes::RealNumber)
    return true;
  std::string text;
  try {
    text = Runtime::CStr(stored);
  } catch (const Runtime::Error&) {
    return false;
  }
  Runtime::Variant limit;
  return CheckNumber(NormaliseNumberText(text), limit) == NumberCheck::Valid;
}

bool clsPreference::ValidateNumber() {
  Platform::TextBox& box = *TextBox();
  const std::string text = NormaliseNumberText(box.Text());
  box.SetText(text);
  Runtime::Variant limit;
  switch (CheckNumber(text, limit)) {
    case NumberCheck::NotItsOwnForm:
      Platform::MsgBox("Incorrect value type for '" + name_, Warning, "Value Type Error!");
      return Fail();
    case NumberCheck::AboveMaximum:
      Platform::MsgBox("The maximun value for '" + name_ + "' is " + Runtime::CStr(limit), Warning,
                       "Value Limit Error!");
      return Fail();
    case NumberCheck::BelowMinimum:
      Platform::MsgBox("The minimum value for '" + name_ + "' is " + Runtime::CStr(limit), Warning,
                       "Value Limit Error!");
      return Fail();
    case NumberCheck::Valid: break;
  }
  return true;
}

bool clsPreference::ValidateText() {
  auto compared = [this](const std::string& text) {
    return caseSensitive_ ? text : Runtime::UCase(text);
  };
  const std::string typed = compared(TextBox()->Text());
  if (!maxValue_.IsEmpty() && typed > compared(Runtime::CStr(maxValue_))) {
    Platform::MsgBox("The maximun value for '" + name_ + "' is '" + Runtime::CStr(maxValue_) + "'",
                     Warning, "Value Limit Error!");
    return Fail();
  }
  if (!minValue_.IsEmpty() && typed < compared(Runtime::CStr(minValue_))) {
    Platform::MsgBox("The minimum value for '" + name_ + "' is '" + Runtime::CStr(minValue_) + "'",
                     Warning, "Value Limit Error!");
    return Fail();
  }
  return true;
}

bool clsPreference::ValidatePath() {
  const std::string path = TextBox()->Text();
  const bool file = valueType_ == PreferenceTypes::FilePath;
  const std::string kind = file ? "file." : "folder.";
  const std::string missingTitle = std::string("Non Existant ") + (file ? "File!" : "Folder!");
  const std::string presentTitle = std::string("Not A New ") + (file ? "File!" : "Folder!");
  const std::string missing = "'" + path + "'" + CRLF + " is not an existing " + kind;
  const std::string present = "'" + path + "'" + CRLF + " is not a new " + kind;
  const std::string proceed = CRLF + "Is it Ok to proceed?";
  const bool exists = Common::FileExists(
      path, file ? FileAttribute::ReadOnly | FileAttribute::Hidden | FileAttribute::System
                 : FileAttribute::Directory);

  switch (fileType_) {
    case 1:
      if (exists) return true;
      Platform::MsgBox(missing, Warning, missingTitle);
      return Fail();
    case 2:
      if (!exists) return true;
      Platform::MsgBox(present, Warning, presentTitle);
      return Fail();
    case 3: return exists || Ask(missing + proceed, missingTitle) || Fail();
    case 4: return !exists || Ask(present + proceed, presentTitle) || Fail();
    case 5:
    case 6: {
      if (exists || valueType_ != PreferenceTypes::FolderPath) return true;
      if (!Ask("'" + path + "'" + CRLF + " is not an existing folder. Do you wish to create it?",
               "Non Existant Folder!"))
        return Fail();
      if (Common::CreatePath(path)) return true;
      const std::string failed = "I was unable to create" + CRLF + "'" + path + "'";
      if (fileType_ == 6) return Ask(failed + proceed, "Unable To Create Folder!") || Fail();
      Platform::MsgBox(failed, Warning, "Unable To Create Folder!");
      return Fail();
    }
    default: return true;
  }
}

bool clsPreference::Fail() {
  if (Platform::TextBox* box = TextBox()) box->SetFocus();
  return false;
}

void clsPreference::txtTextBox_GotFocus() {
  Platform::TextBox& box = *txtTextBox_;
  box.SetSelStart(0);
  box.SetSelLength(Runtime::Len(box.Text()));
}

void clsPreference::txtTextBox_KeyPress(int16_t& KeyAscii) {
  if (KeyAscii == 13 && !txtTextBox_->MultiLine()) {
    KeyAscii = 0;
    Platform::SendKeys("{TAB}");
  }
}

void clsPreference::txtTextBox_LostFocus() {
  if ((valueValidate_ & 1) == 0 || focusCheckRunning) return;
  focusCheckRunning = true;
  struct Release {
    ~Release() { focusCheckRunning = false; }
  } release;
  ValidateValue();
}

void clsPreference::cmdSearchButton_Click() {
  if (valueType_ != PreferenceTypes::FolderPath || TextBox() == nullptr) return;
  const std::string path = Common::BrowseForFolder(0, "Locate Folder For Machine Modules");
  if (path.empty()) return;
  TextBox()->SetText(path);
  TextBox()->SetFocus();
}

}  // namespace Kordex
