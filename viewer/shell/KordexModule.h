#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/Variant.h"
#include "viewer/data/ProductionLineViews.h"
#include "viewer/data/ProductionLines.h"

namespace Kordex {

// Asks the person for the report date range.
class DateRangePrompt {
 public:
  virtual ~DateRangePrompt();
  // Offers From..To; True when the person confirmed, From and To then hold the
  // range chosen. False leaves them as they were.
  virtual bool SelectDate(Runtime::DateTime& From, Runtime::DateTime& To) = 0;
};

// Asks with the "Date Select" dialog, a fresh one each time.
class DateSelectPrompt : public DateRangePrompt {
 public:
  bool SelectDate(Runtime::DateTime& From, Runtime::DateTime& To) override;
};

// The prompt in use; never null (the dialog's until another is set).
DateRangePrompt& CurrentDateRangePrompt();
// nullptr puts the dialog's back.
void SetDateRangePrompt(std::shared_ptr<DateRangePrompt> Prompt);

// One application preference as the program registers it.
struct PreferenceRegistration {
  std::string Name;
  int32_t ValueType;
  Runtime::Variant Default;
  Runtime::Variant Min;  // Empty: none
  Runtime::Variant Max;
  int32_t FileType;
  std::string EditBox;       // the preferences dialog's bound box
  std::string SearchButton;  // its browse button, "" for none
};

// The six preferences, in registration order.
std::vector<PreferenceRegistration> ApplicationPreferences();

// The production-line table's host in the program: the data directory from
// the preferences, the line menu of the main window's toolbar, and the
// preferences dialog's line controls once the dialog gives them.
class ShellLineHost : public ProductionLineHost {
 public:
  std::string DataDirectory() override;
  std::string ProgramName() override;
  void ShowLines(const ProductionLineList& Lines, int16_t RememberedLine) override;

  // The dialog's line controls; nullptr (or unset) while there are none.
  std::function<const LineListControls*()> Controls;
};

namespace KordexModule {

// Open windows of each kind, and the serial of the last child window made.
extern int32_t ChartCount;
extern int32_t TableCount;
extern int32_t StatusFormCount;
extern int32_t ChildFormSerial;
// The report date range, the default Date constraint of new charts.
extern Runtime::DateTime ReportDateFrom;
extern Runtime::DateTime ReportDateTo;
extern Runtime::DateTime TodayDate;
extern std::string LineStatusTemplate;

// Registers and loads the preferences, makes the constraint-set collection,
// zeroes the window counters, sets today and builds the production-line table.
void InitialisePreferences();
// The line table's host set by InitialisePreferences.
std::shared_ptr<ShellLineHost> LineTableHost();

// Asks for the report date range, offering "RunTime History" days up to now;
// the range is set either way. True when the person confirmed it; the dialog
// is then off the screen and the main window repainted.
bool SelectDateRange();
// The range SelectDateRange offers: "RunTime History" days before now, to now.
void DefaultReportDateRange(Runtime::DateTime& From, Runtime::DateTime& To);
void SetMainCaption();
// Rebuilds every open chart from its constraint set, in collection order.
void RefreshAllReports();

// Held while report work runs: a refresh, or the building of a chart. Loads
// give the event loop time, so the timer and the person could otherwise start
// a rebuild inside a rebuild. Nests.
class ReportWork {
 public:
  ReportWork();
  ~ReportWork();
  ReportWork(const ReportWork&) = delete;
  ReportWork& operator=(const ReportWork&) = delete;
  static bool InProgress();
  // Runs Action once the report work in progress is over, or now when there
  // is none. An error it raises is reported.
  static void WhenDone(std::function<void()> Action);
};

}  // namespace KordexModule

}  // namespace Kordex
