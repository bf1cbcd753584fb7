#include "graph/model/GraphXAxis.h"

#include "graph/model/ObjectAccess.h"
#include "runtime/Error.h"

namespace Dravex {

GraphXAxis::GraphXAxis()
    : labels_(std::make_shared<GraphXAxisLabelCol>()), title_(std::make_shared<GraphText>()) {
  title_->Text("X Axis");
}

GraphXAxis::~GraphXAxis() = default;

std::shared_ptr<GraphXAxisLabelCol> GraphXAxis::Labels() const {
  return Required(labels_);
}

std::shared_ptr<GraphText> GraphXAxis::Title() const {
  return Required(title_);
}

void GraphXAxis::Width(int16_t value) {
  width_ = value;
  if (parent_ == nullptr) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet);
  GraphHost& graph = *parent_;

  const int16_t needed = graph.MaxWidth();
  if (value < needed) {
    GrowXScroll(graph, Count16(int32_t{needed} + 1 - value));
  } else {
    graph.XScroll().Visible(false);
    Required(graph.XAxis())->First(1);
  }
}

void GraphXAxis::LabelEvery(int16_t value) {
  if (value > 0) labelEvery_ = value;
}

}  // namespace Dravex
