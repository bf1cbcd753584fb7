#include "graph/prefs/GraphPreferenceDialog.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "graph/prefs/GraphPreferenceForm.h"
#include "graph/prefs/GraphPreferenceStore.h"
#include "graph/render/Graph.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiConstants.h"
#include "platform/gui/MsgBox.h"
#include "runtime/Conversions.h"
#include "runtime/Strings.h"

namespace Dravex {

namespace {

using Runtime::Variant;

// The box of standard-deviation line n in the block of row r.
int StdDevBox(int row, int16_t n) {
  return 6 * row + (n < 0 ? n + 3 : n + 2);
}

int Ticked(bool on) {
  return on ? 1 : 0;
}

const std::string& OrDefault(const std::string& name, const std::string& fallback) {
  return name.empty() ? fallback : name;
}

// The rows the dialog and the graph have in common.
int16_t RowsToApply(const Graph& graph, const GraphPreferenceForm& form) {
  return static_cast<int16_t>(std::min<int>(graph.Series()->Count(), form.MeanSeriesName.Count()));
}

// The entry of a list that stands for value, or no choice (-1) when the list
// offers none for it.
int ListIndexOf(int value, const Platform::ComboBox& list) {
  return value >= 0 && value < list.ListCount() ? value : -1;
}

void FillRow(GraphPreferenceForm& form, const GraphSeries& series, int r) {
  const std::string title = series.Title()->Text();
  const auto s = series.StatsAlarms();

  form.MeanSeriesName[r].SetCaption(title);
  form.MeanDisplay[r].SetText(OrDefault(s->Mean()->Name(), "Mean"));
  form.MeanOn[r].SetValue(Ticked(s->Mean()->StdDevOn()));
  form.MeanBar[r].SetValue(Ticked(s->MeanBar()));
  form.MeanOn_Click(r);

  form.StdDevSeriesName[r].SetCaption(title);
  // One box names all six lines; Ok gives them all its text, so it shows the
  // name the last of them keeps.
  const int16_t last = GraphStats::StdDevIndices.back();
  form.StdDevDisplay[r].SetText(OrDefault(s->StdDev(last)->Name(), "StdDev"));
  for (int16_t n : GraphStats::StdDevIndices)
    form.StdDevOn[StdDevBox(r, n)].SetValue(Ticked(s->StdDev(n)->StdDevOn()));
  form.StdDevOn_Click(6 * r);

  form.SLSeriesName[r].SetCaption(title);
  const auto lower = s->Limits(enuLimits::LowerLimit);
  form.LSLDisplay[r].SetText(OrDefault(lower->Name(), "L.S.L."));
  form.LSLValue[r].SetText(Runtime::NumberText(lower->Value(), true));
  form.LSLOn[r].SetValue(Ticked(lower->LimitOn()));
  const auto upper = s->Limits(enuLimits::UpperLimit);
  form.USLDisplay[r].SetText(OrDefault(upper->Name(), "U.S.L."));
  form.USLValue[r].SetText(Runtime::NumberText(upper->Value(), true));
  form.USLOn[r].SetValue(Ticked(upper->LimitOn()));
  form.LSLOn_Click(r);
  form.USLOn_Click(r);

  // A trend or alarm the lists do not offer shows no choice.
  form.TrendSeriesName[r].SetCaption(title);
  form.Trend[r].SetListIndex(ListIndexOf(static_cast<int>(s->Trend()->Trend()), form.Trend[r]));
  form.Trend_Click(r);
  if (!s->Trend()->Name().empty()) form.TrendDisplay[r].SetText(s->Trend()->Name());

  form.SeriesName[r].SetCaption(title);
  const bool fixed = series.ShowValue() == ShowValueType::MultipleFixed;
  const bool above = fixed && series.ShowValueWhere() == ShowValueWhereType::ValueTop;
  form.SeriesValueFloat[r].SetValue(Ticked(series.ShowValue() == ShowValueType::SingleFloating));
  form.SeriesValueAbove[r].SetValue(Ticked(above));
  form.SeriesValueBelow[r].SetValue(Ticked(fixed && !above));
  form.SeriesOn[r].SetValue(Ticked(series.Visible()));
  form.SeriesOn_Click(r);

  form.AlarmSeriesName[r].SetCaption(title);
  form.Alarm[r].SetListIndex(ListIndexOf(static_cast<int>(s->Alarm()), form.Alarm[r]));
}

// False, after telling the person, when a limit box holds a number no limit
// can take; the Spec Limits page is then shown.
bool LimitsFit(const Graph& graph, GraphPreferenceForm& form) {
  const int16_t rows = RowsToApply(graph, form);
  for (int r = 0; r < rows; ++r) {
    for (auto* box : {&form.LSLValue[r], &form.USLValue[r]}) {
      if (std::fabs(Runtime::Val(box->Text())) <= FLT_MAX) continue;
      form.PreferenceTab.SetTab(static_cast<int>(GraphPreferences::GraphLimits));
      Platform::MsgBox("The " + std::string(box == &form.LSLValue[r] ? "lower" : "upper") +
                           " limit of '" + form.SLSeriesName[r].Caption() + "' (" + box->Text() +
                           ") is too large for a limit.",
                       Platform::MsgBoxStyles::Exclamation, "Value Limit Error!");
      return false;
    }
  }
  return true;
}

// Runs the dialog until Ok or Cancel (the close box and anything else count as
// Cancel).
void RunDialog(Graph& graph, GraphPreferenceForm& form) {
  for (;;) {
    form.SetTag("");
    form.Show(Platform::ShowModes::Modal);
    const std::string tag = Runtime::UCase(form.Tag());
    const bool applies = tag == "OK" || tag == "APPLY";
    if (applies && !LimitsFit(graph, form)) continue;
    if (applies) {
      graph.ApplyPreferenceForm(form);
      graph.Draw(false);
    }
    if (tag == "APPLY") continue;
    form.RemoveControls();
    if (tag != "OK") return;
    bool savePreference = form.SavePreference.Value() == 1;
    std::string appname, sectionName, chartName;
    graph.Raise(graph.PreferenceChange, savePreference, appname, sectionName, chartName);
    if (savePreference) graph.SavePreferences(appname, sectionName, chartName);
    return;
  }
}

// Every way out of the dialog: no added rows, the dialog hidden, the pointer
// back and the host told. Nothing here may hide the error that got us here.
void LeaveDialog(Graph& graph, GraphPreferenceForm* form) noexcept {
  try {
    if (form != nullptr) {
      form->RemoveControls();
      form->Hide();
    }
  } catch (...) {
  }
  try {
    graph.MousePointer(Platform::MousePointers::Default);
  } catch (...) {
  }
  try {
    graph.Raise(graph.HidePreferenceForm);
  } catch (...) {
  }
}

void ShowPreferences(Graph& graph, GraphPreferences graphPreference) {
  std::shared_ptr<GraphPreferenceForm> form;
  try {
    graph.Raise(graph.ShowPreferenceForm);
    graph.MousePointer(Platform::MousePointers::Hourglass);
    const auto series = graph.Series();
    const int16_t count = series->Count();
    if (count > kMostPreferenceRows) {
      Platform::MsgBox("This chart has " + std::to_string(count) +
                           " series; the preferences dialog can show at most " +
                           std::to_string(kMostPreferenceRows) + ".",
                       Platform::MsgBoxStyles::Exclamation, "Graph Preferences Error!");
    } else if (count > 0) {
      form = PreferenceDialog();
      for (int16_t i = 1; i <= count; ++i) {
        form->AddControl(i);
        FillRow(*form, *series->Item(Variant(i)), i - 1);
      }
      form->PreferenceTab.SetTab(static_cast<int>(graphPreference));
      form->SavePreference.SetValue(0);
      RunDialog(graph, *form);
    }
  } catch (...) {
    LeaveDialog(graph, form.get());
    throw;
  }
  graph.MousePointer(Platform::MousePointers::Default);
  graph.Raise(graph.HidePreferenceForm);
}

class PreferenceServices : public GraphPreferenceServices {
 public:
  void ShowPreferences(Graph& graph, GraphPreferences graphPreference) override {
    Dravex::ShowPreferences(graph, graphPreference);
  }
  void SavePreferences(Graph& graph, const std::string& appname, const std::string& sectionName,
                       const std::string& chartName) override {
    GraphPreferenceStore::SavePreferences(graph, appname, sectionName, chartName);
  }
  void LoadPreferences(Graph& graph, const std::string& appname, const std::string& sectionName,
                       const std::string& chartName, const Variant& series) override {
    GraphPreferenceStore::LoadPreferences(graph, appname, sectionName, chartName, series);
  }
};

}  // namespace

std::shared_ptr<GraphPreferenceServices> MakeGraphPreferenceServices() {
  return std::make_shared<PreferenceServices>();
}

std::shared_ptr<GraphPreferenceForm> PreferenceDialog() {
  static std::weak_ptr<GraphPreferenceForm> dialog;
  return Platform::Forms::LoadedOne(dialog);
}

void Graph::ApplyPreferenceForm(GraphPreferenceForm& form) {
  const int16_t rows = RowsToApply(*this, form);
  for (int16_t i = 1; i <= rows; ++i) {
    const int r = i - 1;
    const auto series = Series()->Item(Variant(i));
    const auto s = series->StatsAlarms();
    s->Mean()->StdDevOn(form.MeanOn[r].Value() == 1);
    s->Mean()->Name(form.MeanDisplay[r].Text());
    s->MeanBar(form.MeanBar[r].Value() == 1);
    for (int16_t n : GraphStats::StdDevIndices) {
      s->StdDev(n)->StdDevOn(form.StdDevOn[StdDevBox(r, n)].Value() == 1);
      s->StdDev(n)->Name(form.StdDevDisplay[r].Text());
    }
    const auto lower = s->Limits(enuLimits::LowerLimit);
    lower->LimitOn(form.LSLOn[r].Value() == 1);
    lower->Name(form.LSLDisplay[r].Text());
    lower->Value(Runtime::ToSingle(Runtime::Val(form.LSLValue[r].Text())));
    const auto upper = s->Limits(enuLimits::UpperLimit);
    upper->LimitOn(form.USLOn[r].Value() == 1);
    upper->Name(form.USLDisplay[r].Text());
    upper->Value(Runtime::ToSingle(Runtime::Val(form.USLValue[r].Text())));
    s->Trend()->Name(form.TrendDisplay[r].Text());
    // A list showing no choice keeps what the series holds.
    if (form.Trend[r].ListIndex() >= 0)
      s->Trend()->Trend(static_cast<TrendType>(form.Trend[r].ListIndex()));
    if (form.Alarm[r].ListIndex() >= 0) s->Alarm(static_cast<AlarmType>(form.Alarm[r].ListIndex()));
    series->Visible(form.SeriesOn[r].Value() == 1);
    if (form.SeriesValueAbove[r].Value() == 1) {
      series->ShowValue(ShowValueType::MultipleFixed);
      series->ShowValueWhere(ShowValueWhereType::ValueTop);
    } else if (form.SeriesValueBelow[r].Value() == 1) {
      series->ShowValue(ShowValueType::MultipleFixed);
      series->ShowValueWhere(ShowValueWhereType::ValueBottom);
    } else if (form.SeriesValueFloat[r].Value() == 1) {
      series->ShowValue(ShowValueType::SingleFloating);
    } else {
      series->ShowValue(ShowValueType::DontShow);
    }
  }
}

}  // namespace Dravex
