#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graph/model/GraphRegion.h"
#include "graph/render/Graph.h"
#include "platform/gui/RecordingSurface.h"
#include "tests/graph/GraphTestHost.h"

namespace GraphTest {

// The coordinates of a record, as a literal.
inline std::vector<double> Args(std::initializer_list<double> args) {
  return args;
}

// A graph on a 600 x 400 recording canvas, so SpacingUnit is 4 and every text
// is 6 units a character wide and 10 high.
class Drawing : public testing::Test {
 protected:
  Drawing() : host(600, 400) { host.site->Resize(600, 400); }

  Platform::RecordingSurface& Canvas() const { return host.Canvas(); }
  // The records of one drawing of the whole chart.
  const std::vector<Platform::SurfaceRecord>& DrawChart(bool titleBar = false) {
    Canvas().ClearRecords();
    graph.Draw(titleBar);
    return Canvas().Records();
  }
  Dravex::GraphRegion& Region(const char* key) const { return *graph.Regions()->Item(key); }
  // The lines of the records of one kind of call.
  std::vector<std::string> Calls(const char* call) const {
    std::vector<std::string> lines;
    for (const auto& record : Canvas().RecordsOf(call)) lines.push_back(record.ToString());
    return lines;
  }
  // The first record that printed text, or nullptr.
  const Platform::SurfaceRecord* Printed(const std::string& text) const {
    for (const auto& record : Canvas().Records()) {
      if (record.Text == text) return &record;
    }
    return nullptr;
  }
  void AddValues(const char* series, std::initializer_list<Runtime::Variant> values) {
    for (const auto& value : values) graph.AddValue(series, value);
  }

  TestHost host;
  Dravex::Graph& graph = *host.graph;
};

}  // namespace GraphTest
