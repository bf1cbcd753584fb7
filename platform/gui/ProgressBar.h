#pragma once

#include <string>

#include "platform/gui/PlatformGuiApi.h"
#include "platform/gui/VisualControl.h"

namespace Platform {

// A bar that shows how far a long piece of work has come: Value from Min to Max.
class TAVRO_PLATFORM_GUI_API ProgressBar : public VisualControl {
 public:
  ProgressBar(Container& container, std::string name, int index = -1);
  ~ProgressBar() override;

  double Min() const { return min_; }
  void SetMin(double min);
  double Max() const { return max_; }
  void SetMax(double max);
  double Value() const { return value_; }
  // A value outside Min..Max raises error 380.
  void SetValue(double value);

  void CopyFrom(const VisualControl& model) override;

 private:
  void ShowValue();

  double min_ = 0;
  double max_ = 100;
  double value_ = 0;
};

}  // namespace Platform
