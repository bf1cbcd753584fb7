#include "graph/prefs/GraphPreferenceStore.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "common/CollectionFunctions.h"
#include "common/TavroRegistry.h"
#include "graph/render/Graph.h"
#include "platform/Problems.h"
#include "runtime/Conversions.h"
#include "runtime/Error.h"

namespace Dravex::GraphPreferenceStore {

namespace {

using Runtime::Variant;

constexpr int32_t kTextValue = 1;

std::string StdDevGroup(int16_t n) {
  return std::string("StdDev") + (n < 0 ? "Minus" : "Plus") + std::to_string(n < 0 ? -n : n);
}

std::string LimitGroup(enuLimits limit) {
  return limit == enuLimits::LowerLimit ? "LowerLimit" : "UpperLimit";
}

std::string BasePath(const std::string& sectionName, const std::string& chartName,
                     const GraphSeries& series) {
  return sectionName + "\\" + chartName + "\\" + series.Title()->Text() + "\\";
}

// Writes one series' values under its base path.
class Writer {
 public:
  Writer(const std::string& appname, std::string base) : app_(appname), base_(std::move(base)) {}

  void Number(const std::string& group, const std::string& name, const Variant& value) const {
    Common::SaveRegSetting(app_, base_ + group, name, value);
  }
  void Text(const std::string& group, const std::string& name, const std::string& text) const {
    Common::WriteRegValue(Common::BuildKeyPath(app_, base_ + group), name, Variant(text),
                          kTextValue);
  }
  void Limit(const std::string& group, float value) const {
    const double v = value;
    if (std::nearbyint(v) == v && v >= -2147483648.0 && v <= 2147483647.0)
      Number(group, "Value", Variant(static_cast<int32_t>(v)));
    else
      Text(group, "Value", SingleText(value));
  }

 private:
  const std::string& app_;
  std::string base_;
};

// Reads one series' values; a value of the wrong kind gives the default.
class Reader {
 public:
  Reader(const std::string& appname, std::string base) : app_(appname), base_(std::move(base)) {}

  bool Boolean(const std::string& group, const std::string& name, bool fallback) const {
    return Read<bool>(group, name, Variant(fallback), fallback, "a Boolean", Runtime::CBool);
  }
  int32_t Long(const std::string& group, const std::string& name) const {
    return Read<int32_t>(group, name, Variant(int32_t{0}), 0, "a whole number", Runtime::CLng);
  }
  std::string Text(const std::string& group, const std::string& name) const {
    return Read<std::string>(group, name, Variant(""), "", "a text", Runtime::CStr);
  }
  float Single(const std::string& group, const std::string& name) const {
    return Read<float>(group, name, Variant(int32_t{0}), 0.0f, "a number",
                       [](const Variant& v) { return Runtime::ToSingle(Runtime::CDbl(v)); });
  }

 private:
  template <class T>
  T Read(const std::string& group, const std::string& name, const Variant& missing, T fallback,
         const char* kind, const std::function<T(const Variant&)>& convert) const {
    const Variant stored = Common::GetRegSetting(app_, base_ + group, name, missing);
    try {
      return convert(stored);
    } catch (const Runtime::Error&) {
      std::string shown;
      try {
        shown = Runtime::CStr(stored);
      } catch (const Runtime::Error&) {
        shown = "(unreadable)";
      }
      Platform::ReportProblem("Graph preference \"" + Common::BuildKeyPath(app_, base_ + group) +
                              "\\" + name + "\" holds \"" + shown + "\", not " + kind +
                              "; its default is used.");
      return fallback;
    }
  }

  const std::string& app_;
  std::string base_;
};

void SaveSeries(const GraphSeries& series, const std::string& appname,
                const std::string& sectionName, const std::string& chartName) {
  const Writer out(appname, BasePath(sectionName, chartName, series));
  const auto stats = series.StatsAlarms();
  out.Text("Mean", "Display", stats->Mean()->Name());
  out.Number("Mean", "On", Variant(stats->Mean()->StdDevOn()));
  out.Number("Mean", "Bar", Variant(stats->MeanBar()));
  for (int16_t n : GraphStats::StdDevIndices) {
    out.Text(StdDevGroup(n), "Display", stats->StdDev(n)->Name());
    out.Number(StdDevGroup(n), "On", Variant(stats->StdDev(n)->StdDevOn()));
  }
  for (enuLimits which : {enuLimits::LowerLimit, enuLimits::UpperLimit}) {
    const auto limit = stats->Limits(which);
    out.Text(LimitGroup(which), "Display", limit->Name());
    out.Number(LimitGroup(which), "On", Variant(limit->LimitOn()));
    out.Limit(LimitGroup(which), limit->Value());
  }
  out.Number("Trends", "TrendType", Variant(static_cast<int32_t>(stats->Trend()->Trend())));
  out.Text("Trends", "Display", stats->Trend()->Name());
  out.Number("Alarms", "AlarmType", Variant(static_cast<int32_t>(stats->Alarm())));
  out.Number("Series", "On", Variant(series.Visible()));
  out.Number("Series", "Show Values", Variant(static_cast<int32_t>(series.ShowValue())));
  out.Number("Series", "Show Where", Variant(static_cast<int32_t>(series.ShowValueWhere())));
}

void LoadSeries(GraphSeries& series, const std::string& appname, const std::string& sectionName,
                const std::string& chartName) {
  const Reader in(appname, BasePath(sectionName, chartName, series));
  const auto stats = series.StatsAlarms();
  stats->Mean()->StdDevOn(in.Boolean("Mean", "On", false));
  stats->Mean()->Name(in.Text("Mean", "Display"));
  stats->MeanBar(in.Boolean("Mean", "Bar", false));
  for (int16_t n : GraphStats::StdDevIndices) {
    stats->StdDev(n)->StdDevOn(in.Boolean(StdDevGroup(n), "On", false));
    stats->StdDev(n)->Name(in.Text(StdDevGroup(n), "Display"));
  }
  for (enuLimits which : {enuLimits::UpperLimit, enuLimits::LowerLimit}) {
    const auto limit = stats->Limits(which);
    limit->LimitOn(in.Boolean(LimitGroup(which), "On", false));
    limit->Value(in.Single(LimitGroup(which), "Value"));
    limit->Name(in.Text(LimitGroup(which), "Display"));
  }
  stats->Alarm(static_cast<AlarmType>(in.Long("Alarms", "AlarmType")));
  stats->Trend()->Trend(static_cast<TrendType>(in.Long("Trends", "TrendType")));
  stats->Trend()->Name(in.Text("Trends", "Display"));
  series.Visible(in.Boolean("Series", "On", true));
  series.ShowValue(static_cast<ShowValueType>(in.Long("Series", "Show Values")));
  series.ShowValueWhere(static_cast<ShowValueWhereType>(in.Long("Series", "Show Where")));
}

}  // namespace

std::string SingleText(float value) {
  char text[32];
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(text, sizeof text, "%.*G", digits, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) break;
  }
  return text;
}

void SavePreferences(Graph& graph, const std::string& appname, const std::string& sectionName,
                     const std::string& chartName) {
  const auto all = graph.Series();
  const int16_t count = all->Count();
  for (int16_t s = 1; s <= count; ++s)
    SaveSeries(*all->Item(Variant(s)), appname, sectionName, chartName);
}

void LoadPreferences(Graph& graph, const std::string& appname, const std::string& sectionName,
                     const std::string& chartName, const Variant& series) {
  const auto all = graph.Series();
  if (series.IsMissing()) {
    const int16_t count = all->Count();
    for (int16_t s = 1; s <= count; ++s)
      LoadSeries(*all->Item(Variant(s)), appname, sectionName, chartName);
    return;
  }
  int16_t position = 0;
  if (Runtime::IsNumeric(series)) {
    position = Runtime::CInt(series);
  } else {
    const Variant found = Common::InCollection(*all->Col(), series, 1);
    if (!found.IsEmpty()) position = Runtime::CInt(found);
  }
  LoadSeries(*all->Item(Variant(position)), appname, sectionName, chartName);
}

}  // namespace Dravex::GraphPreferenceStore
