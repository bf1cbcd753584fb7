#pragma once

#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphCollection.h"
#include "graph/model/GraphXAxisLabel.h"
#include "runtime/Variant.h"

namespace Dravex {

// The X labels in position order: label i belongs to point i of every series.
class DRAVEX_API GraphXAxisLabelCol : public GraphCollection<GraphXAxisLabel> {
 public:
  GraphXAxisLabelCol();
  ~GraphXAxisLabelCol() override;

  // Appends a new label, under key when key is not "" (a key already present
  // raises 457). An omitted value stays the missing-argument marker, not Null.
  void Add(std::string label, Runtime::Variant value = Runtime::Variant::Missing(),
           const std::string& key = "");
  void Clear();
  using GraphCollection::Col;
};

}  // namespace Dravex
