#pragma once

#include <memory>
#include <string>

#include "platform/gui/Form.h"

namespace Dravex {
class Graph;
}

namespace Kordex {

// The child window that shows one chart's data as a text table. For now it
// holds the table's plain and rich text and nothing more: the table itself
// is empty.
class TableForm : public Platform::Form {
 public:
  // The table's text box: its plain text and its rich text.
  class TableTextBox {
   public:
    const std::string& Text() const { return text_; }
    void SetText(const std::string& Text) { text_ = Text; }
    const std::string& TextRTF() const { return rtf_; }
    void SetTextRTF(const std::string& TextRTF) { rtf_ = TextRTF; }

   private:
    std::string text_;
    std::string rtf_;
  };

  TableForm();
  ~TableForm() override;

  // Makes the table of a chart's graph.
  void CreateTable(const std::shared_ptr<Dravex::Graph>& Graph);

  void Form_Unload(int16_t& Cancel) override;

  TableTextBox TableText;
};

}  // namespace Kordex
