#pragma once

#include <string>

#include "graph/DravexApi.h"
#include "graph/model/DravexObject.h"
#include "runtime/Variant.h"

namespace Dravex {

// Whether one statistics line of a series (the mean, or the line that many
// standard deviations from it) is drawn, and its display name.
class DRAVEX_API GraphStdDev : public DravexObject {
 public:
  GraphStdDev();
  ~GraphStdDev() override;

  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }
  bool StdDevOn() const { return stdDevOn_; }
  void StdDevOn(bool value) { stdDevOn_ = value; }

 private:
  std::string name_;
  bool stdDevOn_ = false;
};

}  // namespace Dravex
