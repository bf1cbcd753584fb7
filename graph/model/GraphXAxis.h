#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphHost.h"
#include "graph/model/GraphText.h"
#include "graph/model/GraphTypes.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "runtime/Variant.h"

namespace Dravex {

// The graph's X axis: a row of numbered positions, one per point index, each
// with an optional label. A window of Width positions from First is shown; the
// graph's scroll bar moves it.
class DRAVEX_API GraphXAxis : public DravexObject {
 public:
  GraphXAxis();
  ~GraphXAxis() override;

  // The owning graph, not owned; the graph sets it when it builds its tree and
  // clears it (nullptr) when it tears the tree down.
  void SetParent(GraphHost* parent) { parent_ = parent; }

  std::shared_ptr<GraphXAxisLabelCol> Labels() const;
  void Labels(std::shared_ptr<GraphXAxisLabelCol> value) { labels_ = std::move(value); }
  // Printed before and after each label.
  const std::string& Prefix() const { return prefix_; }
  void Prefix(std::string value) { prefix_ = std::move(value); }
  const std::string& Postfix() const { return postfix_; }
  void Postfix(std::string value) { postfix_ = std::move(value); }
  std::shared_ptr<GraphText> Title() const;
  void Title(std::shared_ptr<GraphText> value) { title_ = std::move(value); }
  LabelOrientaionType LabelOrientation() const { return labelOrientation_; }
  void LabelOrientation(LabelOrientaionType value) { labelOrientation_ = value; }

  // The number of positions shown at once. Setting it keeps it whatever
  // happens next, then fits the graph's scroll bar to the data: shown, raising
  // ScrollBarSize, when the data needs more positions, else hidden with the
  // window back at position 1. Without a graph it raises 91 once stored.
  int16_t Width() const { return width_; }
  void Width(int16_t value);
  // The first position shown (the scroll bar's value); not checked.
  int16_t First() const { return first_; }
  void First(int16_t value) { first_ = value; }
  // Every n-th label is printed; 0 or less keeps the old value.
  int16_t LabelEvery() const { return labelEvery_; }
  void LabelEvery(int16_t value);
  // LabelEvery is worked out from the label widths when drawing.
  bool LabelEveryAutomatic() const { return labelEveryAutomatic_; }
  void LabelEveryAutomatic(bool value) { labelEveryAutomatic_ = value; }

 private:
  GraphHost* parent_ = nullptr;
  std::shared_ptr<GraphXAxisLabelCol> labels_;
  std::string prefix_;
  std::string postfix_;
  std::shared_ptr<GraphText> title_;
  LabelOrientaionType labelOrientation_ = LabelOrientaionType::LabelHorizontal;
  int16_t width_ = 10;
  int16_t first_ = 1;
  int16_t labelEvery_ = 1;
  bool labelEveryAutomatic_ = true;
};

}  // namespace Dravex
