#include "viewer/data/ReportCharts.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/CollectionFunctions.h"
#include "common/CommonFunctions.h"
#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroConstraintCol.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraints.h"
#include "graph/render/Graph.h"
#include "platform/gui/App.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"
#include "viewer/data/ChartPreferenceName.h"
#include "viewer/data/PRDLoader.h"
#include "viewer/data/PRDQuery.h"
#include "viewer/data/ReportHelpers.h"

namespace Kordex::KordexModule {

namespace {

using Kordex::PRDGrouping;
using Kordex::PRDMeasure;
using Runtime::Variant;

constexpr const char* RunTimeWidth = "RunTime Display Width";
constexpr const char* ParetoWidth = "Pareto Display Width";

// A grouping a report can chart: the subject's name (upper case), the word of
// captions and X-axis titles, the loader's grouping.
struct Subject {
  const char* Name;
  const char* Word;
  PRDGrouping Grouping;
};

constexpr Subject ByDate{"DATE", "Date", Kordex::GroupByDate};
constexpr Subject ByProduct{"PRODUCT", "Product", Kordex::GroupByProduct};
constexpr Subject ByMachine{"MACHINE", "Machine", Kordex::GroupByMachine};
constexpr Subject ByHead{"HEAD", "Head", Kordex::GroupByHead};
constexpr Subject ByPartNumber{"PART NUMBER", "Part Number", Kordex::GroupByPartNumber};
constexpr Subject ByError{"ERROR", "Error", Kordex::GroupByError};

// One run of a chart builder over its window: the steps every report shares.
class ChartRun {
 public:
  ChartRun(ReportWindow& form, PRDMeasure measure)
      : form_(form), graph_(RequiredGraph(form)), host_(Reports()) {
    const auto series = graph_->Series();
    const int16_t count = series->Count();
    for (int16_t i = 1; i <= count; ++i) series->Item(Variant(i))->Values()->Clear();
    graph_->XAxis()->Labels()->Clear();
    SetGraphStyle(*graph_);

    query_.Measure = measure;
    query_.LineNumber = form.intProductionLine();
    dataDirectory_ = Runtime::CStr(host_.PreferenceValue("Data Directory"));
    set_ = host_.objConstraintsCol()->Item(Variant(form.Tag()));
    footNote_ = "Constraints\r\n" + set_->PrintConstraints();
  }

  Dravex::Graph& Graph() { return *graph_; }
  Kordex::PRDQuery& Query() { return query_; }

  bool HasConstraint(const char* name) const {
    return Runtime::IsTrue(Common::InCollection(*set_->Constraints()->Col(), Variant(name)));
  }
  Runtime::CollectionRef Values(const char* name) const {
    return set_->Constraints()->Item(Variant(name))->ConstraintValues();
  }

  // The values of the constraint of that name, when the set has it, become
  // the filter's items and keys (as texts when asText). A value met again
  // without regard to case adds nothing: the loader's filters ignore case.
  void CopyFilter(const char* name, const Runtime::CollectionRef& filter, bool asText = false) {
    if (!HasConstraint(name)) return;
    for (const Variant& value : *Values(name)) {
      const std::string key = Runtime::CStr(value);
      if (Runtime::IsTrue(Common::InCollection(*filter, Variant(key)))) continue;
      filter->Add(asText ? Variant(key) : value, Variant(key));
    }
  }

  // The subject's name in upper case; "" for a set without subject, which
  // then matches no subject.
  std::string SubjectName() const {
    const auto subject = set_->Subject();
    return subject ? Runtime::UCase(subject->Name()) : std::string();
  }

  // Loads the subject's grouping and captions the window: the caption prefix
  // ("<title> By <subject> For Line ") and the window's line.
  void Load(const Subject& subject, const std::string& captionStart, const std::string& title,
            bool showProgress) {
    query_.Grouping = subject.Grouping;
    Kordex::LoadPRDSummaryData(query_, graph_, dataDirectory_, showProgress);
    form_.Caption(captionStart + title + " By " + subject.Word + " For Line " +
                  std::to_string(form_.intProductionLine()));
    graph_->LabelOrientation(Dravex::LabelOrientaionType::LabelDiagonal);
  }

  void Titles(const Subject& subject, const std::string& yAxis1,
              std::optional<std::string> yAxis2 = std::nullopt) {
    graph_->SetTitles(Variant("Kor"), Variant("dex"), Variant(form_.Caption()), Variant(footNote_),
                      Variant(subject.Word), Variant(yAxis1),
                      yAxis2 ? Variant(*yAxis2) : Variant::Missing());
  }

  // The X window: as many positions as there are labels left, at most the
  // width preference. Set after every step that drops points, so that it
  // never reaches past the labels.
  void Window(const char* widthPreference) {
    const auto axis = graph_->XAxis();
    axis->Width(Runtime::CInt(
        Common::MinOf(Variant(axis->Labels()->Count()), host_.PreferenceValue(widthPreference))));
  }

  Variant Preference(const char* name) const { return host_.PreferenceValue(name); }

  void Finish() {
    graph_->LoadPreferences(Platform::App::EXEName(), "Charts",
                            Kordex::GetChartPreferenceName(form_.Caption()));
    graph_->Draw();
  }

 private:
  static std::shared_ptr<Dravex::Graph> RequiredGraph(const ReportWindow& form) {
    auto graph = form.PRDGraph();
    if (!graph) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet, "KordexModule");
    return graph;
  }

  ReportWindow& form_;
  std::shared_ptr<Dravex::Graph> graph_;
  ReportHost& host_;
  Kordex::PRDQuery query_;
  std::string dataDirectory_;
  std::shared_ptr<Morvelt::TavroSPCConstraints> set_;
  std::string footNote_;
};

// What tells the four reports of one measure series apart.
struct RateReport {
  PRDMeasure Measure;
  const char* Title;
  std::vector<const Subject*> Subjects;
  // The series made a rate by Percent; by date, the components per hour
  // report makes every series but "Total" one instead.
  const char* Series;
  bool EveryButTotalByDate;
  // Board count: no filters reach the loader, nothing is ordered, and the
  // window always follows the run-time width.
  bool Filtered;
  bool Ordered;
  const char* OtherWidth;
  const char* YAxisTitle;
  enum { FixedHundred, Automatic, Unchanged } YAxis;
};

// Productivity and efficiency: percentages of their own series, by machine
// and product in descending order, on a fixed scale of 100.
RateReport PercentageReport(PRDMeasure measure, const char* title) {
  return {measure,     title,     {&ByDate, &ByMachine, &ByProduct}, title, false, true, true,
          ParetoWidth, "Percent", RateReport::FixedHundred};
}

const RateReport Productivity = PercentageReport(Kordex::MeasureProductivity, "Productivity");
const RateReport Efficiency = PercentageReport(Kordex::MeasureEfficiency, "Efficiency");
const RateReport CompsPerHour{Kordex::MeasureComponentsPerHour,
                              "Components Per Hour",
                              {&ByDate, &ByMachine, &ByProduct},
                              "CPH",
                              true,
                              true,
                              true,
                              ParetoWidth,
                              "Count",
                              RateReport::Automatic};
const RateReport BoardCount{Kordex::MeasureBoardCount,
                            "Board Count",
                            {&ByDate, &ByProduct},
                            "Per Hour",
                            false,
                            false,
                            false,
                            RunTimeWidth,
                            "Count",
                            RateReport::Unchanged};

const Subject* Find(const std::vector<const Subject*>& subjects, const std::string& name) {
  for (const Subject* subject : subjects)
    if (name == subject->Name) return subject;
  return nullptr;
}

void DrawRateChart(const RateReport& report, ReportWindow& form, bool showProgress) {
  ChartRun run(form, report.Measure);
  if (report.Filtered) {
    run.CopyFilter("Machine", run.Query().MachineFilter);
    run.CopyFilter("Product", run.Query().ProductFilter);
  }
  const auto dates = run.Values("Date");
  run.Query().FromDate = Runtime::CDate(Runtime::Int(dates->Item(Variant(1))));
  run.Query().ToDate = Runtime::CDate(Runtime::Int(dates->Item(Variant(2))));

  Dravex::Graph& graph = run.Graph();
  if (const Subject* subject = Find(report.Subjects, run.SubjectName())) {
    run.Load(*subject, "", report.Title, showProgress);
    run.Titles(*subject, report.YAxisTitle);
    if (subject == &ByDate && report.EveryButTotalByDate) {
      const auto series = graph.Series();
      const int16_t count = series->Count();
      for (int16_t i = 1; i <= count; ++i)
        if (Runtime::UCase(series->Item(Variant(i))->Title()->Text()) != "TOTAL")
          graph.Percent(Variant(i));
    } else {
      graph.Percent(Variant(report.Series));
      if (subject != &ByDate && report.Ordered)
        graph.OrderSeries(Variant(report.Series), Dravex::OrderType::Descending);
    }
    run.Window(subject == &ByDate ? RunTimeWidth : report.OtherWidth);
  }

  if (report.YAxis == RateReport::FixedHundred) {
    graph.YAxis(1)->AutomaticMax(false);
    graph.YAxis(1)->Max(100);
  } else if (report.YAxis == RateReport::Automatic) {
    graph.YAxis(1)->AutomaticMax(true);
  }
  run.Finish();
}

}  // namespace

void DrawProductivityChart(ReportWindow& Form, bool ShowProgress) {
  DrawRateChart(Productivity, Form, ShowProgress);
}

void DrawEfficiencyChart(ReportWindow& Form, bool ShowProgress) {
  DrawRateChart(Efficiency, Form, ShowProgress);
}

void DrawCompsPerHourChart(ReportWindow& Form, bool ShowProgress) {
  DrawRateChart(CompsPerHour, Form, ShowProgress);
}

void DrawBoardCountChart(ReportWindow& Form, bool ShowProgress) {
  DrawRateChart(BoardCount, Form, ShowProgress);
}

void DrawCompWastageChart(ReportWindow& Form, bool ShowProgress) {
  ChartRun run(Form, Kordex::MeasureWastage);
  auto& query = run.Query();
  run.CopyFilter("Error", query.ErrorFilter);
  run.CopyFilter("Machine", query.MachineFilter);
  run.CopyFilter("Product", query.ProductFilter);
  run.CopyFilter("Head", query.HeadFilter, true);
  run.CopyFilter("Part Number", query.PartNumberFilter);
  const auto dates = run.Values("Date");
  query.FromDate = Runtime::CDate(dates->Item(Variant(1)));
  query.ToDate = Runtime::CDate(dates->Item(Variant(dates->Count() == 1 ? 1 : 2)));
  const bool isPercent =
      Runtime::UCase(Runtime::CStr(run.Values("Type")->Item(Variant(1)))) == "PERCENT";

  Dravex::Graph& graph = run.Graph();
  const Subject* subject =
      Find({&ByDate, &ByProduct, &ByMachine, &ByHead, &ByPartNumber, &ByError}, run.SubjectName());
  if (subject != nullptr) {
    const std::string percent = isPercent ? "% " : "";
    run.Load(*subject, isPercent ? "Percentage " : "", "Component Wastage", ShowProgress);
    if (subject == &ByDate) {
      run.Titles(*subject, percent + "Components Wasted");
      if (isPercent) {
        const int16_t count = graph.Series()->Count();
        for (int16_t i = 1; i <= count; ++i) graph.Percent(Variant(i));
      }
      run.Window(RunTimeWidth);
    } else {
      run.Titles(*subject, percent + "Components", "%");
      const Variant maximum = run.Preference("Pareto Maximum Entries");
      if (isPercent) {
        graph.Percent(Variant("Wastage"));
        graph.OrderSeries(Variant("Wastage"), Dravex::OrderType::Descending,
                          Runtime::CInt(maximum));
      } else {
        graph.Pareto(
            Variant("Wastage"), "Cumulative",
            Runtime::CInt(Common::MinOf(maximum, Variant(graph.XAxis()->Labels()->Count()))));
      }
      if (subject == &ByMachine || subject == &ByHead) graph.RemoveExcessXlabels();
      run.Window(ParetoWidth);
    }
  }
  run.Finish();
}

}  // namespace Kordex::KordexModule
