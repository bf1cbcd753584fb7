#include "fuzz/data/DataFuzzEntries.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "runtime/Collection.h"
#include "viewer/data/PRDModule.h"
#include "viewer/data/modKVX.h"

namespace Kordex::Fuzz {

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckSummary(const PrdSummary& summary) {
  Require(summary.RunCount() == 1);
  const size_t kinds = summary.ErrorNames.size();
  const PrdRun& run = summary.Runs[0];
  Require(run.HeadErrorTotals.size() == kinds && run.FeederErrorTotals.size() == kinds);
  for (const PrdItem& item : run.Heads) Require(item.Errors.size() == kinds);
  for (const PrdItem& item : run.Feeders) Require(item.Errors.size() == kinds);
  Require(!std::isnan(run.StartTime.Serial) && !std::isnan(run.FinishTime.Serial));
}

}  // namespace

int SummaryReaderInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const Runtime::Collection none;
  static const Runtime::Collection heads = [] {
    Runtime::Collection c;
    c.Add(Runtime::Variant("1-1"), Runtime::Variant("1-1"));
    c.Add(Runtime::Variant("4"), Runtime::Variant("4"));
    return c;
  }();
  CheckSummary(ReadMachinePrdSummaryBytes(bytes, none, none, none, "RUN"));
  CheckSummary(ReadMachinePrdSummaryBytes(bytes, heads, heads, none, "RUN"));

  KvxReader reader;
  reader.OpenBytes(bytes);
  static const char* const paths[] = {"\\Totals\\Errors", "*", "\\Run Time Data\\Table", "\\?*"};
  static const char* const tables[] = {"Errors", "*", "Table", "[A-Z]#"};
  for (int step = 0; step < 16; ++step) {
    const KvxReaderState before = reader.State();
    const int32_t position = reader.Position();
    const int16_t mode = static_cast<int16_t>(step % 4);
    if (!reader.FindSection(paths[step % 4], tables[(step / 4) % 4], mode)) {
      Require(reader.Position() == position && reader.State().Line == before.Line &&
              reader.State().Sections == before.Sections && reader.State().Status == before.Status);
    }
    reader.ReadLine();
    reader.ParseValues("Errors");
    reader.ParseValues("Name");
    Require(reader.State().Depth() >= 0 && reader.State().ColumnCount() >= 0);
  }
  return 0;
}

int ParseDateTimeInput(const uint8_t* data, size_t size) {
  const Runtime::DateTime value =
      ParseDateTime(std::string_view(reinterpret_cast<const char*>(data), size));
  Require(!std::isnan(value.Serial));
  return 0;
}

}  // namespace Kordex::Fuzz
