#include "viewer/data/PRDLoader.h"

#include <algorithm>
#include <charconv>
#include <chrono>
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
// in units large enough that its maximum fits 32 bits. The figures are set
// after every file, but the window is repainted at most once a frame and
// after the last file: a load reads files far faster than anyone can follow,
// and every repaint waits for the display.
class Progress {
 public:
  Progress(PRDLoadHost& host, bool show, int64_t total, size_t files)
      : host_(host),
        files_(files),
        of_(" of " + std::to_string(total / Kbyte) + " Kbytes loaded.") {
    if (!show || total <= 0) return;
    while (total / unit_ > std::numeric_limits<int32_t>::max()) unit_ *= Kbyte;
    form_ = host.NewLoadForm();
    try {
      form_->SetLoadBarMax(static_cast<double>(total / unit_));
      form_->SetLoadBarValue(0);
      form_->SetLoadLabel("0" + of_);
      form_->Show();
      Repaint();
    } catch (...) {
      Close();
      throw;
    }
  }
  ~Progress() { Close(); }
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // After each of the load's files, read or not.
  void Loaded(int64_t loaded) {
    if (!form_) return;
    // A file that appeared after the sizes were taken may carry the count
    // past the total.
    form_->SetLoadBarValue(std::min(static_cast<double>(loaded / unit_), form_->LoadBarMax()));
    // The label is made anew for every file: its room is kept.
    char digits[24];
    label_.assign(digits, std::to_chars(digits, digits + sizeof digits, loaded / Kbyte).ptr);
    label_ += of_;
    form_->SetLoadLabel(label_);
    shown_ = false;
    if (++done_ >= files_ || host_.Now() - repainted_ >= Frame) Repaint();
  }
  // The load is over, also when it stopped before its last file: the window
  // shows the figures set last, then goes.
  void Finish() {
    if (form_ && !shown_) Repaint();
    Close();
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
  // About the time a screen shows one picture.
  static constexpr std::chrono::steady_clock::duration Frame =
      std::chrono::microseconds(1'000'000 / 30);

  void Repaint() {
    form_->Refresh();
    // Counted from the end of the repaint: however long it takes, the load
    // has the frame to itself.
    repainted_ = host_.Now();
    shown_ = true;
  }

  PRDLoadHost& host_;
  size_t files_;     // the files of the load, each followed by Loaded
  size_t done_ = 0;  // the files loaded so far
  std::string of_;   // what follows the Kbytes loaded in the label
  std::string label_;
  int64_t unit_ = 1;
  std::unique_ptr<LoadForm> form_;
  std::chrono::steady_clock::time_point repainted_;
  bool shown_ = true;  // the window shows the figures set last
};

// A file left out of the load and why.
struct SkippedFile {
  std::string Name;
  std::string Reason;
};

// The product a summary file's name names, within the name: from its 29th
// character, less the extension and the "_" that leads the product.
std::string_view ProductIn(std::string_view name) {
  if (name.size() < 29) return {};
  std::string_view product = name.substr(28);
  product.remove_suffix(std::min<size_t>(product.size(), 4));
  if (!product.empty()) product.remove_prefix(1);
  return product;
}

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
  // The day's folder on the disk ("" when it has none).
  std::string DayFolder(const DayFolders& folders, double day) const;
  // The folder of the day's machine folders, opened below the history folder.
  Platform::FolderHandle MachinesFolder(const std::string& dayFolder) const;
  // The days of the range, whole days; none when the range is upside down.
  std::vector<double> Days() const;

  // What the first pass listed, kept for the second so that every folder is
  // listed once: per file its length, its machine and its path below the
  // day's machine folders ("M<m>/" and the name as the file system gave it,
  // opened as it is), each path ending in a NUL in one buffer of them all. An
  // entry named like a summary file that is no file (a folder, a pipe, a link
  // to nothing) comes with the reason it cannot be read, and its name in the
  // system's text.
  struct ListedFile {
    int64_t Length = 0;
    uint32_t Path = 0;  // where the path starts in paths_
    int16_t Machine = 0;
    int16_t Unusable = 0;  // 0, or what the entry is (a kind of Platform::FileErrorText)
  };
  struct ListedDay {
    std::string Folder;  // the day's folder on the disk, "" when it has none
    size_t First = 0;    // its first file in files_
  };
  // The first pass: lists the files of every day and gives their byte total.
  int64_t ListFiles(const std::vector<double>& days);
  void AddFile(int16_t machine, const std::string& folder, const std::string& name, int64_t length,
               int unusable);
  void ReadDay(size_t day, PRDAggregation& aggregation, Progress& progress);
  void ReadFile(const ListedDay& day, const ListedFile& file, PRDAggregation& aggregation);
  // A file's path as a message names it, its name being in name_.
  std::string MessagePath(const ListedDay& day, const ListedFile& file) const;

  LoadQuery query_;
  std::shared_ptr<Dravex::Graph> graph_;
  std::string dataDirectory_;
  bool showProgress_;
  std::shared_ptr<PRDLoadHost> host_;
  std::shared_ptr<const MachineTable> machines_;
  // Per machine, whether the query's machine filter lets its files through.
  std::vector<bool> machineWanted_;
  // The line's history folder, ending in "/", in the case it has on the disk,
  // and the same folder open.
  std::string history_;
  Platform::FolderHandle historyFolder_;
  std::vector<ListedDay> days_;  // per day of the range
  std::vector<ListedFile> files_;
  std::string paths_;
  int64_t loaded_ = 0;
  std::string bytes_;
  // The name and product of the file read last; their room serves the next.
  std::string name_;
  std::string product_;
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
  listing.Start(historyFolder_, "*", Platform::FileAttribute::Directory);
  for (const std::string& name : listing.Names()) folders.emplace(Runtime::FoldCase(name), name);
  return folders;
}

std::string Load::DayFolder(const DayFolders& folders, double day) const {
  const std::string name = Runtime::Format(Runtime::Variant(Runtime::DateTime{day}), "yyyy_mm_dd");
  const auto found = folders.find(Runtime::FoldCase(name));
  return found == folders.end() ? std::string() : found->second;
}

Platform::FolderHandle Load::MachinesFolder(const std::string& dayFolder) const {
  if (dayFolder.empty()) return {};
  return Platform::FolderHandle(historyFolder_, dayFolder + "/Machine Prd");
}

void Load::AddFile(int16_t machine, const std::string& folder, const std::string& name,
                   int64_t length, int unusable) {
  if (paths_.size() + folder.size() + name.size() >= std::numeric_limits<uint32_t>::max()) {
    Runtime::Raise(Runtime::ErrorNumber::OutOfMemory, "LoadPRDSummaryData");
  }
  files_.push_back(
      {length, static_cast<uint32_t>(paths_.size()), machine, static_cast<int16_t>(unusable)});
  paths_ += folder;
  paths_ += name;
  paths_ += '\0';
}

int64_t Load::ListFiles(const std::vector<double>& days) {
  int64_t total = 0;
  const int16_t machineCount = machines_->MachineCount();
  const DayFolders folders = days.empty() || machineCount == 0 ? DayFolders() : ListDays();
  Platform::DirListing listing;
  // The lengths count only for the load window.
  listing.TakeLengths(showProgress_);
  std::string pattern;
  for (const double day : days) {
    ListedDay& listed = days_.emplace_back();
    listed.First = files_.size();
    if (machineCount == 0) continue;
    listed.Folder = DayFolder(folders, day);
    const Platform::FolderHandle machinesFolder = MachinesFolder(listed.Folder);
    if (!machinesFolder.IsOpen()) continue;
    for (int16_t m = 1; m <= machineCount; ++m) {
      pattern.assign("M").append(std::to_string(m)).append("/").append(FilePattern);
      listing.Start(machinesFolder, pattern);
      for (size_t i = 0; i < listing.NativeNames().size(); ++i) {
        total += listing.Lengths()[i];
        AddFile(m, listing.NativeFolder(), listing.NativeNames()[i], listing.Lengths()[i], 0);
      }
      for (const auto& entry : listing.LeftOut()) {
        AddFile(m, listing.NativeFolder(), entry.Name, 0, entry.Kind);
      }
    }
  }
  // Kept through the whole load: no room beyond what was listed.
  files_.shrink_to_fit();
  paths_.shrink_to_fit();
  return total;
}

void Load::Run() {
  // The line's machines as they are now, kept for the whole load: another load
  // may read another line while this one waits for the event loop.
  ReadLineConfig(query_.Query.LineNumber, dataDirectory_);
  machines_ = CurrentMachineTable();
  for (int16_t m = 1; m <= machines_->MachineCount(); ++m) {
    machineWanted_.push_back(query_.Machines.Passes(machines_->MachineName(m)));
  }
  const std::string history =
      dataDirectory_ + "Line" + std::to_string(query_.Query.LineNumber) + "/History/";
  history_ = Platform::SystemPath(Platform::ResolvePath(history));
  historyFolder_ = Platform::FolderHandle(history);

  PRDChart chart(graph_);
  PRDAggregation aggregation(query_.Query, *machines_, chart);
  aggregation.MakeSeries();

  const std::vector<double> days = Days();
  const int64_t total = ListFiles(days);
  Progress progress(*host_, showProgress_, total, files_.size());
  for (size_t d = 0; d < days.size(); ++d) {
    host_->DoEvents();
    // The chart was closed meanwhile: nobody is waiting for its points.
    if (!chart.Alive()) {
      progress.Finish();
      return;
    }
    aggregation.StartDay(Runtime::DateTime{days[d]});
    ReadDay(d, aggregation, progress);
    aggregation.EndDay();
  }
  aggregation.EndRange();
  progress.Finish();
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

void Load::ReadDay(size_t d, PRDAggregation& aggregation, Progress& progress) {
  const ListedDay& day = days_[d];
  const size_t end = d + 1 < days_.size() ? days_[d + 1].First : files_.size();
  if (day.First == end) return;
  const Platform::FolderHandle folder = MachinesFolder(day.Folder);
  for (size_t i = day.First; i < end; ++i) {
    const ListedFile& file = files_[i];
    const char* path = paths_.data() + file.Path;
    const std::string_view native(path);
    const std::string_view name = native.substr(native.find('/') + 1);
    if (file.Unusable != 0) {
      name_.assign(name);
    } else {
      Platform::AssignSystemPath(name_, name);
    }
    const std::string_view product = ProductIn(name_);
    if (!machineWanted_[static_cast<size_t>(file.Machine) - 1] ||
        !query_.Products.Passes(product)) {
      loaded_ += file.Length;
    } else if (file.Unusable != 0) {
      skipped_.push_back({MessagePath(day, file), Platform::FileErrorText(file.Unusable)});
    } else if (std::string why;
               ReadDataFileAt(folder, path, bytes_, KvxReader::MaxFileBytes, &why)) {
      loaded_ += static_cast<int64_t>(bytes_.size());
      product_.assign(product);
      ReadFile(day, file, aggregation);
    } else {
      loaded_ += file.Length;
      skipped_.push_back({MessagePath(day, file),
                          why == DataFileTooLarge ? why : "the file could not be read: " + why});
    }
    progress.Loaded(loaded_);
  }
}

std::string Load::MessagePath(const ListedDay& day, const ListedFile& file) const {
  return history_ + day.Folder + "/Machine Prd/M" + std::to_string(file.Machine) + "/" + name_;
}

void Load::ReadFile(const ListedDay& day, const ListedFile& file, PRDAggregation& aggregation) {
  PrdSummary& summary = summary_;
  try {
    ReadMachinePrdSummaryBytes(bytes_, *query_.Query.HeadFilter, *query_.Query.PartNumberFilter,
                               *query_.Query.ErrorFilter, product_, summary);
  } catch (const Runtime::Error& error) {
    skipped_.push_back({MessagePath(day, file), error.Description()});
    return;
  }
  if (!summary.Fault.empty()) {
    skipped_.push_back({MessagePath(day, file), summary.Fault});
    return;
  }
  if (!aggregation.AddSummary(summary, file.Machine)) {
    skipped_.push_back({MessagePath(day, file), "a number too large"});
  }
}

}  // namespace

std::string ProductOfFileName(const std::string& FileName) {
  return std::string(ProductIn(FileName));
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
