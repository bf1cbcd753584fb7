#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "runtime/Collection.h"
#include "runtime/DateTime.h"
#include "tests/support/TempDir.h"
#include "tests/viewer_data/DataFiles.h"
#include "tools/sampledata/SampleData.h"
#include "viewer/data/PRDModule.h"

using namespace Kordex;
using DataTest::CrLf;

namespace {

const Runtime::Collection NoFilter;

Runtime::Collection Filter(std::initializer_list<const char*> keys) {
  Runtime::Collection filter;
  for (const char* key : keys) filter.Add(Runtime::Variant(key), Runtime::Variant(key));
  return filter;
}

PrdSummary Read(std::string_view bytes, const Runtime::Collection& heads = NoFilter,
                const Runtime::Collection& parts = NoFilter) {
  return ReadMachinePrdSummaryBytes(bytes, heads, parts, NoFilter, "BOARD-A");
}

double At(int y, int m, int d, int hh = 0, int nn = 0, int ss = 0) {
  return Runtime::DateSerial(y, m, d).Serial + Runtime::TimeSerial(hh, nn, ss).Serial;
}

std::vector<std::string> Keys(const std::vector<PrdItem>& items) {
  std::vector<std::string> keys;
  for (const PrdItem& item : items) keys.push_back(item.Key);
  return keys;
}

const std::string Errors =
    CrLf({"[Totals]", "\t[Errors]", "\t\t@DEFINE,Errors,#Code,$Name", "\t\t1,100,\"Pick-up\"",
          "\t\t2,101,\"Vision, Error\"", "\t\t3,102,\"Lead Pitch \xB1\"", "\t[END Errors]",
          "[END Totals]"});
const std::string Heads =
    CrLf({"[Head Data]", "@DEFINE,Head,#Head Number,#Spindle Number,#Total*,#Errors()",
          "1,1,3,1000,1,2,3", "2,2,5,500,4,5,6,99", "3,0,4,250,1", "[END Head Data]"});
const std::string Feeders =
    CrLf({"[Feeder Data]", "@DEFINE,Feeder,#Slot,$Part Number,#Total,#Errors()*",
          "1,7,\"r0603-10k\",700,1,1,1", "2,8,\"C0402\",800,0,0,2", "3,9,12345,50,0,0,0",
          "[END Feeder Data]"});
const std::string Boards = CrLf({"[Run Time Data]", "@DEFINE,Board,$Attribute,#Value",
                                 "1,\"BAD\",3", "2,\"Total\",40", "3,\"BAD\",2", "4,\"GOOD\",35"});
std::string Table(const char* start, const char* finish, int running) {
  return CrLf({"[Table]", "@DEFINE,Table,$Attribute,$Value", "1,\"LANE\",\"1\"",
               (std::string("2,\"START\",\"") + start + "\"").c_str(),
               (std::string("3,\"FINISH\",\"") + finish + "\"").c_str(), "[Time]",
               "@DEFINE,Time,$Category,#Seconds",
               ("1,\"RUNNING\"," + std::to_string(running)).c_str(), "2,\"waiting\",60",
               "3,\"STOPPED\",30", "4,\"IDLE\",999", "[END Time]", "[END Table]"});
}
const std::string Tables = Table("2026-12-08 08:00:00", "2026-12-08 09:00:00", 100) +
                           Table("2026-12-08 07:30:00", "2026-12-08 08:30:00", 300) +
                           Table("2026-12-08 09:00:00", "2026-12-08 10:15:30", 300) +
                           CrLf({"[END Run Time Data]"});
const std::string Whole = Errors + Heads + Feeders + Boards + Tables;

}  // namespace

TEST(MachinePrdSummary, ReadsEveryTableOfAFile) {
  const PrdSummary s = Read(Whole);
  EXPECT_EQ(s.ErrorNames,
            (std::vector<std::string>{"Pick-up", "Vision, Error", "Lead Pitch \xB1"}));
  ASSERT_EQ(s.RunCount(), 1);
  const PrdRun& run = s.Runs[0];
  EXPECT_EQ(run.Name, "BOARD-A");
  EXPECT_EQ(Keys(run.Heads), (std::vector<std::string>{"1-3", "2-5", "4"}));
  EXPECT_EQ(run.Heads[1].Errors, (std::vector<int32_t>{4, 5, 6}));  // the extra 99 is ignored
  EXPECT_EQ(run.Heads[2].Errors, (std::vector<int32_t>{1, 0, 0}));  // short array: 0s
  EXPECT_EQ(run.HeadTotal, 1750);
  EXPECT_EQ(run.HeadErrorTotals, (std::vector<int32_t>{6, 7, 9}));
  EXPECT_EQ(Keys(run.Feeders), (std::vector<std::string>{"r0603-10k", "C0402", "12345"}));
  EXPECT_EQ(run.FeederTotal, 1550);
  EXPECT_EQ(run.FeederErrorTotals, (std::vector<int32_t>{1, 1, 3}));
  EXPECT_EQ(run.BoardCount, 38);  // a BAD before TOTAL is overwritten by it
  ASSERT_EQ(run.TableCount(), 3);
  EXPECT_EQ(run.Tables[1].RunningSeconds, 300);
  EXPECT_EQ(run.Tables[1].WaitingSeconds, 60);
  EXPECT_EQ(run.Tables[1].StoppedSeconds, 30);
  EXPECT_DOUBLE_EQ(run.StartTime.Serial, At(2026, 12, 8, 7, 30));
  EXPECT_DOUBLE_EQ(run.FinishTime.Serial, At(2026, 12, 8, 10, 15, 30));
}

TEST(MachinePrdSummary, FiltersKeepOnlyTheirItems) {
  const PrdSummary s = Read(Whole, Filter({"1-3"}), Filter({"R0603-10K", "12345"}));
  const PrdRun& run = s.Runs[0];
  EXPECT_EQ(Keys(run.Heads), (std::vector<std::string>{"1-3"}));
  EXPECT_EQ(run.HeadTotal, 1000);
  EXPECT_EQ(run.HeadErrorTotals, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(Keys(run.Feeders), (std::vector<std::string>{"r0603-10k", "12345"}));
  EXPECT_EQ(run.FeederTotal, 750);
  // A filter with items but without keys lets nothing through.
  Runtime::Collection unkeyed;
  unkeyed.Add(Runtime::Variant("1-3"));
  EXPECT_EQ(Read(Whole, unkeyed).Runs[0].HeadCount(), 0);
}

TEST(MachinePrdSummary, MissingTablesCostOnlyThemselves) {
  // No error table: heads and feeders have no error kinds but are read.
  PrdSummary s = Read(Heads + Feeders + Boards + Tables);
  EXPECT_EQ(s.ErrorCount(), 0);
  EXPECT_EQ(s.Runs[0].HeadCount(), 3);
  EXPECT_TRUE(s.Runs[0].Heads[0].Errors.empty());
  EXPECT_EQ(s.Runs[0].FeederCount(), 3);
  EXPECT_EQ(s.Runs[0].BoardCount, 38);
  EXPECT_EQ(s.Runs[0].TableCount(), 3);

  // No head table: the feeders, boards and times that follow still count.
  s = Read(Errors + Feeders + Boards + Tables);
  EXPECT_EQ(s.Runs[0].HeadCount(), 0);
  EXPECT_EQ(s.Runs[0].HeadErrorTotals, (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(s.Runs[0].FeederTotal, 1550);
  EXPECT_EQ(s.Runs[0].TableCount(), 3);

  // No run-time section: what came before, no boards, no tables.
  s = Read(Errors + Heads + Feeders);
  EXPECT_EQ(s.Runs[0].FeederCount(), 3);
  EXPECT_EQ(s.Runs[0].BoardCount, 0);
  EXPECT_EQ(s.Runs[0].TableCount(), 0);

  // Tables out of order: the search reads forward, so the feeders standing
  // before the heads are passed over; the boards after them are still found.
  s = Read(Feeders + Heads + Boards);
  EXPECT_EQ(s.Runs[0].HeadCount(), 3);
  EXPECT_EQ(s.Runs[0].FeederCount(), 0);
  EXPECT_EQ(s.Runs[0].BoardCount, 38);
}

TEST(MachinePrdSummary, BlankLinesAreNoItems) {
  const std::string blanks = CrLf(
      {"[Totals]", "[Errors]", "@DEFINE,Errors,$Name", "", "1,\"A\"", " \t ", "[END Errors]",
       "[END Totals]", "[Head Data]", "@DEFINE,Head,#Head Number,#Spindle Number,#Total,#Errors()",
       "", "1,1,1,10,1", "\t", "[END Head Data]", "[Feeder Data]",
       "@DEFINE,Feeder,$Part Number,#Total,#Errors()", "  ", "1,\"P\",10,1", "[END Feeder Data]"});
  const PrdSummary s = Read(blanks);
  EXPECT_EQ(s.ErrorNames, (std::vector<std::string>{"A"}));
  EXPECT_EQ(Keys(s.Runs[0].Heads), (std::vector<std::string>{"1-1"}));
  EXPECT_EQ(Keys(s.Runs[0].Feeders), (std::vector<std::string>{"P"}));
}

TEST(MachinePrdSummary, DamagedNumbersAreClampedOrZero) {
  const std::string text =
      CrLf({"[Head Data]", "@DEFINE,Head,#Head Number,#Spindle Number,#Total,#Errors()",
            "1,99999,70000,99999999999,1E400", "2,-1,\"3\",\"12\",x", "[END Head Data]",
            "[Feeder Data]", "@DEFINE,Feeder,$Part Number,#Total", "1,\"A\",2000000000",
            "2,\"B\",2000000000", "[END Feeder Data]", "[Run Time Data]",
            "@DEFINE,Board,$Attribute,#Value", "1,\"TOTAL\",-2147483648", "2,\"BAD\",5"});
  const PrdSummary s = Read(text);
  const PrdRun& run = s.Runs[0];
  EXPECT_EQ(Keys(run.Heads), (std::vector<std::string>{"32767-32767", "3"}));
  EXPECT_EQ(run.Heads[0].Total, 2147483647);
  EXPECT_EQ(run.Heads[1].Total, 12);  // numeric text reads as its number
  EXPECT_EQ(run.HeadTotal, 2147483647);
  EXPECT_EQ(run.FeederTotal, 2147483647);
  EXPECT_EQ(run.BoardCount, -2147483647 - 1);
  EXPECT_EQ(s.Fault, "a number too large");
}

TEST(MachinePrdSummary, FaultNamesTheFirstUnsoundFigure) {
  auto heads = [](const char* line) {
    return CrLf({"[Totals]", "[Errors]", "@DEFINE,Errors,$Name", "1,\"Pick\"", "[END Errors]",
                 "[END Totals]", "[Head Data]",
                 "@DEFINE,Head,#Head Number,#Spindle Number,#Total,#Errors()", line,
                 "[END Head Data]"});
  };
  const std::pair<const char*, const char*> cases[] = {
      {"1,1,2,\"300\",4", ""},  // numeric text is a number
      {"1,1,2,300,0.4", ""},
      {"1,1,2,-0,&H10", ""},
      {"1,1,2,12abc,1", ""},  // the leading number
      {"1,1,2,,1", ""},       // nothing is 0
      {"1,1,2,\"many\",1", "a text where a number belongs"},
      {"1,1,2,twelve,1", ""},  // not a number: 0
      {"1,1,2,\"\",1", "a text where a number belongs"},
      {"1,1,2,5,-", ""},
      {"1,1,70000,5,1", "a number too large"},
      {"1,1,2,2147483648,1", "a number too large"},
      {"1,1,2,1E400,1", "a number too large"},
      {"1,1,2,5,1E400", "a number too large"},
      {"1,1,2,\"x\",1E400", "a text where a number belongs"},  // the first one
  };
  for (const auto& [line, fault] : cases) {
    EXPECT_EQ(Read(heads(line)).Fault, fault) << line;
  }
  // Sums beyond 32 bits are unsound too.
  EXPECT_EQ(Read(CrLf({"[Head Data]", "@DEFINE,Head,#Head Number,#Spindle Number,#Total",
                       "1,1,1,2000000000", "1,1,2,2000000000", "[END Head Data]"}))
                .Fault,
            "a number too large");
}

TEST(MachinePrdSummary, NumberTooLargeInTextIsAFaultWhileQuotedTextStaysText) {
  // Every field read as text, holding unquoted a number beyond a double.
  const std::pair<std::string_view, const char*> damaged[] = {
      {"1,100,\"Pick-up\"", "1,100,1E400"},                          // error name
      {"1,7,\"r0603-10k\",700", "1,7,1E400,700"},                    // part number
      {"1,7,\"r0603-10k\",700", "1,7,-1E400,700"},                   // and below
      {"2,\"Total\",40", "2,1E400,40"},                              // board attribute
      {"1,\"LANE\",\"1\"", "1,1E400,\"1\""},                         // table attribute
      {"2,\"START\",\"2026-12-08 08:00:00\"", "2,\"START\",1E400"},  // table value
      {"2,\"waiting\",60", "1,1E400,7340"},                          // time category
  };
  for (const auto& [from, to] : damaged) {
    std::string text = Whole;
    text.replace(text.find(from), from.size(), to);
    EXPECT_EQ(Read(text).Fault, "a number too large") << to;
  }
  // Quoted, the same is a text; an unquoted number a double holds is its label.
  const std::pair<const char*, const char*> sound[] = {
      {"\"1E400\"", "1E400"}, {"1.5E+308", "1.5E+308"}, {"99999999999", "99999999999"}};
  for (const auto& [part, key] : sound) {
    std::string text = Whole;
    text.replace(text.find("\"r0603-10k\""), 11, part);
    const PrdSummary s = Read(text);
    EXPECT_EQ(s.Fault, "") << part;
    EXPECT_EQ(s.Runs[0].Feeders[0].Key, key);
  }
}

TEST(MachinePrdSummary, UnquotedFieldsThatAreNoDecimalNumberReadZero) {
  for (const char* seconds : {"-", "abc", "e9", "\"16MM\"x2040", "\x05", "&H3E8", "&O17"}) {
    const PrdSummary s = Read(CrLf(
        {"[Head Data]", "@DEFINE,Head,#Head Number,#Spindle Number,#Total",
         (std::string("Head,1,1,") + seconds + ",10,5").c_str(), "Head,1,2,7", "[END Head Data]",
         "[Run Time Data]", "@DEFINE,Board,$Attribute,#Value", "1,\"TOTAL\",40", "[Table]",
         "@DEFINE,Table,$Attribute,$Value", "[Time]", "@DEFINE,Time,$Category,#Seconds",
         "Time,\"RUNNING\",100", (std::string("Time,\"WAITING\",") + seconds).c_str(),
         "Time,\"STOPPED\",30", "[END Time]", "[END Table]", "[END Run Time Data]"}));
    EXPECT_EQ(s.Fault, "") << seconds;
    ASSERT_EQ(s.Runs[0].HeadCount(), 2) << seconds;
    EXPECT_EQ(s.Runs[0].Heads[0].Total, 0) << seconds;
    EXPECT_EQ(s.Runs[0].HeadTotal, 7) << seconds;
    EXPECT_EQ(s.Runs[0].BoardCount, 40) << seconds;
    ASSERT_EQ(s.Runs[0].TableCount(), 1) << seconds;
    EXPECT_EQ(s.Runs[0].Tables[0].RunningSeconds, 100) << seconds;
    EXPECT_EQ(s.Runs[0].Tables[0].WaitingSeconds, 0) << seconds;
    EXPECT_EQ(s.Runs[0].Tables[0].StoppedSeconds, 30) << seconds;
  }
}

TEST(MachinePrdSummary, UnreadableFileGivesTheEmptyRun) {
  TestSupport::TempDir dir;
  const PrdSummary s =
      ReadMachinePrdSummary((dir.Path() / "none.KVX").string(), NoFilter, NoFilter, NoFilter, "X");
  ASSERT_EQ(s.RunCount(), 1);
  EXPECT_EQ(s.Runs[0].Name, "X");
  EXPECT_EQ(s.ErrorCount(), 0);
  EXPECT_EQ(s.Runs[0].HeadCount() + s.Runs[0].FeederCount() + s.Runs[0].TableCount(), 0);

  // Written with the names in another case, read by the names the loader builds.
  DataTest::WriteFile(dir.Path() / "HISTORY" / "2026_12_08" / "MACHINE PRD" / "m1" / "a.kvx",
                      Whole);
  const std::string file = dir.Folder() + "History/2026_12_08/Machine Prd/M1/a.KVX";
  EXPECT_EQ(ReadMachinePrdSummary(file, NoFilter, NoFilter, NoFilter, "X").Runs[0].BoardCount, 38);
}

TEST(MachinePrdSummary, TruncatedInsideATableEnds) {
  // The file ends inside a Table's data with no Time table after it.
  const std::string text =
      Errors + Boards +
      CrLf({"[Table]", "@DEFINE,Table,$Attribute,$Value", "1,\"START\",\"2026-12-08 08:00:00\""});
  const PrdSummary s = Read(text);
  EXPECT_EQ(s.Runs[0].TableCount(), 1);
  EXPECT_DOUBLE_EQ(s.Runs[0].StartTime.Serial, At(2026, 12, 8, 8));
  for (size_t cut = 0; cut <= Whole.size(); cut += 7) Read(std::string_view(Whole).substr(0, cut));
}

TEST(ParseDateTime, PartsAndCarries) {
  EXPECT_DOUBLE_EQ(ParseDateTime("2026-12-08 06:30:15").Serial, At(2026, 12, 8, 6, 30, 15));
  EXPECT_DOUBLE_EQ(ParseDateTime("  2026-12-08    06:30:15  ").Serial, At(2026, 12, 8, 6, 30, 15));
  EXPECT_DOUBLE_EQ(ParseDateTime("2026-12-08").Serial, At(2026, 12, 8));
  EXPECT_DOUBLE_EQ(ParseDateTime("2026-12-08 7").Serial, At(2026, 12, 8, 7));
  EXPECT_DOUBLE_EQ(ParseDateTime("2026-12-31 24:00:00").Serial, At(2027, 1, 1));
  EXPECT_DOUBLE_EQ(ParseDateTime("2026-13-01").Serial, At(2027, 1, 1));
  EXPECT_DOUBLE_EQ(ParseDateTime("2024-02-30 00:90:00").Serial, At(2024, 3, 1, 1, 30));
  EXPECT_DOUBLE_EQ(ParseDateTime("2026-1-2 3:4:5.6").Serial, At(2026, 1, 2, 3, 4, 6));
}

TEST(ParseDateTime, TextThatIsNoDateGivesZero) {
  EXPECT_DOUBLE_EQ(ParseDateTime("99999-01-01").Serial, 0.0);
  ParseDateTime("");
  ParseDateTime("abc");
  ParseDateTime("1E400-1-1");
  ParseDateTime("-32768--32768--32768 -32768:-32768:-32768");
}

// --- Files the sample-data generator writes --------------------------------

TEST(MachinePrdSummary, GeneratedFilesReadBackAsWritten) {
  TestSupport::TempDir dir;
  SampleData::Options options;
  options.Lines = 1;
  options.Machines = 4;
  options.Days = 9;
  options.EndDate = std::chrono::year_month_day(std::chrono::year(2026), std::chrono::month(12),
                                                std::chrono::day(8));
  std::vector<SampleData::WrittenFile> files;
  SampleData::WriteDataDirectory(dir.Path(), options, &files);
  ASSERT_GT(files.size(), 10U);
  for (const SampleData::WrittenFile& file : files) {
    SCOPED_TRACE(file.Path.string());
    const SampleData::SummaryContent& c = file.Content;
    const PrdSummary s =
        ReadMachinePrdSummary(file.Path.string(), NoFilter, NoFilter, NoFilter, file.Product);
    EXPECT_EQ(s.ErrorNames, c.ErrorNames);
    EXPECT_EQ(s.Fault, "");
    const PrdRun& run = s.Runs[0];
    EXPECT_EQ(run.Name, file.Product);
    ASSERT_EQ(run.HeadCount(), static_cast<int16_t>(c.Heads.size()));
    int64_t headTotal = 0;
    for (size_t i = 0; i < c.Heads.size(); ++i) {
      const SampleData::HeadLine& h = c.Heads[i];
      const std::string key = h.Head >= 1 ? std::to_string(h.Head) + "-" + std::to_string(h.Spindle)
                                          : std::to_string(h.Spindle);
      EXPECT_EQ(run.Heads[i].Key, key);
      EXPECT_EQ(run.Heads[i].Errors, h.Errors);
      headTotal += h.Total;
    }
    EXPECT_EQ(run.HeadTotal, headTotal);
    ASSERT_EQ(run.FeederCount(), static_cast<int16_t>(c.Feeders.size()));
    std::vector<int32_t> feederErrors(c.ErrorNames.size(), 0);
    int64_t feederTotal = 0;
    for (size_t i = 0; i < c.Feeders.size(); ++i) {
      EXPECT_EQ(run.Feeders[i].Key, c.Feeders[i].PartNumber);
      EXPECT_EQ(run.Feeders[i].Total, c.Feeders[i].Total);
      feederTotal += c.Feeders[i].Total;
      for (size_t e = 0; e < feederErrors.size(); ++e) feederErrors[e] += c.Feeders[i].Errors[e];
    }
    EXPECT_EQ(run.FeederTotal, feederTotal);
    EXPECT_EQ(run.FeederErrorTotals, feederErrors);
    EXPECT_EQ(run.HeadErrorTotals, feederErrors);  // the heads placed what the feeders gave
    EXPECT_EQ(run.BoardCount, c.BoardTotal - c.BoardBad);
    ASSERT_EQ(run.TableCount(), static_cast<int16_t>(c.Tables.size()));
    double start = 1e9;
    double finish = -1e9;
    for (size_t t = 0; t < c.Tables.size(); ++t) {
      EXPECT_EQ(run.Tables[t].RunningSeconds, c.Tables[t].RunningSeconds);
      EXPECT_EQ(run.Tables[t].WaitingSeconds, c.Tables[t].WaitingSeconds);
      EXPECT_EQ(run.Tables[t].StoppedSeconds, c.Tables[t].StoppedSeconds);
      start = std::min(start, ParseDateTime(c.Tables[t].Start).Serial);
      finish = std::max(finish, ParseDateTime(c.Tables[t].Finish).Serial);
    }
    EXPECT_DOUBLE_EQ(run.StartTime.Serial, start);
    EXPECT_DOUBLE_EQ(run.FinishTime.Serial, finish);
    EXPECT_GE(run.StartTime.Serial, At(2026, 11, 30));
  }
}

TEST(MachinePrdSummary, DamagedGeneratedFilesGiveWhatCanBeRead) {
  using SampleData::Damage;
  SampleData::SummaryShape shape;
  shape.Tables = 2;
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    const SampleData::SummaryContent content = SampleData::RandomSummary(seed, shape);
    const std::string text = SampleData::SummaryFileText(content);
    const PrdSummary whole = Read(text);
    for (Damage damage : SampleData::AllDamages) {
      SCOPED_TRACE(std::string(SampleData::DamageName(damage)) + " " + std::to_string(seed));
      const PrdSummary s = Read(SampleData::DamageSummary(text, damage, seed));
      ASSERT_EQ(s.RunCount(), 1);
      const PrdRun& run = s.Runs[0];
      for (const PrdItem& item : run.Heads) EXPECT_EQ(item.Errors.size(), s.ErrorNames.size());
      for (const PrdItem& item : run.Feeders) EXPECT_EQ(item.Errors.size(), s.ErrorNames.size());
      EXPECT_EQ(run.HeadErrorTotals.size(), s.ErrorNames.size());
      if (damage == Damage::BlankLines) {
        EXPECT_EQ(s.ErrorNames, whole.ErrorNames);
        EXPECT_EQ(Keys(run.Heads), Keys(whole.Runs[0].Heads));
        EXPECT_EQ(Keys(run.Feeders), Keys(whole.Runs[0].Feeders));
        EXPECT_EQ(run.TableCount(), 2);
      }
    }
  }
}

TEST(MachinePrdSummary, EachMissingTableLeavesTheOthers) {
  const std::string text = SampleData::SummaryFileText(SampleData::RandomSummary(7));
  const PrdRun whole = Read(text).Runs[0];
  // The generator drops one table per seed; try seeds until each was dropped.
  int seen = 0;
  for (uint32_t seed = 0; seed < 64 && seen != 0b11111; ++seed) {
    const PrdSummary s =
        Read(SampleData::DamageSummary(text, SampleData::Damage::MissingTable, seed));
    const PrdRun& run = s.Runs[0];
    if (s.ErrorCount() == 0) {
      seen |= 1;
      EXPECT_EQ(Keys(run.Heads), Keys(whole.Heads));
    }
    if (run.HeadCount() == 0) seen |= 2;
    if (run.FeederCount() == 0) seen |= 4;
    if (run.TableCount() == 0) seen |= 8;
    if (run.TableCount() == 1 && run.Tables[0].RunningSeconds == 0) seen |= 16;
    if (s.ErrorCount() == 0 || run.HeadCount() == 0 || run.FeederCount() == 0) {
      EXPECT_EQ(run.BoardCount, whole.BoardCount);
      EXPECT_EQ(run.TableCount(), whole.TableCount());
    }
    if (run.HeadCount() == 0) {
      EXPECT_EQ(Keys(run.Feeders), Keys(whole.Feeders));
    }
  }
  EXPECT_EQ(seen, 0b11111);
}
