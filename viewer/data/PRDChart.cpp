#include "viewer/data/PRDChart.h"

#include <algorithm>
#include <functional>
#include <limits>

#include "common/CollectionFunctions.h"
#include "graph/model/GraphSeries.h"
#include "graph/model/GraphSeriesCol.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphValueCol.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"

namespace Kordex {

namespace {

// The machines write their files on a system whose names cannot hold a TAB,
// and the summary reader takes every TAB out of a line: no name from the data
// starts with one.
const std::string EmptyNameKey = "\t(no name)";

// FNV-1a: names are short, and a hash of their bytes in line costs less than
// a call.
size_t NameHash(std::string_view name) noexcept {
  uint64_t hash = 14695981039346656037ULL;
  for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  return static_cast<size_t>(hash ^ (hash >> 29));
}

bool Fits32(int64_t value) {
  return value >= std::numeric_limits<int32_t>::min() &&
         value <= std::numeric_limits<int32_t>::max();
}

}  // namespace

PRDChart::PRDChart(std::shared_ptr<Dravex::Graph> Graph)
    : graph_(std::move(Graph)), series_(graph_->Series()), labels_(graph_->XAxis()->Labels()) {
  const Runtime::CollectionRef labels = labels_->Col();
  for (int32_t i = 1; i <= labels->Count(); ++i) {
    const std::string& key = labels->KeyAt(i);
    if (!key.empty()) positionByKey_.emplace(Runtime::FoldCase(key), static_cast<int16_t>(i));
  }
}

PRDChart::~PRDChart() = default;

bool PRDChart::Alive() const {
  try {
    return graph_->Series() == series_ && graph_->XAxis()->Labels() == labels_;
  } catch (const Runtime::Error&) {
    return false;
  }
}

std::string PRDChart::LabelKey(const std::string& Name) {
  return Name.empty() ? EmptyNameKey : Name;
}

bool PRDChart::HasSeries(const std::string& Name) const {
  return Runtime::IsTrue(Common::InCollection(*graph_->Series()->Col(), Runtime::Variant(Name)));
}

PRDChart::SeriesSlot PRDChart::EnsureSeries(const std::string& Name,
                                            Dravex::SeriesStyleType Style) {
  const std::string folded = Runtime::FoldCase(Name);
  if (const auto found = slotByName_.find(folded); found != slotByName_.end()) {
    return found->second;
  }
  if (!HasSeries(Name)) graph_->AddSeries(Name, Style);
  slots_.push_back({Runtime::Variant(Name), {}, {}});
  slotByName_.emplace(folded, slots_.size() - 1);
  return slots_.size() - 1;
}

int16_t PRDChart::Position(std::string_view Name) const {
  const std::string key = Name.empty() ? EmptyNameKey : std::string(Name);
  const auto found = positionByKey_.find(Runtime::FoldCase(key));
  return found == positionByKey_.end() ? int16_t{0} : found->second;
}

int16_t PRDChart::EnsureLabel(const std::string& Name) {
  return EnsureLabel(Name, Name, Runtime::Variant::Missing());
}

int16_t PRDChart::EnsureLabel(const std::string& Name, const std::string& Label,
                              const Runtime::Variant& Value) {
  // Most names come again as they were written before: found without folding.
  const size_t hash = NameHash(Name);
  if (const int16_t seen = positionByName_.Find(Name, hash); seen != 0) return seen;
  const int16_t position = EnsureLabelFolded(Name, Label, Value);
  positionByName_.Add(Name, hash, position);
  return position;
}

int16_t PRDChart::NameIndex::Find(std::string_view name, size_t hash) const noexcept {
  if (entries_.empty()) return 0;
  const size_t mask = entries_.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Entry& entry = entries_[i];
    if (entry.Position == 0) return 0;
    if (entry.Hash == hash && entry.Name == name) return entry.Position;
  }
}

void PRDChart::NameIndex::Add(std::string_view name, size_t hash, int16_t position) {
  // At most half full, so that a probe for a name not there ends soon.
  if (2 * (count_ + 1) > entries_.size()) {
    std::vector<Entry> old(std::max<size_t>(64, 2 * entries_.size()));
    old.swap(entries_);
    count_ = 0;
    for (Entry& entry : old) {
      if (entry.Position != 0) Add(entry.Name, entry.Hash, entry.Position);
    }
  }
  const size_t mask = entries_.size() - 1;
  size_t i = hash & mask;
  while (entries_[i].Position != 0) i = (i + 1) & mask;
  entries_[i] = {hash, std::string(name), position};
  ++count_;
}

int16_t PRDChart::EnsureLabelFolded(const std::string& Name, const std::string& Label,
                                    const Runtime::Variant& Value) {
  const std::string key = LabelKey(Name);
  std::string folded = Runtime::FoldCase(key);
  if (const auto found = positionByKey_.find(folded); found != positionByKey_.end()) {
    return found->second;
  }
  labels_->Add(Label, Value, key);
  const int16_t position = labels_->Count();
  positionByKey_.emplace(std::move(folded), position);
  return position;
}

Runtime::Variant PRDChart::Whole(int64_t value, int64_t& sum) {
  sum += value;
  return Fits32(value) && Fits32(sum) ? Runtime::Variant(static_cast<int32_t>(value))
                                      : Runtime::Variant(static_cast<double>(value));
}

std::pair<int64_t, int64_t>& PRDChart::SumsAt(Slot& Series, int16_t Position) {
  if (Position < 1) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  const auto index = static_cast<size_t>(Position) - 1;
  if (Series.Sums.size() <= index) Series.Sums.resize(index + 1, {0, 0});
  return Series.Sums[index];
}

void PRDChart::Add(SeriesSlot Series, int64_t y, int64_t t, int16_t Position) {
  if (Position < 1) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  std::vector<uint32_t>& pendingAt = slots_.at(Series).PendingAt;
  const auto index = static_cast<size_t>(Position) - 1;
  if (pendingAt.size() <= index) pendingAt.resize(index + 1, 0);
  uint32_t& entry = pendingAt[index];
  if (entry == 0) {
    pending_.push_back({Series, Position, Form::WholePair, y, t, 0});
    entry = static_cast<uint32_t>(pending_.size());
  } else {
    pending_[entry - 1].Y += y;
    pending_[entry - 1].T += t;
  }
}

void PRDChart::Add(SeriesSlot Series, int64_t y, const Runtime::Variant& t, int16_t Position) {
  if (Position < 1) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  CloseSums();
  pending_.push_back({Series, Position, Form::WholeY, y, 0, static_cast<uint32_t>(values_.size())});
  values_.push_back(t);
}

void PRDChart::Add(SeriesSlot Series, const Runtime::Variant& y, const Runtime::Variant& t,
                   int16_t Position) {
  if (Position < 1) Runtime::Raise(Runtime::ErrorNumber::InvalidProcedureCall);
  CloseSums();
  pending_.push_back(
      {Series, Position, Form::ValuePair, 0, 0, static_cast<uint32_t>(values_.size())});
  values_.push_back(y);
  values_.push_back(t);
}

void PRDChart::CloseSums() {
  for (size_t i = open_; i < pending_.size(); ++i) {
    const Pending& p = pending_[i];
    if (p.How == Form::WholePair) {
      slots_[p.Series].PendingAt[static_cast<size_t>(p.Position) - 1] = 0;
    }
  }
  open_ = pending_.size();
}

void PRDChart::Flush() {
  CloseSums();
  open_ = 0;
  // Taken out first: a handler of the graph's events may start another load.
  std::vector<Pending> pending;
  pending.swap(pending_);
  std::vector<Runtime::Variant> values;
  values.swap(values_);
  // Each series' run of points in one call, in the same order.
  std::vector<Dravex::Graph::Increment> run;
  run.reserve(pending.size());
  for (size_t i = 0; i < pending.size();) {
    const SeriesSlot series = pending[i].Series;
    Slot& slot = slots_.at(series);
    run.clear();
    for (; i < pending.size() && pending[i].Series == series; ++i) {
      const Pending& p = pending[i];
      switch (p.How) {
        case Form::WholePair: {
          auto& [sumY, sumT] = SumsAt(slot, p.Position);
          run.push_back({p.Position, Whole(p.Y, sumY), Whole(p.T, sumT)});
          break;
        }
        case Form::WholeY:
          run.push_back({p.Position, Whole(p.Y, SumsAt(slot, p.Position).first),
                         std::move(values[p.Values])});
          break;
        case Form::ValuePair:
          run.push_back({p.Position, std::move(values[p.Values]), std::move(values[p.Values + 1])});
          break;
      }
    }
    graph_->AddIncrements(slot.Name, run);
  }
  // Kept for the next day, unless a handler of the graph's events added more.
  pending.clear();
  values.clear();
  if (pending_.empty()) pending_.swap(pending);
  if (values_.empty()) values_.swap(values);
}

std::vector<std::pair<Runtime::Variant, Runtime::Variant>> PRDChart::PointsAt(
    int16_t Position, std::string_view Except) const {
  std::vector<std::pair<Runtime::Variant, Runtime::Variant>> points;
  const Runtime::CollectionRef series = graph_->Series()->Col();
  for (int32_t i = 1; i <= series->Count(); ++i) {
    if (Runtime::EqualsNoCase(series->KeyAt(i), Except)) continue;
    const auto values = series->Item(Runtime::Variant(i)).ObjectAs<Dravex::GraphSeries>()->Values();
    if (values->Count() < Position) continue;
    const auto point = values->Item(Runtime::Variant(Position));
    points.emplace_back(point->Y(), point->TempValue());
  }
  return points;
}

}  // namespace Kordex
