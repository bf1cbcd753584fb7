// Loads of small hand-made data directories: the faults a load must survive
// and the cases where the sound result differs from a naive one.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <limits>

#include "graph/model/GraphSeries.h"
#include "graph/model/GraphSeriesCol.h"
#include "graph/model/GraphValue.h"
#include "graph/model/GraphValueCol.h"
#include "graph/render/Graph.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Error.h"
#include "tests/support/Raised.h"
#include "tests/viewer_data/DataFiles.h"
#include "tests/viewer_load/ChartData.h"
#include "tests/viewer_load/LoadTestData.h"
#include "tests/viewer_load/RecordingHost.h"
#include "tools/sampledata/SummaryFile.h"
#include "viewer/data/PRDChart.h"
#include "viewer/data/PRDLoader.h"
#include "viewer/data/PRDModule.h"

using namespace Kordex;
using namespace LoadTest;
namespace fs = std::filesystem;
using SampleData::FeederLine;
using SampleData::HeadLine;
using SampleData::RunTable;
using SampleData::SummaryContent;

namespace {

// Line 1 of two machines, "Alpha 1" (0.5 s a part) and "Beta 2" (0.25 s), with
// files written by the tests on 9 and 10 March 2026.
class SmallData {
 public:
  SmallData() {
    DataTest::WriteFile(dir_.Path() / "Line1" / "CommSet.Cnf",
                        DataTest::CrLf({"DOWNLOAD MODULE,A,B", "PLACEMENT SPEED,0.5,0.25",
                                        "NICK NAME,Alpha,Beta"}));
  }
  std::string Folder() const { return dir_.Folder(); }
  fs::path Line() const { return dir_.Path() / "Line1"; }
  fs::path MachineFolder(int day, int machine) const {
    return Line() / "History" / ((day < 10 ? "2026_03_0" : "2026_03_") + std::to_string(day)) /
           "Machine Prd" / ("M" + std::to_string(machine));
  }

  // Writes a summary file of the machine on the day (9 or 10) and gives its path.
  fs::path Write(int day, int machine, const std::string& product, const std::string& text) {
    const fs::path path =
        MachineFolder(day, machine) / (Stem() + "_MachinePRDSummary_" + product + ".KVX");
    DataTest::WriteFile(path, text);
    return path;
  }
  fs::path Write(int day, int machine, const std::string& product, const SummaryContent& content) {
    return Write(day, machine, product, SampleData::SummaryFileText(content));
  }

 private:
  std::string Stem() {
    char stem[32];
    std::snprintf(stem, sizeof stem, "%05d_0600", ++serial_);
    return stem;
  }
  TestSupport::TempDir dir_;
  int serial_ = 0;
};

HeadLine Head(int16_t head, int16_t spindle, int32_t total, std::vector<int32_t> errors) {
  return {head, spindle, "N502", total, std::move(errors)};
}
FeederLine Feeder(const std::string& part, int32_t total, std::vector<int32_t> errors) {
  return {1, part, "PART", total, std::move(errors)};
}
RunTable Table(int32_t running, int32_t waiting = 0, int32_t stopped = 0) {
  return {"2026-03-09 06:00:00", "2026-03-09 08:00:00", running, waiting, stopped};
}

SummaryContent Content(std::vector<std::string> errors, std::vector<HeadLine> heads,
                       std::vector<FeederLine> feeders,
                       std::vector<RunTable> tables = {Table(3600)}, int32_t boards = 10) {
  SummaryContent c;
  c.ModuleName = "A";
  c.Program = "P";
  c.ErrorNames = std::move(errors);
  c.Heads = std::move(heads);
  c.Feeders = std::move(feeders);
  c.BoardTotal = boards;
  c.Tables = std::move(tables);
  return c;
}

PRDQuery SmallQuery(PRDMeasure measure, PRDGrouping grouping) {
  PRDQuery query;
  query.Measure = measure;
  query.Grouping = grouping;
  query.FromDate = Runtime::DateSerial(2026, 3, 9);
  query.ToDate = Runtime::DateSerial(2026, 3, 10);
  return query;
}

ChartData Load(const PRDQuery& query, const SmallData& data,
               const std::shared_ptr<RecordingHost>& host = std::make_shared<RecordingHost>()) {
  Chart chart;
  LoadPRDSummaryData(query, chart.Graph, data.Folder(), true, host);
  return ChartOf(*chart.Graph);
}

using Point = std::pair<double, double>;
using Points = std::map<int, Point>;

}  // namespace

TEST(LoaderFaults, WastageByErrorPutsEachKindAtTheLabelOfItsName) {
  SmallData data;
  data.Write(9, 1, "X", Content({"Pick", "Vision"}, {Head(1, 1, 1000, {5, 7})}, {}));
  // The second machine lists the kinds in another order, with one more.
  data.Write(9, 2, "X", Content({"Vision", "Pick", "Dump"}, {Head(1, 1, 500, {1, 2, 3})}, {}));
  const ChartData chart = Load(SmallQuery(MeasureWastage, GroupByError), data);
  EXPECT_EQ(chart.Labels, (std::vector<std::string>{"Pick", "Vision", "Dump"}));
  EXPECT_EQ(chart.Points.at("Wastage"),
            (Points{{1, {5 + 2, 1500}}, {2, {7 + 1, 1500}}, {3, {3, 500}}}));
}

TEST(LoaderFaults, WastageUnderAFilterIsAShareOfTheFilteredPlacements) {
  SmallData data;
  data.Write(9, 1, "X",
             Content({"Pick", "Vision"}, {Head(1, 1, 600, {1, 2}), Head(1, 2, 400, {3, 4})},
                     {Feeder("P1", 700, {2, 2}), Feeder("P2", 300, {2, 4})}));
  PRDQuery all = SmallQuery(MeasureWastage, GroupByProduct);
  EXPECT_EQ(Load(all, data).Points.at("Wastage"), (Points{{1, {10, 1000}}}));

  PRDQuery byPart = all;
  byPart.PartNumberFilter = Keys({"p1"});
  EXPECT_EQ(Load(byPart, data).Points.at("Wastage"), (Points{{1, {4, 700}}}));

  PRDQuery byHead = all;
  byHead.HeadFilter = Keys({"1-2"});
  EXPECT_EQ(Load(byHead, data).Points.at("Wastage"), (Points{{1, {7, 400}}}));

  byHead.Grouping = GroupByMachine;
  EXPECT_EQ(Load(byHead, data).Points.at("Wastage"), (Points{{1, {7, 400}}}));
  byPart.Grouping = GroupByDate;
  EXPECT_EQ(Load(byPart, data).Points.at("Alpha 1"), (Points{{1, {4, 700}}}));
  byPart.Grouping = GroupByError;
  EXPECT_EQ(Load(byPart, data).Points.at("Wastage"), (Points{{1, {2, 700}}, {2, {2, 700}}}));
}

TEST(LoaderFaults, NamesThatDifferOnlyInCaseAreOneGroup) {
  SmallData data;
  data.Write(9, 1, "board-a",
             Content({"Vision"}, {Head(1, 1, 100, {1})}, {Feeder("r0603", 100, {1})}));
  data.Write(9, 2, "BOARD-A",
             Content({"VISION"}, {Head(1, 1, 200, {2})}, {Feeder("R0603", 200, {2})}));
  data.Write(10, 1, "Board-A",
             Content({"vision"}, {Head(1, 1, 300, {3})}, {Feeder("R0603", 300, {3})}));
  for (PRDMeasure measure :
       {MeasureWastage, MeasureEfficiency, MeasureProductivity, MeasureComponentsPerHour}) {
    const ChartData chart = Load(SmallQuery(measure, GroupByProduct), data);
    EXPECT_EQ(chart.Labels, std::vector<std::string>{"board-a"}) << measure;
  }
  EXPECT_EQ(Load(SmallQuery(MeasureWastage, GroupByProduct), data).Points.at("Wastage"),
            (Points{{1, {6, 600}}}));
  const ChartData parts = Load(SmallQuery(MeasureWastage, GroupByPartNumber), data);
  EXPECT_EQ(parts.Labels, std::vector<std::string>{"r0603"});
  EXPECT_EQ(parts.Points.at("Wastage"), (Points{{1, {6, 600}}}));
  const ChartData errors = Load(SmallQuery(MeasureWastage, GroupByError), data);
  EXPECT_EQ(errors.Labels, std::vector<std::string>{"Vision"});
  EXPECT_EQ(errors.Points.at("Wastage"), (Points{{1, {6, 600}}}));
  // Productivity by product tallies the three runs as one product: the day's
  // longest-running machine, each day.
  EXPECT_EQ(Load(SmallQuery(MeasureProductivity, GroupByDate), data).Points.at("Productivity"),
            (Points{{1, {3600, 3600}}, {2, {3600, 3600}}}));
}

TEST(LoaderFaults, AnEmptyNameIsAGroupOfItsOwn) {
  SmallData data;
  data.Write(9, 1, "X", Content({"Pick"}, {Head(1, 1, 100, {1})}, {Feeder("P1", 100, {1})}));
  data.Write(9, 1, "", Content({"Pick"}, {Head(1, 1, 200, {2})}, {Feeder("", 200, {2})}));
  data.Write(9, 2, "", Content({""}, {Head(1, 1, 400, {4})}, {Feeder("", 400, {4})}));
  const ChartData products = Load(SmallQuery(MeasureWastage, GroupByProduct), data);
  EXPECT_EQ(products.Labels, (std::vector<std::string>{"X", ""}));
  EXPECT_EQ(products.Points.at("Wastage"), (Points{{1, {1, 100}}, {2, {6, 600}}}));
  const ChartData parts = Load(SmallQuery(MeasureWastage, GroupByPartNumber), data);
  EXPECT_EQ(parts.Labels, (std::vector<std::string>{"P1", ""}));
  EXPECT_EQ(parts.Points.at("Wastage"), (Points{{1, {1, 100}}, {2, {6, 600}}}));
  const ChartData errors = Load(SmallQuery(MeasureWastage, GroupByError), data);
  EXPECT_EQ(errors.Labels, (std::vector<std::string>{"Pick", ""}));
  EXPECT_EQ(errors.Points.at("Wastage"), (Points{{1, {3, 300}}, {2, {4, 400}}}));
  // A product filter never lets the nameless product through.
  PRDQuery filtered = SmallQuery(MeasureWastage, GroupByProduct);
  filtered.ProductFilter = Keys({"X"});
  EXPECT_EQ(Load(filtered, data).Labels, std::vector<std::string>{"X"});
}

TEST(LoaderFaults, AFileWithoutAnErrorsTableAddsNothingByError) {
  SmallData data;
  std::string text = SampleData::SummaryFileText(
      Content({"Pick"}, {Head(1, 1, 100, {1})}, {Feeder("P1", 100, {1})}));
  text.erase(text.find("\t[Errors]"), text.find("[END Errors]\r\n") + 14 - text.find("\t[Errors]"));
  ASSERT_EQ(text.find("Errors]"), std::string::npos);
  data.Write(9, 1, "X", text);
  auto host = std::make_shared<RecordingHost>();
  const ChartData errors = Load(SmallQuery(MeasureWastage, GroupByError), data, host);
  EXPECT_TRUE(errors.Labels.empty());
  EXPECT_TRUE(errors.Points.at("Wastage").empty());
  EXPECT_TRUE(host->Messages.empty());
  // By part number the feeder has its label and, with no error kinds, no point.
  const ChartData parts = Load(SmallQuery(MeasureWastage, GroupByPartNumber), data);
  EXPECT_EQ(parts.Labels, std::vector<std::string>{"P1"});
  EXPECT_TRUE(parts.Points.at("Wastage").empty());
  // Other measures still count the run.
  EXPECT_EQ(Load(SmallQuery(MeasureComponentsPerHour, GroupByProduct), data).Points.at("CPH"),
            (Points{{1, {100, 100}}}));
}

TEST(LoaderFaults, MalformedFilesAreLeftOutAndNamedOnceAfterTheLoad) {
  SmallData data;
  const SummaryContent sound = Content({"Pick"}, {Head(1, 1, 100, {1})}, {});
  data.Write(9, 1, "X", sound);
  std::string tooLarge = SampleData::SummaryFileText(sound);
  tooLarge.replace(tooLarge.find(",100,1"), 6, ",99999999999,1");
  const fs::path large = data.Write(9, 2, "X", tooLarge);
  std::string word = SampleData::SummaryFileText(sound);
  word.replace(word.find(",100,1"), 6, ",\"many\",1");
  const fs::path worded = data.Write(10, 1, "X", word);
  data.Write(10, 2, "X", sound);
  // A file that is listed but cannot be read.
  const fs::path unreadable = large.parent_path() / "99999_0600_MachinePRDSummary_X.KVX";
  fs::create_symlink("/proc/self/mem", unreadable);

  auto host = std::make_shared<RecordingHost>();
  const ChartData chart = Load(SmallQuery(MeasureWastage, GroupByDate), data, host);
  EXPECT_EQ(chart.Points.at("Alpha 1"), (Points{{1, {1, 100}}}));
  EXPECT_EQ(chart.Points.at("Beta 2"), (Points{{2, {1, 100}}}));
  ASSERT_EQ(host->Messages.size(), 1u);
  EXPECT_EQ(host->Titles[0], "Data File Error!");
  const std::string& message = host->Messages[0];
  EXPECT_TRUE(message.starts_with("3 summary files could not be read and were left out:"))
      << message;
  EXPECT_NE(message.find(large.string() + " (a number too large)"), std::string::npos) << message;
  EXPECT_NE(message.find(worded.string() + " (a text where a number belongs)"), std::string::npos)
      << message;
  EXPECT_NE(message.find(unreadable.string() + " (the file could not be read: "), std::string::npos)
      << message;
  // The window closed before the message.
  EXPECT_EQ(host->Log[host->Log.size() - 2], "Unload");
  EXPECT_EQ(host->Log.back(), "Message Data File Error!");

  // A refresh names only what no message has named yet.
  Chart refreshed;
  LoadPRDSummaryData(SmallQuery(MeasureWastage, GroupByDate), refreshed.Graph, data.Folder(), false,
                     host);
  EXPECT_EQ(host->Messages.size(), 1u);
  data.Write(10, 2, "Y", word);
  LoadPRDSummaryData(SmallQuery(MeasureWastage, GroupByDate), refreshed.Graph, data.Folder(), false,
                     host);
  ASSERT_EQ(host->Messages.size(), 2u);
  EXPECT_TRUE(host->Messages[1].starts_with("One summary file could not be read"))
      << host->Messages[1];
}

TEST(LoaderFaults, NumberTooLargeInTextLeavesTheFileOutAndNamesIt) {
  SmallData data;
  const SummaryContent sound = Content({"Pick"}, {}, {Feeder("P1", 100, {1})});
  data.Write(9, 1, "X", sound);
  std::string category = SampleData::SummaryFileText(sound);
  category.replace(category.find("1,\"RUNNING\",3600"), 16, "1,1E400,7340");
  const fs::path time = data.Write(9, 2, "X", category);
  std::string part = SampleData::SummaryFileText(sound);
  part.replace(part.find("\"P1\""), 4, "1E400");
  const fs::path feeder = data.Write(10, 2, "X", part);

  auto host = std::make_shared<RecordingHost>();
  const ChartData chart = Load(SmallQuery(MeasureWastage, GroupByPartNumber), data, host);
  EXPECT_EQ(chart.Labels, std::vector<std::string>{"P1"});
  EXPECT_EQ(chart.Points.at("Wastage"), (Points{{1, {1, 100}}}));
  ASSERT_EQ(host->Messages.size(), 1u);
  const std::string& message = host->Messages[0];
  EXPECT_NE(message.find(time.string() + " (a number too large)"), std::string::npos) << message;
  EXPECT_NE(message.find(feeder.string() + " (a number too large)"), std::string::npos) << message;
}

TEST(LoaderFaults, AnErrorThatEndsTheLoadStillClosesTheWindow) {
  SmallData data;
  data.Write(9, 1, "X", Content({"Pick"}, {Head(1, 1, 100, {1})}, {}));
  data.Write(10, 1, "X", Content({"Pick"}, {Head(1, 1, 100, {1})}, {}));
  auto host = std::make_shared<RecordingHost>();
  host->OnDoEvents = [](int yield) {
    if (yield == 2) Runtime::Raise(Runtime::ErrorNumber::OutOfMemory);
  };
  Chart chart;
  EXPECT_EQ(TestSupport::Raised([&] {
              LoadPRDSummaryData(SmallQuery(MeasureWastage, GroupByDate), chart.Graph,
                                 data.Folder(), true, host);
            }),
            Runtime::ErrorNumber::OutOfMemory);
  EXPECT_EQ(host->Forms, 1);
  EXPECT_EQ(host->Unloads, 1);
  // What was added before the error stays.
  EXPECT_EQ(ChartOf(*chart.Graph).Points.at("Alpha 1"), (Points{{1, {1, 100}}}));
}

TEST(LoaderFaults, SumsPast32BitsStayExact) {
  SmallData data;
  const int32_t big = 2'000'000'000;
  for (int day : {9, 10}) {
    data.Write(day, 1, "X",
               Content({"Pick"}, {Head(1, 1, big, {big})}, {Feeder("P1", big, {big})},
                       {Table(big, big)}, big));
  }
  const double twice = 2.0 * big;
  EXPECT_EQ(Load(SmallQuery(MeasureWastage, GroupByProduct), data).Points.at("Wastage"),
            (Points{{1, {twice, twice}}}));
  EXPECT_EQ(Load(SmallQuery(MeasureWastage, GroupByPartNumber), data).Points.at("Wastage"),
            (Points{{1, {twice, twice}}}));
  EXPECT_EQ(Load(SmallQuery(MeasureProductivity, GroupByMachine), data).Points.at("Productivity"),
            (Points{{1, {twice, 2 * twice}}}));
  EXPECT_EQ(Load(SmallQuery(MeasureProductivity, GroupByProduct), data).Points.at("Productivity"),
            (Points{{1, {twice, 2 * twice}}}));
  EXPECT_EQ(Load(SmallQuery(MeasureBoardCount, GroupByProduct), data).Points.at("Total"),
            (Points{{1, {twice, 0}}}));
}

TEST(LoaderFaults, APointTakesItsAdditionsInTheOrderMadeOnceFlushed) {
  Chart chart;
  PRDChart sums(chart.Graph);
  const PRDChart::SeriesSlot s = sums.EnsureSeries("S", Dravex::SeriesStyleType::BarGraph);
  const int16_t p = sums.EnsureLabel("P");
  sums.Add(s, Runtime::Variant(1e16), Runtime::Variant(0.0), p);
  sums.Add(s, 1, 1, p);
  sums.Add(s, Runtime::Variant(-1e16), Runtime::Variant(0.0), p);
  sums.Add(s, 1, 2, p);
  sums.Add(s, 5, Runtime::Variant(0.5), p);
  sums.Add(s, 1, 3, p);
  EXPECT_EQ(chart.Graph->CountValue("S"), 0);
  sums.Flush();
  // 1e16 + 1 rounds back to 1e16: summed ahead, the whole numbers would not.
  const double y = ((((1e16 + 1) + -1e16) + 1) + 5) + 1;
  const double t = ((((0.0 + 1) + 0.0) + 2) + 0.5) + 3;
  const auto point = chart.Graph->Series()->Item("S")->Values()->Item(p);
  EXPECT_TRUE(point->Y() == Runtime::Variant(y)) << Runtime::CDbl(point->Y());
  EXPECT_TRUE(point->TempValue() == Runtime::Variant(t)) << Runtime::CDbl(point->TempValue());
}

TEST(LoaderFaults, ByteCountsPast2GiBScaleTheBar) {
  SmallData data;
  const fs::path file = data.Write(9, 1, "X", std::string());
  // A sparse file: 3 GiB on the listing, nothing on the disk.
  fs::resize_file(file, uintmax_t{3} << 30);
  auto host = std::make_shared<RecordingHost>();
  // Left out by the filter, it is counted without being read.
  PRDQuery query = SmallQuery(MeasureWastage, GroupByDate);
  query.ProductFilter = Keys({"Y"});
  Load(query, data, host);
  ASSERT_EQ(host->Labels.size(), 2u);
  EXPECT_EQ(host->Labels.front(), "0 of 3145728 Kbytes loaded.");
  EXPECT_EQ(host->Labels.back(), "3145728 of 3145728 Kbytes loaded.");
  ASSERT_FALSE(host->Log.empty());
  const double max = std::stod(host->Log.front().substr(4));
  EXPECT_LE(max, std::numeric_limits<int32_t>::max());
  EXPECT_GT(max, 0);
  EXPECT_EQ(host->Unloads, 1);
}

TEST(LoaderFaults, AMachineWhoseRunTookNoTimeAddsNothingToTheTotal) {
  SmallData data;
  data.Write(9, 1, "X", Content({}, {Head(1, 1, 1000, {})}, {}, {Table(3000, 400, 200)}));
  data.Write(9, 2, "X", Content({}, {Head(1, 1, 500, {})}, {}, {Table(0)}));
  const ChartData chart = Load(SmallQuery(MeasureComponentsPerHour, GroupByDate), data);
  EXPECT_EQ(chart.Series, (std::vector<std::string>{"Total", "Alpha 1", "Beta 2"}));
  EXPECT_EQ(chart.Points.at("Beta 2"), (Points{{1, {500, 0}}}));
  EXPECT_EQ(chart.Points.at("Total"), (Points{{1, {1000.0 / 100 * 100, 0}}}));
}

TEST(LoaderFaults, AChartClosedDuringTheLoadEndsItQuietly) {
  auto host = std::make_shared<RecordingHost>();
  Chart chart;
  host->OnDoEvents = [&](int yield) {
    if (yield == 3) chart.Host.UnloadForm();
  };
  LoadPRDSummaryData(Query(MeasureWastage, GroupByDate), chart.Graph, Data().Folder(), true, host);
  EXPECT_EQ(host->Yields, 3);
  EXPECT_EQ(host->Unloads, 1);
  EXPECT_TRUE(host->Messages.empty());
}

TEST(LoaderFaults, ALoadStartedDuringAnotherLeavesItIntact) {
  const PRDQuery first = Query(MeasureEfficiency, GroupByMachine);
  PRDQuery second = Query(MeasureComponentsPerHour, GroupByDate);
  second.LineNumber = 2;
  auto host = std::make_shared<RecordingHost>();
  Chart chart;
  Chart other;
  host->OnDoEvents = [&](int yield) {
    if (yield != 2) return;
    auto inner = std::make_shared<RecordingHost>();
    LoadPRDSummaryData(second, other.Graph, Data().Folder(), true, inner);
    EXPECT_EQ(inner->Unloads, 1);
  };
  LoadPRDSummaryData(first, chart.Graph, Data().Folder(), true, host);
  EXPECT_TRUE(SameChart(ExpectedChart(first, Data().Root, Data().Files), ChartOf(*chart.Graph)));
  EXPECT_TRUE(SameChart(ExpectedChart(second, Data().Root, Data().Files), ChartOf(*other.Graph)));
  EXPECT_EQ(host->Forms, 1);
  EXPECT_EQ(host->Unloads, 1);
}

TEST(LoaderFaults, ACapacityPast64BitsLeavesTheFilesOutThatWouldPassIt) {
  SmallData data;
  // 1e-16 s a part: 1e16 parts a second, times an hour's running passes 2^63.
  DataTest::WriteFile(data.Line() / "CommSet.Cnf",
                      DataTest::CrLf({"DOWNLOAD MODULE,A,B", "PLACEMENT SPEED,1e-16,0.25"}));
  const fs::path fast = data.Write(9, 1, "X", Content({"Pick"}, {Head(1, 1, 100, {1})}, {}));
  data.Write(9, 2, "X", Content({"Pick"}, {Head(1, 1, 300, {3})}, {}));
  for (const PRDGrouping grouping : {GroupByDate, GroupByProduct}) {
    auto host = std::make_shared<RecordingHost>();
    const ChartData chart = Load(SmallQuery(MeasureEfficiency, grouping), data, host);
    EXPECT_EQ(chart.Points.at("Efficiency"), (Points{{1, {297, 4 * 3600}}}));
    ASSERT_EQ(host->Messages.size(), 1u);
    EXPECT_NE(host->Messages[0].find(fast.string() + " (a number too large)"), std::string::npos)
        << host->Messages[0];
  }
}

TEST(LoaderFaults, PipesFoldersAndHugeFilesAreNamedNeverWaitedOn) {
  SmallData data;
  const fs::path sound = data.Write(9, 1, "X", Content({"Pick"}, {Head(1, 1, 100, {1})}, {}));
  const fs::path folder = data.MachineFolder(9, 1);
  const fs::path pipe = folder / "00090_0600_MachinePRDSummary_X.KVX";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  const fs::path directory = folder / "00091_0600_MachinePRDSummary_X.KVX";
  fs::create_directory(directory);
  const fs::path huge = folder / "00092_0600_MachinePRDSummary_X.KVX";
  DataTest::WriteFile(huge, "");
  fs::resize_file(huge, uintmax_t{65} << 20);  // sparse
  auto host = std::make_shared<RecordingHost>();
  EXPECT_EQ(Load(SmallQuery(MeasureWastage, GroupByProduct), data, host).Points.at("Wastage"),
            (Points{{1, {1, 100}}}));
  ASSERT_EQ(host->Messages.size(), 1u);
  const std::string& message = host->Messages[0];
  EXPECT_TRUE(message.starts_with("3 summary files")) << message;
  EXPECT_NE(message.find(pipe.string() + " (it is a pipe (FIFO), not a file)"), std::string::npos)
      << message;
  EXPECT_NE(message.find(directory.string() + " (it is a folder)"), std::string::npos) << message;
  EXPECT_NE(message.find(huge.string() + " (too large)"), std::string::npos) << message;
  EXPECT_EQ(message.find(sound.string()), std::string::npos);

  // A line configuration that is a pipe, or empty: nothing loads, and the
  // person is told why.
  const fs::path config = data.Line() / "CommSet.Cnf";
  for (const bool asPipe : {true, false}) {
    fs::remove(config);
    if (asPipe) {
      ASSERT_EQ(mkfifo(config.c_str(), 0644), 0);
    } else {
      DataTest::WriteFile(config, "");
    }
    host = std::make_shared<RecordingHost>();
    EXPECT_TRUE(Load(SmallQuery(MeasureWastage, GroupByProduct), data, host).Labels.empty());
    ASSERT_EQ(host->Messages.size(), 1u);
    EXPECT_EQ(host->Titles[0], "Line Configuration Error!");
    EXPECT_EQ(host->Messages[0],
              asPipe ? "Line 1: no machines configured in CommSet.Cnf (it cannot be read: it is a "
                       "pipe (FIFO), not a file)."
                     : "Line 1: no machines configured in CommSet.Cnf (the file is empty).");
  }
}

TEST(LoaderFaults, FileNamesAreOpenedByTheirBytes) {
  SmallData data;
  // Two names that differ in one byte that is not UTF-8: "CAFÉ" and "CAFÈ" in
  // Windows-1252, as a machine share copied by an old tool writes them.
  const fs::path folder = data.MachineFolder(9, 1);
  const std::string sound =
      SampleData::SummaryFileText(Content({"Pick"}, {Head(1, 1, 100, {1})}, {}, {Table(3600)}, 10));
  std::string damaged = sound;
  damaged.replace(damaged.find(",100,1"), 6, ",99999999999,1");
  DataTest::WriteFile(folder / "00001_0600_MachinePRDSummary_CAF\xc9.KVX", sound);
  const fs::path bad = folder / "00002_0600_MachinePRDSummary_CAF\xc8.KVX";
  DataTest::WriteFile(bad, damaged);
  auto host = std::make_shared<RecordingHost>();
  const ChartData chart = Load(SmallQuery(MeasureWastage, GroupByProduct), data, host);
  EXPECT_EQ(chart.Labels, std::vector<std::string>{"CAF\xc9"});
  EXPECT_EQ(chart.Points.at("Wastage"), (Points{{1, {1, 100}}}));
  ASSERT_EQ(host->Messages.size(), 1u);
  EXPECT_TRUE(host->Messages[0].starts_with("One summary file")) << host->Messages[0];
  EXPECT_NE(host->Messages[0].find("_CAF\xc8.KVX (a number too large)"), std::string::npos);
}

TEST(LoaderFaults, FoldersCopiedWithTheirNamesInAnotherCaseLoadAlike) {
  SmallData data;
  const SummaryContent content = Content({"Pick"}, {Head(1, 1, 100, {1})}, {});
  data.Write(9, 1, "X", content);
  data.Write(10, 2, "X", content);
  const fs::path pipe = data.MachineFolder(10, 2) / "00090_0600_MachinePRDSummary_X.KVX";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  fs::rename(data.MachineFolder(9, 1).parent_path(),
             data.MachineFolder(9, 1).parent_path().parent_path() / "MACHINE PRD");
  fs::rename(data.MachineFolder(10, 2), data.MachineFolder(10, 2).parent_path() / "m2");
  fs::rename(data.Line() / "History", data.Line() / "HISTORY");
  for (const bool showProgress : {false, true}) {
    auto host = std::make_shared<RecordingHost>();
    Chart chart;
    LoadPRDSummaryData(SmallQuery(MeasureWastage, GroupByDate), chart.Graph, data.Folder(),
                       showProgress, host);
    const ChartData loaded = ChartOf(*chart.Graph);
    EXPECT_EQ(loaded.Points.at("Alpha 1"), (Points{{1, {1, 100}}}));
    EXPECT_EQ(loaded.Points.at("Beta 2"), (Points{{2, {1, 100}}}));
    ASSERT_EQ(host->Messages.size(), 1u);
    // The message names the entry by the history folder found and the rest as asked for.
    EXPECT_NE(host->Messages[0].find(data.Folder() +
                                     "Line1/HISTORY/2026_03_10/Machine Prd/M2/"
                                     "00090_0600_MachinePRDSummary_X.KVX (it is a pipe (FIFO), "
                                     "not a file)"),
              std::string::npos)
        << host->Messages[0];
  }
}
