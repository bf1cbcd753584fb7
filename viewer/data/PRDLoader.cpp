#include "viewer/data/PRDLoader.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "graph/render/Graph.h"
#include "platform/DirListing.h"
#include "platform/Files.h"
#include "platform/Paths.h"
#include "runtime/CaseFold.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "viewer/data/DataFile.h"
#include "viewer/data/PRDAggregation.h"
#include "viewer/data/PRDChart.h"
#include "viewer/data/PRDModule.h"
#include "viewer/data/modKVX.h"

namespace Kordex {

namespace {

constexpr std::string_view FilePattern = "?????_????_MachinePRDSummary_*.KVX";
constexpr int64_t Kbyte = 1024;
// The files named in the message after a load; the rest are counted.
constexpr size_t MaxFilesNamed = 10;

// A copy of a filter's keys taken when the load starts: the caller's
// collections may change while the load gives the event loop its turn.
class NameFilter {
 public:
  explicit NameFilter(const Runtime::CollectionRef& filter)
      : copy_(std::make_shared<Runtime::Collection>()) {
    if (!filter) return;
    for (int32_t i = 1; i <= filter->Count(); ++i) {
      // An entry without a key lets nothing through, but the filter is not empty.
      const std::string& key = filter->KeyAt(i);
      if (key.empty()) {
        copy_->Add(filter->Item(Runtime::Variant(i)));
      } else if (keys_.insert(Runtime::FoldCase(key)).second) {
        copy_->Add(filter->Item(Runtime::Variant(i)), Runtime::Variant(key));
      }
    }
    all_ = filter->Count() == 0;
  }
  bool Passes(std::string_view name) const {
    return all_ || keys_.contains(Runtime::FoldCase(name));
  }
  const Runtime::CollectionRef& Copy() const { return copy_; }

 private:
  bool all_ = true;
  std::unordered_set<std::string> keys_;
  Runtime::CollectionRef copy_;
};

// The load's own query: its filters copied, so that the caller may change or
// reuse its request while the load runs.
struct LoadQuery {
  explicit LoadQuery(const PRDQuery& query)
      : Heads(query.HeadFilter),
        Products(query.ProductFilter),
        Machines(query.MachineFilter),
        PartNumbers(query.PartNumberFilter),
        Errors(query.ErrorFilter),
        Query(query) {
    Query.HeadFilter = Heads.Copy();
    Query.ProductFilter = Products.Copy();
    Query.MachineFilter = Machines.Copy();
    Query.PartNumberFilter = PartNumbers.Copy();
    Query.ErrorFilter = Errors.Copy();
  }
  NameFilter Heads, Products, Machines, PartNumbers, Errors;
  PRDQuery Query;
};

// The load window of one load, shown while there is anything to read and gone
// when the load ends, however it ends. Byte counts are 64-bit; the bar counts
// in units large enough that its maximum fits 32 bits.
class Progress {
 public:
  Progress(PRDLoadHost& host, bool show, int64_t total) : total_(total) {
    if (!show || total <= 0) return;
    while (total / unit_ > std::numeric_limits<int32_t>::max()) unit_ *= Kbyte;
    form_ = host.NewLoadForm();
    try {
      form_->SetLoadBarMax(static_cast<double>(total / unit_));
      form_->SetLoadBarValue(0);
      form_->SetLoadLabel("0 of " + std::to_string(total / Kbyte) + " Kbytes loaded.");
      form_->Show();
      form_->Refresh();
    } catch (...) {
      Close();
      throw;
    }
  }
  ~Progress() { Close(); }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void Loaded(int64_t loaded) {
    if (!form_) return;
    // A file that appeared after the sizes were taken may carry the count
    // past the total.
    form_->SetLoadBarValue(std::min(static_cast<double>(loaded / unit_), form_->LoadBarMax()));
    form_->SetLoadLabel(std::to_string(loaded / Kbyte) + " of " + std::to_string(total_ / Kbyte) +
                        " Kbytes loaded.");
    form_->Refresh();
  }
  void Close() noexcept {
    if (!form_) return;
    const std::unique_ptr<LoadForm> form = std::move(form_);
    try {
      form->Unload();
    } catch (...) {
      // A window that cannot close is no reason to lose the load.
    }
  }

 private:
  int64_t total_;
  int64_t unit_ = 1;
  std::unique_ptr<LoadForm> form_;
};

// A file left out of the load and why.
struct SkippedFile {
  std::string Name;
  std::string Reason;
};

std::string SkippedMessage(const std::vector<SkippedFile>& skipped) {
  std::string text =
      skipped.size() == 1
          ? std::string("One summary file could not be read and was left out:")
          : std::to_string(skipped.size()) + " summary files could not be read and were left out:";
  for (size_t i = 0; i < skipped.size() && i < MaxFilesNamed; ++i) {
    text += "\r\n" + skipped[i].Name + " (" + skipped[i].Reason + ")";
  }
  if (skipped.size() > MaxFilesNamed) {
    text += "\r\nand " + std::to_string(skipped.size() - MaxFilesNamed) + " more.";
  }
  return text;
}

// The files a message has named in this run. A load without progress (the
// refresh of open charts) names only files not named before, so a damaged
// file does not bring the same message back every few minutes.
std::unordered_set<std::string>& NamedFiles() {
  static std::unordered_set<std::string> named;
  return named;
}

class Load {
 public:
  Load(const PRDQuery& query, std::shared_ptr<Dravex::Graph> graph, std::string dataDirectory,
       bool showProgress, std::shared_ptr<PRDLoadHost> host)
      : query_(query),
        graph_(std::move(graph)),
        dataDirectory_(std::move(dataDirectory)),
        showProgress_(showProgress),
        host_(std::move(host)) {}

  void Run();

 private:
  // The day folders of the line's history as they are now: folded name to the
  // name on the disk. A day without a folder costs no look-up then.
  using DayFolders = std::unordered_map<std::string, std::string>;
  DayFolders ListDays() const;
  // The folder of the day's machine folders, "" when the day has no folder.
  std::string MachinesFolder(const DayFolders& folders, double day) const;
  // The days of the range, whole days; none when the range is upside down.
  std::vector<double> Days() const;
  // The summary files of one machine on one day, as listed with their lengths
  // and the names the file system gave (opened as they are). An entry named
  // like a summary file that is no file (a folder, a pipe, a link to nothing)
  // comes with the reason it cannot be read.
  struct ListedFile {
    std::string Name;
    std::string NativePath;
    int64_t Length = 0;
    std::string Unusable;
  };
  struct MachineFiles {
    int16_t Machine = 0;
    std::string Folder;
    std::vector<ListedFile> Files;
  };
  using DayFiles = std::vector<MachineFiles>;
  // The first pass: lists the files of every day and gives their byte total.
  // The second reads what the first listed, so every folder is listed once.
  int64_t ListFiles(const std::vector<double>& days);
  void ReadDay(const DayFiles& files, PRDAggregation& aggregation, Progress& progress);
  void ReadFile(const std::string& path, const std::string& product, int16_t machine,
                PRDAggregation& aggregation);

  LoadQuery query_;
  std::shared_ptr<Dravex::Graph> graph_;
  std::string dataDirectory_;
  bool showProgress_;
  std::shared_ptr<PRDLoadHost> host_;
  std::shared_ptr<const MachineTable> machines_;
  std::vector<std::string> machineNames_;
  // The line's history folder, ending in "/", in the case it has on the disk.
  std::string history_;
  std::vector<DayFiles> files_;  // per day of the range
  int64_t loaded_ = 0;
  std::string bytes_;
  PrdSummary summary_;  // the file read last; its room serves the next
  std::vector<SkippedFile> skipped_;
};

std::vector<double> Load::Days() const {
  std::vector<double> days;
  const double first = std::floor(query_.Query.FromDate.Serial);
  const double last = std::floor(query_.Query.ToDate.Serial);
  for (double day = first; day <= last; day += 1.0) days.push_back(day);
  return days;
}

Load::DayFolders Load::ListDays() const {
  DayFolders folders;
  Platform::DirListing listing;
  for (std::string name = listing.Start(history_ + "*", Platform::FileAttribute::Directory);
       !name.empty(); name = listing.Next()) {
    folders.emplace(Runtime::FoldCase(name), name);
  }
  return folders;
}

std::string Load::MachinesFolder(const DayFolders& folders, double day) const {
  const std::string name = Runtime::Format(Runtime::Variant(Runtime::DateTime{day}), "yyyy_mm_dd");
  const auto found = folders.find(Runtime::FoldCase(name));
  if (found == folders.end()) return {};
  return history_ + found->second + "/Machine Prd/M";
}

int64_t Load::ListFiles(const std::vector<double>& days) {
  int64_t total = 0;
  const DayFolders folders = days.empty() ? DayFolders() : ListDays();
  Platform::DirListing listing;
  for (const double day : days) {
    DayFiles& dayFiles = files_.emplace_back();
    if (machines_->MachineCount() == 0) continue;
    const std::string machinesFolder = MachinesFolder(folders, day);
    if (machinesFolder.empty()) continue;
    for (int16_t m = 1; m <= machines_->MachineCount(); ++m) {
      MachineFiles machine{m, machinesFolder + std::to_string(m) + "/", {}};
      for (std::string name = listing.Start(machine.Folder + std::string(FilePattern));
           !name.empty(); name = listing.Next()) {
        total += listing.Length();
        machine.Files.push_back(
            {std::move(name), listing.NativeFolder() + listing.NativeName(), listing.Length(), {}});
      }
      for (const auto& entry : listing.LeftOut()) {
        machine.Files.push_back({entry.Name, {}, 0, Platform::FileErrorText(entry.Kind)});
      }
      if (!machine.Files.empty()) dayFiles.push_back(std::move(machine));
    }
  }
  return total;
}

void Load::Run() {
  // The line's machines as they are now, kept for the whole load: another load
  // may read another line while this one waits for the event loop.
  ReadLineConfig(query_.Query.LineNumber, dataDirectory_);
  machines_ = CurrentMachineTable();
  for (int16_t m = 1; m <= machines_->MachineCount(); ++m) {
    machineNames_.push_back(machines_->MachineName(m));
  }
  history_ = Platform::SystemPath(Platform::ResolvePath(
      dataDirectory_ + "Line" + std::to_string(query_.Query.LineNumber) + "/History/"));

  PRDChart chart(graph_);
  PRDAggregation aggregation(query_.Query, *machines_, chart);
  aggregation.MakeSeries();

  const std::vector<double> days = Days();
  Progress progress(*host_, showProgress_, ListFiles(days));
  for (size_t d = 0; d < days.size(); ++d) {
    host_->DoEvents();
    // The chart was closed meanwhile: nobody is waiting for its points.
    if (!chart.Alive()) return;
    aggregation.StartDay(Runtime::DateTime{days[d]});
    ReadDay(files_[d], aggregation, progress);
    aggregation.EndDay();
  }
  aggregation.EndRange();
  progress.Close();
  // A line that is there but whose machines cannot be known loads nothing;
  // the person is told why rather than shown an empty chart.
  const std::string line = "Line" + std::to_string(query_.Query.LineNumber);
  if (machines_->MachineCount() == 0 && Platform::IsFolder(dataDirectory_ + line) &&
      (NamedFiles().insert(dataDirectory_ + line + "/CommSet.Cnf").second || showProgress_)) {
    host_->ShowMessage("Line " + std::to_string(query_.Query.LineNumber) +
                           ": no machines configured in CommSet.Cnf (" + machines_->Problem + ").",
                       "Line Configuration Error!");
  }
  std::vector<SkippedFile> toName;
  for (SkippedFile& file : skipped_)
    if (NamedFiles().insert(file.Name).second || showProgress_) toName.push_back(std::move(file));
  if (!toName.empty()) host_->ShowMessage(SkippedMessage(toName), "Data File Error!");
}

void Load::ReadDay(const DayFiles& files, PRDAggregation& aggregation, Progress& progress) {
  for (const MachineFiles& machine : files) {
    const int16_t m = machine.Machine;
    const bool machineWanted = query_.Machines.Passes(machineNames_[static_cast<size_t>(m) - 1]);
    for (const ListedFile& file : machine.Files) {
      const std::string path = machine.Folder + file.Name;
      const std::string product = ProductOfFileName(file.Name);
      if (!machineWanted || !query_.Products.Passes(product)) {
        loaded_ += file.Length;
      } else if (!file.Unusable.empty()) {
        skipped_.push_back({path, file.Unusable});
      } else if (std::string why;
                 ReadNativeDataFile(file.NativePath, bytes_, KvxReader::MaxFileBytes, &why)) {
        loaded_ += static_cast<int64_t>(bytes_.size());
        ReadFile(path, product, m, aggregation);
      } else {
        loaded_ += file.Length;
        skipped_.push_back(
            {path, why == DataFileTooLarge ? why : "the file could not be read: " + why});
      }
      progress.Loaded(loaded_);
    }
  }
}

void Load::ReadFile(const std::string& path, const std::string& product, int16_t machine,
                    PRDAggregation& aggregation) {
  PrdSummary& summary = summary_;
  try {
    ReadMachinePrdSummaryBytes(bytes_, *query_.Query.HeadFilter, *query_.Query.PartNumberFilter,
                               *query_.Query.ErrorFilter, product, summary);
  } catch (const Runtime::Error& error) {
    skipped_.push_back({path, error.Description()});
    return;
  }
  if (!summary.Fault.empty()) {
    skipped_.push_back({path, summary.Fault});
    return;
  }
  if (!aggregation.AddSummary(summary, machine)) skipped_.push_back({path, "a number too large"});
}

}  // namespace

std::string ProductOfFileName(const std::string& FileName) {
  // The name from its 29th character, less the extension and the "_" that
  // leads the product.
  if (FileName.size() < 29) return {};
  std::string product = FileName.substr(28);
  product.resize(product.size() >= 4 ? product.size() - 4 : 0);
  if (!product.empty()) product.erase(0, 1);
  return product;
}

void LoadPRDSummaryData(const PRDQuery& Query, const std::shared_ptr<Dravex::Graph>& Graph,
                        const std::string& DataDirectory, bool ShowProgress) {
  LoadPRDSummaryData(Query, Graph, DataDirectory, ShowProgress, LoadHost());
}

void LoadPRDSummaryData(const PRDQuery& Query, const std::shared_ptr<Dravex::Graph>& Graph,
                        const std::string& DataDirectory, bool ShowProgress,
                        const std::shared_ptr<PRDLoadHost>& Host) {
  if (!Graph) Runtime::Raise(Runtime::ErrorNumber::ObjectNotSet, "LoadPRDSummaryData");
  Load(Query, Graph, DataDirectory, ShowProgress, Host ? Host : LoadHost()).Run();
}

}  // namespace Kordex
