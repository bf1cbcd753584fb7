#include "graph/model/GraphXAxisLabelCol.h"

#include <memory>

namespace Dravex {

GraphXAxisLabelCol::GraphXAxisLabelCol() = default;
GraphXAxisLabelCol::~GraphXAxisLabelCol() = default;

void GraphXAxisLabelCol::Add(std::string label, Runtime::Variant value, const std::string& key) {
  auto item = std::make_shared<GraphXAxisLabel>();
  item->Label(std::move(label));
  item->Value(std::move(value));
  Append(std::move(item), key);
}

void GraphXAxisLabelCol::Clear() {
  // At once rather than label by label from the front: a chart is emptied on
  // every rebuild, and removing from the front moves every label behind.
  Col()->Clear();
}

}  // namespace Dravex
