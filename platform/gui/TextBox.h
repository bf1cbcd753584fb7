#pragma once

#include <string>

#include "platform/Event.h"
#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A box the person types text into. Change runs on every change of the text,
// also one the program makes, but never when the new text equals the old.
// KeyPress sees each typed character first and may change or swallow it.
// Positions count characters from 0; line breaks in the text are CR LF.
class TAVRO_PLATFORM_GUI_API TextBox : public VisualControl {
 public:
  TextBox(Container& container, std::string name, int index = -1);
  ~TextBox() override;

  std::string Text() const;
  void SetText(const std::string& text);
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection (inserts at the caret when nothing is selected).
  void SetSelText(const std::string& text);

  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool on);
  // A locked box shows its text but the person cannot change it.
  bool Locked() const { return locked_; }
  void SetLocked(bool on);
  int MaxLength() const { return maxLength_; }  // 0: no limit
  void SetMaxLength(int length);
  int Alignment() const { return alignment_; }  // Alignments
  void SetAlignment(int alignment);

  Event<> Change;

  void CopyFrom(const VisualControl& model) override;

  // The window system's notice that the person changed the text.
  void NoticeEdited();

 private:
  void BuildEditor(const std::string& text);
  void RaiseChangeIfNew(const std::string& text);

  bool multiLine_ = false;
  bool locked_ = false;
  int maxLength_ = 0;
  int alignment_ = 0;
  std::string last_;
};

}  // namespace Platform
