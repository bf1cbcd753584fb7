#pragma once

// A chart's graph with series, the person's stand-in, and the library's own
// preferences dialog, for the tests of the graph preferences.
#include <functional>
#include <memory>
#include <string>

#include "graph/prefs/GraphPreferenceDialog.h"
#include "graph/prefs/GraphPreferenceForm.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/FormsFixture.h"

class GraphPreferenceFixture : public FormsTest {
 protected:
  void AddSeries(int count) {
    for (int i = 1; i <= count; ++i)
      host.graph->AddSeries("S" + std::to_string(i), Dravex::SeriesStyleType::LineGraph);
  }
  std::shared_ptr<Dravex::GraphStats> Stats(int series) const {
    return host.graph->Series()->Item(Runtime::Variant(int16_t(series)))->StatsAlarms();
  }
  // The person's turn at each modal show: play, then press a button.
  void Play(std::function<void(Dravex::GraphPreferenceForm&)> play) {
    responder->OnModal = [play](Platform::Form& form) {
      play(static_cast<Dravex::GraphPreferenceForm&>(form));
    };
  }

  GraphTest::TestHost host;
};
