#pragma once

#include <cstdint>
#include <string>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

struct RichDocument;

// A box of formatted text: paragraphs with their own tab stops, characters
// bold or not and of any size. Positions count characters from 0; line breaks
// in the text are CR LF. The Sel... members read the selection (the caret
// when nothing is selected) and change it; with nothing selected the bold
// flag and the size apply to the text typed or inserted next. Tab stops and
// margins are in twips. KeyPress sees each typed character first and may
// swallow it; the mouse events carry the button. The box shows no context
// menu of its own.
class TAVRO_PLATFORM_GUI_API RichTextBox : public VisualControl {
 public:
  RichTextBox(Container& container, std::string name, int index = -1);
  ~RichTextBox() override;

  std::string Text() const;
  // Replaces everything with plain text in the box's font.
  void SetText(const std::string& text);
  int SelStart() const;
  void SetSelStart(int start);
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection by the text in the current formatting; the caret
  // ends after it.
  void SetSelText(const std::string& text);

  // Of the first character selected, or the formatting the caret types with.
  bool SelBold() const;
  void SetSelBold(bool on);
  double SelFontSize() const;
  void SetSelFontSize(double points);
  // The tab stops of the paragraph where the selection starts; setting them
  // sets them on every paragraph of the selection.
  int SelTabCount() const;
  void SetSelTabCount(int count);
  // Index from 0; 0 for a stop outside the count.
  int32_t SelTabs(int index) const;
  void SetSelTabs(int index, int32_t twips);
  // Where the lines wrap, in twips from the left; 0 wraps at the box's width.
  int32_t RightMargin() const { return rightMargin_; }
  void SetRightMargin(int32_t twips);

  // The whole text, or the selection, as an RTF document; setting reads RTF
  // (damaged RTF reads as far as it makes sense).
  std::string TextRTF() const;
  void SetTextRTF(const std::string& rtf);
  std::string SelRTF() const;
  // Replaces the selection by the RTF document's text.
  void SetSelRTF(const std::string& rtf);

 private:
  RichDocument DocumentBetween(int from, int to) const;
  void Insert(const RichDocument& document);

  int32_t rightMargin_ = 0;
};

}  // namespace Platform
