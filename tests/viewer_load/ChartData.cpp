#include "tests/viewer_load/ChartData.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

#include "graph/model/GraphSeries.h"
#include "graph/model/GraphSeriesCol.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphValueCol.h"
#include "graph/model/GraphXAxis.h"
#include "graph/model/GraphXAxisLabelCol.h"
#include "graph/render/Graph.h"
#include "runtime/CaseFold.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Format.h"
#include "viewer/data/PRDModule.h"

namespace LoadTest {

namespace fs = std::filesystem;
using Kordex::SampleData::SummaryContent;
using Kordex::SampleData::WrittenFile;

double Day(int year, int month, int day) {
  return Runtime::DateSerial(year, month, day).Serial;
}

ChartData ChartOf(const Dravex::Graph& graph) {
  ChartData chart;
  const auto labels = graph.XAxis()->Labels();
  for (int16_t i = 1; i <= labels->Count(); ++i) {
    chart.Labels.push_back(labels->Item(Runtime::Variant(i))->Label());
    chart.Keys.push_back(labels->Col()->KeyAt(i));
  }
  const auto series = graph.Series()->Col();
  for (int32_t s = 1; s <= series->Count(); ++s) {
    const std::string name = series->KeyAt(s);
    chart.Series.push_back(name);
    const auto values = series->Item(Runtime::Variant(s)).ObjectAs<Dravex::GraphSeries>()->Values();
    auto& points = chart.Points[name];
    for (int16_t p = 1; p <= values->Count(); ++p) {
      const auto value = values->Item(Runtime::Variant(p));
      if (value->Y().IsNull()) continue;
      points[p] = {Runtime::CDbl(value->Y()), Runtime::CDbl(value->TempValue())};
    }
  }
  return chart;
}

namespace {

// ---------------------------------------------------------------------------
// The figures of one file, from what the generator put into it.

struct Figures {
  std::vector<std::string> ErrorNames;
  std::vector<std::pair<std::string, std::vector<int64_t>>> Heads;  // key, errors
  std::vector<int64_t> HeadItemTotals;
  std::vector<std::pair<std::string, std::vector<int64_t>>> Feeders;  // part, errors
  std::vector<int64_t> FeederItemTotals;
  int64_t HeadTotal = 0, FeederTotal = 0;
  std::vector<int64_t> HeadErrors, FeederErrors;  // per kind
  int64_t Boards = 0;
  std::vector<Kordex::SampleData::RunTable> Tables;
};

bool Holds(const Runtime::CollectionRef& filter, const std::string& name) {
  if (filter->Count() == 0) return true;
  for (int32_t i = 1; i <= filter->Count(); ++i) {
    if (Runtime::EqualsNoCase(filter->KeyAt(i), name)) return true;
  }
  return false;
}

Figures FiguresOf(const SummaryContent& c, const Kordex::PRDQuery& q) {
  Figures f;
  f.ErrorNames = c.ErrorNames;
  const size_t kinds = c.ErrorNames.size();
  f.HeadErrors.assign(kinds, 0);
  f.FeederErrors.assign(kinds, 0);
  for (const auto& h : c.Heads) {
    const std::string key = h.Head >= 1 ? std::to_string(h.Head) + "-" + std::to_string(h.Spindle)
                                        : std::to_string(h.Spindle);
    if (!Holds(q.HeadFilter, key)) continue;
    std::vector<int64_t> errors(h.Errors.begin(), h.Errors.end());
    errors.resize(kinds, 0);
    for (size_t e = 0; e < kinds; ++e) f.HeadErrors[e] += errors[e];
    f.HeadTotal += h.Total;
    f.Heads.emplace_back(key, errors);
    f.HeadItemTotals.push_back(h.Total);
  }
  for (const auto& fd : c.Feeders) {
    if (!Holds(q.PartNumberFilter, fd.PartNumber)) continue;
    std::vector<int64_t> errors(fd.Errors.begin(), fd.Errors.end());
    errors.resize(kinds, 0);
    for (size_t e = 0; e < kinds; ++e) f.FeederErrors[e] += errors[e];
    f.FeederTotal += fd.Total;
    f.Feeders.emplace_back(fd.PartNumber, errors);
    f.FeederItemTotals.push_back(fd.Total);
  }
  f.Boards = c.BoardTotal - c.BoardBad;
  f.Tables = c.Tables;
  return f;
}

int64_t Sum(const std::vector<int64_t>& v) {
  int64_t s = 0;
  for (int64_t x : v) s += x;
  return s;
}

int64_t Seconds(const Kordex::SampleData::RunTable& t) {
  return int64_t{t.RunningSeconds} + t.WaitingSeconds + t.StoppedSeconds;
}

size_t Longest(const Figures& f) {
  size_t best = 0;
  for (size_t i = 1; i < f.Tables.size(); ++i) {
    if (f.Tables[i].RunningSeconds > f.Tables[best].RunningSeconds) best = i;
  }
  return best;
}

// ---------------------------------------------------------------------------
// A chart being worked out.

class Builder {
 public:
  ChartData Chart;

  int Label(const std::string& name) { return Label(name.empty() ? "\t" : name, name); }
  int Label(const std::string& key, const std::string& text) {
    const std::string folded = Runtime::FoldCase(key);
    if (const auto found = positions_.find(folded); found != positions_.end()) return found->second;
    Chart.Labels.push_back(text);
    Chart.Keys.push_back(key);
    const int position = static_cast<int>(Chart.Labels.size());
    positions_[folded] = position;
    return position;
  }
  void Series(const std::string& name) {
    for (const std::string& s : Chart.Series) {
      if (Runtime::EqualsNoCase(s, name)) return;
    }
    Chart.Series.push_back(name);
    Chart.Points[name];
  }
  void Add(const std::string& series, int position, double y, double t) {
    Series(series);
    auto& point = Chart.Points[series][position];
    point.first += y;
    point.second += t;
  }

 private:
  std::map<std::string, int> positions_;
};

struct FileOfDay {
  int Machine;
  std::string Name;
  const WrittenFile* File;
};

}  // namespace

ChartData ExpectedChart(const Kordex::PRDQuery& q, const fs::path& root,
                        const std::vector<WrittenFile>& files,
                        const std::vector<fs::path>& leftOut) {
  using namespace Kordex;
  const MachineTable machines = ReadMachineTable(q.LineNumber, root.string() + "/");
  const bool byDate = q.Grouping == GroupByDate;
  Builder b;
  switch (q.Measure) {
    case MeasureWastage:
      if (!byDate) b.Series("Wastage");
      break;
    case MeasureEfficiency: b.Series("Efficiency"); break;
    case MeasureProductivity: b.Series("Productivity"); break;
    case MeasureBoardCount:
      b.Series("Total");
      b.Series("Per Hour");
      break;
    case MeasureComponentsPerHour:
      if (!byDate) b.Series("CPH");
      if (byDate && q.MachineFilter->Count() != 1) b.Series("Total");
      break;
  }

  // The files of each day of the line, in the order the load meets them.
  std::map<double, std::vector<FileOfDay>> byDay;
  for (const WrittenFile& f : files) {
    if (f.Line != q.LineNumber) continue;
    if (std::find(leftOut.begin(), leftOut.end(), f.Path) != leftOut.end()) continue;
    const std::string dayName =
        f.Path.parent_path().parent_path().parent_path().filename().string();
    const double day = Day(std::stoi(dayName.substr(0, 4)), std::stoi(dayName.substr(5, 2)),
                           std::stoi(dayName.substr(8, 2)));
    byDay[day].push_back({f.Machine, f.Path.filename().string(), &f});
  }
  for (auto& [day, list] : byDay) {
    std::sort(list.begin(), list.end(), [](const FileOfDay& a, const FileOfDay& b) {
      if (a.Machine != b.Machine) return a.Machine < b.Machine;
      return Runtime::FoldCase(a.Name) < Runtime::FoldCase(b.Name);
    });
  }

  // Efficiency and productivity tallies: product -> machines in order of
  // appearance with (total seconds, running seconds, components).
  struct Tally {
    int Machine;
    int64_t Total = 0, Running = 0, Components = 0;
  };
  std::vector<std::pair<std::string, std::vector<Tally>>> tallies;
  auto tallyOf = [&](const std::string& product) -> std::vector<Tally>& {
    for (auto& [name, list] : tallies) {
      if (Runtime::EqualsNoCase(name, product)) return list;
    }
    tallies.push_back({product, {}});
    return tallies.back().second;
  };
  auto machineTally = [](std::vector<Tally>& list, int machine) -> Tally& {
    for (Tally& t : list) {
      if (t.Machine == machine) return t;
    }
    list.push_back({machine});
    return list.back();
  };
  auto longestTally = [](const std::vector<Tally>& list) -> const Tally* {
    const Tally* best = nullptr;
    for (const Tally& t : list) {
      if (!best || t.Running > best->Running) best = &t;
    }
    return best;
  };
  struct ProductFigures {
    int64_t Longest = 0, Capacity = 0, Components = 0;
  };
  auto productFigures = [&](const std::vector<Tally>& list) {
    ProductFigures pf;
    float speed = 0;
    for (const Tally& t : list) {
      pf.Longest = std::max(pf.Longest, t.Running);
      speed += machines.PlacementSpeed(static_cast<int16_t>(t.Machine));
      pf.Components += t.Components;
    }
    pf.Capacity = static_cast<int64_t>(
        Runtime::RoundHalfEven(static_cast<double>(speed) * static_cast<double>(pf.Longest)));
    return pf;
  };

  const double first = std::floor(q.FromDate.Serial);
  const double last = std::floor(q.ToDate.Serial);
  for (double day = first; day <= last; day += 1.0) {
    int p = 0;
    if (byDate) {
      const Runtime::Variant date(Runtime::DateTime{day});
      p = b.Label(Runtime::Format(date, "yyyymmdd"), Runtime::Format(date, "Short Date"));
      tallies.clear();
    }
    for (const FileOfDay& fd : byDay[day]) {
      const int m = fd.Machine;
      const std::string machine = machines.MachineName(static_cast<int16_t>(m));
      const std::string& product = fd.File->Product;
      if (!Holds(q.MachineFilter, machine) || !Holds(q.ProductFilter, product)) continue;
      const Figures f = FiguresOf(fd.File->Content, q);
      if (q.Grouping == GroupByError) {
        for (const std::string& name : f.ErrorNames) b.Label(name);
      }
      const bool partFilter = q.PartNumberFilter->Count() > 0;
      const bool headFilter = q.HeadFilter->Count() > 0;
      const int64_t placed = std::max(f.FeederTotal, f.HeadTotal);
      const bool hasTables = !f.Tables.empty();
      const double hours100 = hasTables ? static_cast<double>(Seconds(f.Tables[0])) / 36.0 : 0;
      switch (q.Measure) {
        case MeasureWastage: {
          const int64_t errors = Sum(partFilter ? f.FeederErrors : f.HeadErrors);
          const int64_t base = partFilter ? f.FeederTotal : headFilter ? f.HeadTotal : placed;
          if (q.Grouping == GroupByPartNumber || q.Grouping == GroupByHead) {
            const auto& items = q.Grouping == GroupByHead ? f.Heads : f.Feeders;
            const auto& totals = q.Grouping == GroupByHead ? f.HeadItemTotals : f.FeederItemTotals;
            for (size_t i = 0; i < items.size(); ++i) {
              const int pos = b.Label(items[i].first);
              if (items[i].second.empty()) continue;
              b.Add("Wastage", pos, static_cast<double>(Sum(items[i].second)),
                    static_cast<double>(totals[i]));
            }
          } else if (q.Grouping == GroupByError) {
            const auto& kinds = partFilter ? f.FeederErrors : f.HeadErrors;
            const int64_t total = partFilter ? f.FeederTotal : f.HeadTotal;
            for (size_t e = 0; e < kinds.size(); ++e) {
              b.Add("Wastage", b.Label(f.ErrorNames[e]), static_cast<double>(kinds[e]),
                    static_cast<double>(total));
            }
          } else if (q.Grouping == GroupByProduct) {
            b.Add("Wastage", b.Label(product), static_cast<double>(errors),
                  static_cast<double>(base));
          } else if (q.Grouping == GroupByMachine) {
            b.Add("Wastage", b.Label(machine), static_cast<double>(errors),
                  static_cast<double>(base));
          } else {
            b.Add(machine, p, static_cast<double>(errors), static_cast<double>(base));
          }
          break;
        }
        case MeasureEfficiency: {
          Tally& t = machineTally(tallyOf(product), m);
          if (hasTables) t.Running += f.Tables[Longest(f)].RunningSeconds;
          t.Components += placed - Sum(f.HeadErrors);
          break;
        }
        case MeasureProductivity:
          if (q.Grouping == GroupByMachine) {
            const int pos = b.Label(machine);
            if (hasTables) {
              const auto& t = f.Tables[Longest(f)];
              b.Add("Productivity", pos, t.RunningSeconds, static_cast<double>(Seconds(t)));
            }
          } else {
            std::vector<Tally>& list = tallyOf(product);
            if (hasTables) {
              Tally& t = machineTally(list, m);
              t.Total += Seconds(f.Tables[Longest(f)]);
              t.Running += f.Tables[Longest(f)].RunningSeconds;
            }
          }
          break;
        case MeasureBoardCount:
          if (m == 1 && hasTables && (byDate || q.Grouping == GroupByProduct)) {
            const int pos = byDate ? p : b.Label(product);
            b.Add("Per Hour", pos, static_cast<double>(f.Boards), hours100);
            b.Add("Total", pos, static_cast<double>(f.Boards), 0);
          }
          break;
        case MeasureComponentsPerHour:
          if (!hasTables) break;
          if (q.Grouping == GroupByMachine) {
            b.Add("CPH", b.Label(machine), static_cast<double>(placed), hours100);
          } else if (q.Grouping == GroupByProduct) {
            b.Add("CPH", b.Label(product), static_cast<double>(placed), hours100);
          } else if (byDate) {
            b.Add(machine, p, static_cast<double>(placed), hours100);
          }
          break;
      }
    }
    if (!byDate) continue;
    // The end of the day.
    if (q.Measure == MeasureComponentsPerHour && q.MachineFilter->Count() != 1) {
      double rates = 0;
      bool any = false;
      for (const auto& [series, points] : b.Chart.Points) {
        if (series == "Total") continue;
        const auto point = points.find(p);
        if (point == points.end() || point->second.second == 0) continue;
        rates += point->second.first / point->second.second * 100.0;
        any = true;
      }
      if (any) b.Add("Total", p, rates, 0);
    } else if (q.Measure == MeasureProductivity) {
      for (const auto& [name, list] : tallies) {
        if (const Tally* t = longestTally(list)) {
          b.Add("Productivity", p, static_cast<double>(t->Running), static_cast<double>(t->Total));
        }
      }
    } else if (q.Measure == MeasureEfficiency) {
      int64_t components = 0, running = 0, capacity = 0;
      for (const auto& [name, list] : tallies) {
        const ProductFigures pf = productFigures(list);
        components += pf.Components;
        running += pf.Longest;
        capacity += pf.Capacity;
      }
      if (running > 0) {
        b.Add("Efficiency", p, static_cast<double>(components), static_cast<double>(capacity));
      }
    }
  }

  // The end of the range.
  if (q.Measure == MeasureEfficiency && q.Grouping == GroupByProduct) {
    for (const auto& [name, list] : tallies) {
      const int pos = b.Label(name);
      const ProductFigures pf = productFigures(list);
      if (pf.Longest > 0) {
        b.Add("Efficiency", pos, static_cast<double>(pf.Components),
              static_cast<double>(pf.Capacity));
      }
    }
  } else if (q.Measure == MeasureEfficiency && q.Grouping == GroupByMachine) {
    for (int16_t i = 1; i <= machines.MachineCount(); ++i) {
      int64_t running = 0, components = 0;
      for (const auto& [name, list] : tallies) {
        for (const Tally& t : list) {
          if (t.Machine != i) continue;
          running += t.Running;
          components += t.Components;
        }
      }
      const int pos = b.Label(machines.MachineName(i));
      if (running > 0) {
        b.Add("Efficiency", pos, static_cast<double>(components) / static_cast<double>(running),
              machines.PlacementSpeed(i));
      }
    }
  } else if (q.Measure == MeasureProductivity && q.Grouping == GroupByProduct) {
    for (const auto& [name, list] : tallies) {
      const int pos = b.Label(name);
      if (const Tally* t = longestTally(list)) {
        b.Add("Productivity", pos, static_cast<double>(t->Running), static_cast<double>(t->Total));
      }
    }
  }
  return b.Chart;
}

::testing::AssertionResult SameChart(const ChartData& expected, const ChartData& actual) {
  std::ostringstream why;
  if (expected.Labels != actual.Labels) {
    why << "labels differ: expected " << expected.Labels.size() << ", got " << actual.Labels.size();
    for (size_t i = 0; i < std::max(expected.Labels.size(), actual.Labels.size()); ++i) {
      const std::string e = i < expected.Labels.size() ? expected.Labels[i] : "-";
      const std::string a = i < actual.Labels.size() ? actual.Labels[i] : "-";
      if (e != a) {
        why << "; first at " << i + 1 << ": '" << e << "' / '" << a << "'";
        break;
      }
    }
    return ::testing::AssertionFailure() << why.str();
  }
  for (size_t i = 0; i < expected.Keys.size(); ++i) {
    if (!Runtime::EqualsNoCase(expected.Keys[i], actual.Keys[i]) &&
        !(expected.Keys[i] == "\t" && actual.Keys[i].starts_with("\t"))) {
      return ::testing::AssertionFailure()
             << "key " << i + 1 << ": '" << expected.Keys[i] << "' / '" << actual.Keys[i] << "'";
    }
  }
  if (expected.Series != actual.Series) {
    why << "series differ:";
    for (const auto& s : expected.Series) why << " '" << s << "'";
    why << " /";
    for (const auto& s : actual.Series) why << " '" << s << "'";
    return ::testing::AssertionFailure() << why.str();
  }
  auto close = [](double a, double b) {
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
  };
  for (const auto& [series, points] : expected.Points) {
    const auto& got = actual.Points.at(series);
    if (points.size() != got.size()) {
      return ::testing::AssertionFailure() << "series '" << series << "': " << points.size()
                                           << " points expected, " << got.size() << " found";
    }
    for (const auto& [position, value] : points) {
      const auto found = got.find(position);
      if (found == got.end()) {
        return ::testing::AssertionFailure()
               << "series '" << series << "': no point at " << position;
      }
      if (!close(value.first, found->second.first) || !close(value.second, found->second.second)) {
        return ::testing::AssertionFailure()
               << "series '" << series << "' at " << position << " ("
               << (position <= static_cast<int>(expected.Labels.size())
                       ? expected.Labels[static_cast<size_t>(position) - 1]
                       : "?")
               << "): expected (" << value.first << ", " << value.second << "), got ("
               << found->second.first << ", " << found->second.second << ")";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace LoadTest
