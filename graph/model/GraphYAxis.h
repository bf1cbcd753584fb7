#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "graph/model/GraphText.h"
#include "runtime/Variant.h"

namespace Dravex {

// A Y axis of the graph: its scale, set by hand or worked out from the data
// when drawing, its ticks, the number format of its tick labels and its title.
class DRAVEX_API GraphYAxis : public DravexObject {
 public:
  GraphYAxis();
  ~GraphYAxis() override;

  // The axis is drawn and used.
  bool Enabled() const { return enabled_; }
  void Enabled(bool value) { enabled_ = value; }
  // Top and bottom of the scale.
  float Max() const { return max_; }
  void Max(float value) { max_ = value; }
  float Min() const { return min_; }
  void Min(float value) { min_ = value; }
  // Max or Min is worked out from the data when drawing.
  bool AutomaticMax() const { return automaticMax_; }
  void AutomaticMax(bool value) { automaticMax_ = value; }
  bool AutomaticMin() const { return automaticMin_; }
  void AutomaticMin(bool value) { automaticMin_ = value; }
  // Printed before and after each tick label.
  const std::string& Prefix() const { return prefix_; }
  void Prefix(std::string value) { prefix_ = std::move(value); }
  const std::string& Postfix() const { return postfix_; }
  void Postfix(std::string value) { postfix_ = std::move(value); }
  std::shared_ptr<GraphText> Title() const;
  void Title(std::shared_ptr<GraphText> value) { title_ = std::move(value); }
  // Major tick intervals, and minor ticks per major tick.
  int16_t MajorTicks() const { return majorTicks_; }
  void MajorTicks(int16_t value) { majorTicks_ = value; }
  int16_t MinorTicks() const { return minorTicks_; }
  void MinorTicks(int16_t value) { minorTicks_ = value; }
  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }
  // The Format pattern of the tick labels ("0", "0.0", "0.00"...).
  const std::string& Decimals() const { return decimals_; }
  void Decimals(std::string value) { decimals_ = std::move(value); }

  // Sets Decimals to as many decimals as the tick step (Max - Min) /
  // MajorTicks needs. MajorTicks 0 raises division by zero (11) and a step out
  // of single range overflow (6), leaving Decimals as it was.
  void CreateDecimals();

 private:
  bool enabled_ = true;
  float max_ = 0;
  float min_ = 0;
  bool automaticMax_ = true;
  bool automaticMin_ = false;
  std::string prefix_;
  std::string postfix_;
  std::shared_ptr<GraphText> title_;
  int16_t majorTicks_ = 5;
  int16_t minorTicks_ = 1;
  std::string name_;
  std::string decimals_;
  // The tick step is rendered with it to count its decimals.
  std::string scientificFormat_ = "0.#######E+00";
};

}  // namespace Dravex
