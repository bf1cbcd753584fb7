#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {
class Graph;
class GraphSeriesCol;
class GraphXAxisLabelCol;
}  // namespace Dravex

namespace Kordex {

// A chart's graph as one load fills it: series found or made by name, X
// positions found by key, and points added by increment as pairs (Y the
// numerator, TempValue the denominator), all through the graph's data-entry
// members. The load holds the graph for its whole length.
//
// Positions are looked up in an index of the label keys (without regard to
// case), so a point costs the same however many labels the chart has. A name
// that is empty is grouped under a key of its own that no name from the data
// can have, so it never lands on another group's position.
class PRDChart {
 public:
  // A series of the chart, as Add takes it.
  using SeriesSlot = size_t;

  explicit PRDChart(std::shared_ptr<Dravex::Graph> Graph);
  ~PRDChart();
  PRDChart(const PRDChart&) = delete;
  PRDChart& operator=(const PRDChart&) = delete;

  // False once the chart's host closed it (its object tree was released or
  // replaced): nothing more may be added.
  bool Alive() const;

  bool HasSeries(const std::string& Name) const;
  // The series of that name, made with the style given when the chart has none.
  SeriesSlot EnsureSeries(const std::string& Name, Dravex::SeriesStyleType Style);

  // The position of the label stored under key Name, 0 when there is none.
  int16_t Position(std::string_view Name) const;
  // The position of label Name, appended (text and key Name, no value) when
  // the chart has none.
  int16_t EnsureLabel(const std::string& Name);
  // The position of the label under key Name, appended with the text and
  // value given when the chart has none.
  int16_t EnsureLabel(const std::string& Name, const std::string& Label,
                      const Runtime::Variant& Value);

  // At position Position of the series: Y += y and TempValue += t. Whole
  // numbers go in as 32-bit integers while the point's sums fit them, and as
  // doubles once they would not.
  //
  // Everything added waits for Flush, which hands it to the graph in the
  // order it was added, each series' run of points in one call. Pairs of
  // whole numbers are summed here, per series and position, into the entry
  // their point was first given: a day of files costs the graph one
  // increment per point. The other forms close those entries, so that the
  // graph sees every point's additions in the order they were made and each
  // figure comes out as if every addition had gone straight to the graph.
  void Add(SeriesSlot Series, int64_t y, int64_t t, int16_t Position);
  void Add(SeriesSlot Series, int64_t y, const Runtime::Variant& t, int16_t Position);
  void Add(SeriesSlot Series, const Runtime::Variant& y, const Runtime::Variant& t,
           int16_t Position);

  // Hands the graph what Add kept back. The loader flushes before it lets
  // the event loop in and before it reads points back.
  void Flush();

  // Y and TempValue of the point at Position of every series but the one
  // named Except that has that many points, in series order (after Flush).
  std::vector<std::pair<Runtime::Variant, Runtime::Variant>> PointsAt(
      int16_t Position, std::string_view Except) const;

  // The key a label of this name is stored under.
  static std::string LabelKey(const std::string& Name);

 private:
  struct Slot {
    Runtime::Variant Name;
    // The whole sums this load gave each position (index 0 is position 1).
    std::vector<std::pair<int64_t, int64_t>> Sums;
    // Per position, 1 + the index of its open entry among those not yet in
    // the graph; 0 when it has none.
    std::vector<uint32_t> PendingAt;
  };
  // The value to add to a sum of whole numbers that was sum before: a 32-bit
  // integer while the new sum fits one, else a double.
  static Runtime::Variant Whole(int64_t value, int64_t& sum);
  std::pair<int64_t, int64_t>& SumsAt(Slot& Series, int16_t Position);
  int16_t EnsureLabelFolded(const std::string& Name, const std::string& Label,
                            const Runtime::Variant& Value);

  std::shared_ptr<Dravex::Graph> graph_;
  // What the chart held when the load started; a chart whose host unloaded it
  // no longer has them.
  std::shared_ptr<Dravex::GraphSeriesCol> series_;
  std::shared_ptr<Dravex::GraphXAxisLabelCol> labels_;
  std::vector<Slot> slots_;
  std::unordered_map<std::string, SeriesSlot> slotByName_;  // folded name
  std::unordered_map<std::string, int16_t> positionByKey_;  // folded key
  // The names EnsureLabel met, as they were written, with their positions:
  // every item of every file asks, so the table is probed in place by the
  // name's hash instead of through a node per name.
  class NameIndex {
   public:
    int16_t Find(std::string_view name, size_t hash) const noexcept;
    void Add(std::string_view name, size_t hash, int16_t position);

   private:
    struct Entry {
      size_t Hash = 0;
      std::string Name;
      int16_t Position = 0;  // 0: the entry is free
    };
    std::vector<Entry> entries_;
    size_t count_ = 0;
  };
  NameIndex positionByName_;
  // What is not yet in the graph, in order. A pair of whole numbers is
  // summed into the entry of its point (PendingAt) while that is open.
  enum class Form : uint8_t {
    WholePair,  // Y and T
    WholeY,     // Y, and the value at Values as TempValue
    ValuePair,  // the values at Values and Values + 1
  };
  struct Pending {
    SeriesSlot Series;
    int16_t Position;
    Form How;
    int64_t Y;
    int64_t T;
    uint32_t Values;
  };
  // Ends the sums of whole pairs kept so far: what comes next adds after them.
  void CloseSums();
  std::vector<Pending> pending_;
  std::vector<Runtime::Variant> values_;
  // Whole pairs from here on may still be open.
  size_t open_ = 0;
};

}  // namespace Kordex
