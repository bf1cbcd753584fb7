#include "viewer/data/ProductionLines.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "common/IniFileFunctions.h"
#include "platform/DirListing.h"
#include "platform/Files.h"
#include "platform/Problems.h"
#include "platform/SettingsStore.h"
#include "runtime/Collection.h"
#include "runtime/Conversions.h"
#include "runtime/DateTime.h"
#include "runtime/Format.h"
#include "runtime/Strings.h"

namespace Kordex {

namespace {

std::shared_ptr<ProductionLineHost>& HostSlot() {
  static std::shared_ptr<ProductionLineHost> host = std::make_shared<ProductionLineHost>();
  return host;
}

// Rounded as every whole-number conversion rounds (halves to even), then kept
// within 16 bits.
int16_t Clamp16(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int16_t>(std::clamp(Runtime::RoundHalfEven(value), -32768.0, 32767.0));
}

// False unless the value is a whole number that fits 16 bits.
bool Whole16(double value, int16_t& number) {
  if (value < -32768 || value > 32767 || value != std::floor(value)) return false;
  number = static_cast<int16_t>(value);
  return true;
}

// The number of a line folder: "Line" and a whole number in its own plain
// form that fits 16 bits. False for anything else.
bool LineFolderNumber(const std::string& name, int16_t& number) {
  if (Runtime::UCase(Runtime::Left(name, 4)) != "LINE") return false;
  const std::string rest = Runtime::Mid(name, 5);
  const double value = Runtime::Val(rest);
  return Runtime::NumberText(value) == rest && Whole16(value, number);
}

std::string LineCaption(int16_t number, const std::string& alias) {
  std::string caption = "Line " + Runtime::Right("   " + std::to_string(number), 3);
  if (!alias.empty()) caption += " [" + alias + "]";
  return caption;
}

// "Hours Per Day" is a real number: a missing or empty value gives 1.
float HoursPerDay(const std::string& lineInfo) {
  const std::string text = Common::ReadIniString(lineInfo, "Line Info", "Hours Per Day", "");
  if (Runtime::Trim(text).empty()) return 1.0f;
  const double hours = Runtime::Val(text);
  return std::abs(hours) > 3.0e38 ? 0.0f : static_cast<float>(hours);
}

}  // namespace

ProductionLineHost::~ProductionLineHost() = default;
std::string ProductionLineHost::DataDirectory() {
  return {};
}
std::string ProductionLineHost::ProgramName() {
  return "TavroKordex";
}
void ProductionLineHost::ShowLines(const ProductionLineList&, int16_t) {}

std::shared_ptr<ProductionLineHost> LineHost() {
  return HostSlot();
}

void SetLineHost(std::shared_ptr<ProductionLineHost> Host) {
  HostSlot() = Host ? std::move(Host) : std::make_shared<ProductionLineHost>();
}

namespace KordexModule {

ProductionLineList ProductionLines;
ProductionLineList EditProductionLines;

int16_t RememberedLine(const std::string& ProgramName) {
  const std::string text = Platform::GetSetting(ProgramName, "Initialise", "Production Line", "1");
  double value = 0;
  int16_t line = 1;
  if (!Runtime::ParseNumber(text, value) || !Whole16(value, line)) return 1;
  return line;
}

void LoadProductionLines() {
  const std::shared_ptr<ProductionLineHost> host = LineHost();
  int16_t remembered = RememberedLine(host->ProgramName());
  const std::string dataDirectory = host->DataDirectory();

  // The whole listing first: reading a line starts listings of its own.
  std::vector<std::string> folders;
  if (!dataDirectory.empty()) {
    Platform::DirListing listing;
    const int32_t anyFolder = Platform::FileAttribute::Directory | Platform::FileAttribute::Hidden;
    for (std::string name = listing.Start(dataDirectory + "Line*", anyFolder); !name.empty();
         name = listing.Next())
      if (Platform::IsFolder(dataDirectory + name)) folders.push_back(name);
  }

  ProductionLineList lines;
  std::set<int16_t> numbers;
  for (const std::string& folder : folders) {
    int16_t number = 0;
    if (!LineFolderNumber(folder, number)) continue;
    if (!numbers.insert(number).second) {
      Platform::ReportProblem("The data directory " + dataDirectory + " holds line " +
                              std::to_string(number) + " twice; the folder \"" + folder +
                              "\" is left out.");
      continue;
    }
    const std::string lineFolder = dataDirectory + folder + "/";
    const std::string lineInfo = lineFolder + "LineInfo.Dat";
    ProductionLineInfo line;
    line.LineNumber = number;
    line.CountMachine = Clamp16(Common::ReadIniInt(lineInfo, "Line Info", "Count Machine", 1));
    line.HoursPerDay = HoursPerDay(lineInfo);
    line.Caption = LineCaption(number, Common::ReadIniString(lineInfo, "Line Info", "Alias", ""));
    line.PlacementFiles = GetPlacementFiles(lineFolder, line.CountMachine);
    lines.Lines.push_back(std::move(line));
  }

  // A remembered line the data directory does not have: the first line is the
  // one marked, so new charts take it as well instead of a line with no data.
  if (!lines.Lines.empty() && !numbers.contains(remembered)) {
    remembered = lines.Lines.front().LineNumber;
    Platform::SaveSetting(host->ProgramName(), "Initialise", "Production Line",
                          std::to_string(remembered));
  }

  ProductionLines = std::move(lines);
  EditProductionLines = ProductionLines;
  host->ShowLines(ProductionLines, remembered);
}

PlacementFileList GetPlacementFiles(const std::string& LineFolder, int16_t Machine) {
  PlacementFileList list;
  std::set<std::string> seen;
  const Runtime::DateTime now = Runtime::Now();
  const std::string suffix =
      "/MachinePRD/M" + std::to_string(Machine) + "/?????_????_PRDCOUNT_*.TavroData";
  for (int i = 0; i <= 89; ++i) {
    const std::string day =
        Runtime::Format(Runtime::Variant(Runtime::DateAdd("d", -i, now)), "yyyy_mm_dd");
    Platform::DirListing listing;
    for (std::string name = listing.Start(LineFolder + "History/" + day + suffix); !name.empty();
         name = listing.Next()) {
      // Less ".TavroData" and the "?????_????_PRDCOUNT_" in front.
      const std::string product = Runtime::Mid(Runtime::Left(name, Runtime::Len(name) - 10), 21);
      if (seen.insert(product).second) list.Files.push_back(PlacementFile{false, product, 0});
    }
  }

  const Runtime::CollectionRef entries =
      Common::ReadIniSection(LineFolder + "LineInfo.Dat", "Placement Files");
  for (int32_t e = 1; e <= entries->Count(); ++e) {
    const std::string entry = Runtime::CStr(entries->Item(Runtime::Variant(e)));
    const int32_t first = Runtime::InStr(entry, "=");
    if (first == 0) continue;
    const std::string key = Runtime::UCase(Runtime::Trim(Runtime::Left(entry, first - 1)));
    std::string value = Runtime::Mid(entry, first + 1);
    const int32_t second = Runtime::InStr(value, "=");
    if (second > 0) value = Runtime::Left(value, second - 1);
    for (PlacementFile& file : list.Files) {
      if (Runtime::UCase(file.Name) == key) {
        file.Count = Clamp16(Runtime::Val(Runtime::Trim(value)));
        break;
      }
    }
  }
  return list;
}

}  // namespace KordexModule

}  // namespace Kordex
