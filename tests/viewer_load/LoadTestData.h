#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "graph/render/Graph.h"
#include "runtime/Collection.h"
#include "runtime/DateTime.h"
#include "runtime/Strings.h"
#include "tests/graph/GraphTestHost.h"
#include "tests/support/TempDir.h"
#include "tools/sampledata/SampleData.h"
#include "viewer/data/PRDQuery.h"

namespace LoadTest {

// A small generated data directory: two lines of three and two machines, nine
// days ending on Saturday 14 March 2026 (one Sunday without files), three
// products. Made once per test program.
struct GeneratedData {
  TestSupport::TempDir Dir;
  std::filesystem::path Root;
  std::vector<Kordex::SampleData::WrittenFile> Files;

  GeneratedData() : Root(Dir.Path() / "Data") {
    Kordex::SampleData::Options options;
    options.Seed = 7;
    options.Lines = 2;
    options.Machines = 3;
    options.Days = 9;
    options.Products = 3;
    options.EndDate = std::chrono::year_month_day(std::chrono::year(2026), std::chrono::month(3),
                                                  std::chrono::day(14));
    Kordex::SampleData::WriteDataDirectory(Root, options, &Files);
  }
  std::string Folder() const { return Root.string() + "/"; }
};

inline const GeneratedData& Data() {
  static const GeneratedData data;
  return data;
}

inline Runtime::CollectionRef Keys(std::initializer_list<std::string> keys) {
  auto collection = std::make_shared<Runtime::Collection>();
  for (const std::string& key : keys) collection->Add(Runtime::Variant(key), Runtime::Variant(key));
  return collection;
}

// A query of line 1 over the generated days.
inline Kordex::PRDQuery Query(Kordex::PRDMeasure measure, Kordex::PRDGrouping grouping) {
  Kordex::PRDQuery query;
  query.Measure = measure;
  query.Grouping = grouping;
  // Times of day are ignored: the first and the last day count whole.
  query.FromDate = Runtime::DateTime{Runtime::DateSerial(2026, 3, 6).Serial + 0.75};
  query.ToDate = Runtime::DateTime{Runtime::DateSerial(2026, 3, 14).Serial + 0.25};
  query.LineNumber = 1;
  return query;
}

// A chart on a form, as a report's chart window has it.
struct Chart {
  GraphTest::TestHost Host;
  std::shared_ptr<Dravex::Graph>& Graph = Host.graph;
};

}  // namespace LoadTest
