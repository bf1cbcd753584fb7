#include "graph/model/GraphSectionCol.h"

#include "runtime/Strings.h"

namespace Dravex {

GraphSectionCol::GraphSectionCol() = default;
GraphSectionCol::~GraphSectionCol() = default;

void GraphSectionCol::Add(std::shared_ptr<GraphSection> newGraphSection, const std::string& key) {
  Append(std::move(newGraphSection), key);
}

void GraphSectionCol::RemoveTag(const std::string& tag) {
  const std::string wanted = Runtime::UCase(tag);
  int32_t position = 1;
  while (position <= Count()) {
    if (Runtime::UCase(Item(position)->Tag()) == wanted) {
      Remove(position);
    } else {
      ++position;
    }
  }
}

}  // namespace Dravex
