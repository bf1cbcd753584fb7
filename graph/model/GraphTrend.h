#pragma once

#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

// The trend line of a series: its kind and its display name. Only
// TrendLinear is drawn; the other kinds are kept and draw nothing.
class DRAVEX_API GraphTrend : public DravexObject {
 public:
  GraphTrend();
  ~GraphTrend() override;

  TrendType Trend() const { return trend_; }
  void Trend(TrendType value) { trend_ = value; }
  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }

 private:
  TrendType trend_ = TrendType::TrendNone;
  std::string name_;
};

}  // namespace Dravex
