#include "tools/sampledata/SampleData.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <numeric>
#include <random>
#include <stdexcept>

namespace Kordex::SampleData {

namespace fs = std::filesystem;
using namespace std::chrono;

namespace {

class Rng {
 public:
  explicit Rng(uint32_t seed) : engine_(seed) {}
  // 0 to n - 1.
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(engine_() % n); }
  int Between(int low, int high) {
    return low + static_cast<int>(Below(static_cast<size_t>(high - low + 1)));
  }
  double Real(double low, double high) {
    return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
  }
  bool Chance(double p) { return Real(0.0, 1.0) < p; }
  uint32_t Next() { return static_cast<uint32_t>(engine_()); }
  template <class T>
  void Shuffle(std::vector<T>& items) {
    for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[Below(i)]);
  }

 private:
  std::mt19937 engine_;
};

// Text in the files is Windows-1252: "\xB1" is the plus-minus sign, "\xB5" micro.
const std::vector<std::string>& ErrorPool() {
  static const std::vector<std::string> pool = {"Pick-up Error",   "Vision Error", "Part Missing",
                                                "Dump Error",      "Nozzle Error", "Feeder Empty",
                                                "Polarity Error",  "Coplanarity",  "Tombstone",
                                                "Lead Pitch \xB1", "Size Error",   "Air Pressure"};
  return pool;
}

const std::vector<std::string>& ProductPool() {
  static const std::vector<std::string> pool = {"BOARD-A",    "PSU-MAIN", "CTRL-12",    "LED-DRV",
                                                "IO-EXP",     "MOTOR-3",  "SENSOR-HUB", "RF-FRONT",
                                                "DISPLAY-IF", "COMM-CAN", "BMS-CELL",   "KEYPAD"};
  return pool;
}

struct Part {
  std::string Number;
  std::string Description;
};

Part MakePart(Rng& rng, int index) {
  static const char* const kinds[] = {"R", "C", "L", "D", "Q", "U"};
  static const char* const sizes[] = {"0402", "0603", "0805", "1206", "SOT23", "QFN32"};
  const char* kind = kinds[rng.Below(std::size(kinds))];
  const char* size = sizes[rng.Below(std::size(sizes))];
  char number[48];
  std::snprintf(number, sizeof number, "%s%s-%03d", kind, size, index);
  std::string description;
  switch (kind[0]) {
    case 'R': description = std::to_string(rng.Between(1, 470)) + "K, 1%, " + size; break;
    case 'C':
      description = "CAP " + std::to_string(rng.Between(1, 47)) +
                    "\xB5"
                    "F, " +
                    size;
      break;
    case 'L': description = "IND " + std::to_string(rng.Between(1, 100)) + "uH, " + size; break;
    default: description = std::string("SEMI ") + kind + ", " + size; break;
  }
  return {number, description};
}

struct MachineModel {
  std::string Module;
  std::string Nick;
  double SecondsPerPart = 0.2;  // the rated figure, as "CommSet.Cnf" gives it
  double Slowdown = 1.15;       // what a part really takes over the rated time
  int Heads = 1;
  int Spindles = 4;
  bool DualLane = false;
  std::vector<std::string> Errors;  // this machine's kinds, in its own order
  std::vector<double> ErrorRates;

  double PartSeconds() const { return SecondsPerPart * Slowdown; }
};

struct PartUse {
  size_t Part = 0;  // into the line's parts
  int PerBoard = 1;
  size_t Machine = 0;  // the machine whose feeders hold it
};

struct ProductModel {
  std::string Name;
  std::vector<PartUse> Parts;
  double CycleSeconds = 60.0;  // per board at the line's full pace
  int PanelsPerHour = 60;
};

struct LineModel {
  int Number = 1;
  std::string Alias;
  int HoursPerDay = 16;
  std::vector<Part> Parts;
  std::vector<MachineModel> Machines;
  std::vector<ProductModel> Products;
};

// Shares the product's parts out over the machines as a line is set up: each
// part goes to the machine that would then finish its share of a board first,
// so that the machines take about as long per board. Each machine's share is
// weighed a little apart, as no line is balanced to the second; the slowest
// machine sets the line's pace.
void Balance(Rng& rng, const std::vector<MachineModel>& machines, ProductModel& product) {
  std::vector<double> weights(machines.size());
  for (double& w : weights) w = rng.Real(1.0, 1.25);
  std::vector<double> load(machines.size(), 0.0);
  for (PartUse& use : product.Parts) {
    double soonest = 0.0;
    for (size_t m = 0; m < machines.size(); ++m) {
      const double finish = (load[m] + use.PerBoard * machines[m].PartSeconds()) * weights[m];
      if (m == 0 || finish < soonest) {
        soonest = finish;
        use.Machine = m;
      }
    }
    load[use.Machine] += use.PerBoard * machines[use.Machine].PartSeconds();
  }
  // Board transfer and fiducial recognition come on top of the placing.
  product.CycleSeconds = *std::max_element(load.begin(), load.end()) + rng.Real(6.0, 12.0);
  product.PanelsPerHour = std::max(1, static_cast<int>(std::lround(3600.0 / product.CycleSeconds)));
}

LineModel MakeLine(Rng& rng, int number, int machines, int products) {
  static const char* const aliases[] = {"North", "South", "Prototype", "Hall B"};
  static const char* const models[] = {"CP6", "QP2", "GSM", "HSP", "CM40"};
  LineModel line;
  line.Number = number;
  line.Alias = number == 1 ? "" : aliases[rng.Below(std::size(aliases))];
  line.HoursPerDay = rng.Chance(0.5) ? 16 : 24;
  const int partCount = 60 * machines;
  for (int i = 0; i < partCount; ++i) line.Parts.push_back(MakePart(rng, i + 1));
  for (int m = 1; m <= machines; ++m) {
    MachineModel machine;
    const char* model = models[rng.Below(std::size(models))];
    machine.Module = std::string(model) + "-" + std::to_string(m);
    // A few machines have no short name and are shown as "Machine n".
    machine.Nick = rng.Chance(0.2) ? "" : std::string(model) + static_cast<char>('A' + m - 1);
    machine.SecondsPerPart = rng.Real(0.08, 0.45);
    machine.Slowdown = rng.Real(1.08, 1.3);
    machine.Heads = rng.Chance(0.3) ? 0 : rng.Between(1, 4);
    machine.Spindles = rng.Between(1, 12);
    machine.DualLane = rng.Chance(0.25);
    std::vector<std::string> errors = ErrorPool();
    rng.Shuffle(errors);
    errors.resize(static_cast<size_t>(rng.Between(4, 8)));
    machine.Errors = errors;
    for (size_t e = 0; e < errors.size(); ++e) machine.ErrorRates.push_back(rng.Real(0.0, 0.0015));
    line.Machines.push_back(std::move(machine));
  }
  std::vector<std::string> names = ProductPool();
  rng.Shuffle(names);
  names.resize(std::min(names.size(), static_cast<size_t>(std::max(1, products))));
  for (const std::string& name : names) {
    ProductModel product;
    product.Name = name;
    for (size_t p = 0; p < line.Parts.size(); ++p) {
      if (rng.Chance(0.4)) product.Parts.push_back({p, rng.Between(1, 24)});
    }
    if (product.Parts.empty()) product.Parts.push_back({0, 4});
    Balance(rng, line.Machines, product);
    line.Products.push_back(std::move(product));
  }
  return line;
}

// n split into parts pieces that add up to it, at random weights; what the
// rounding leaves goes to pieces picked at random.
std::vector<int32_t> Split(Rng& rng, int64_t n, size_t parts) {
  std::vector<int32_t> pieces(parts, 0);
  if (parts == 0) return pieces;
  std::vector<double> weights(parts);
  for (double& w : weights) w = rng.Real(0.6, 1.4);
  const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
  int64_t given = 0;
  for (size_t i = 0; i < parts; ++i) {
    pieces[i] = static_cast<int32_t>(std::floor(static_cast<double>(n) * weights[i] / sum));
    given += pieces[i];
  }
  for (; given < n; ++given) ++pieces[rng.Below(parts)];
  return pieces;
}

std::string DateText(year_month_day day, char separator) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%c%02u%c%02u", static_cast<int>(day.year()), separator,
                static_cast<unsigned>(day.month()), separator, static_cast<unsigned>(day.day()));
  return text;
}

std::string DateTimeText(year_month_day day, int64_t secondsOfDay) {
  const sys_days date = sys_days(day) + days(secondsOfDay / 86400);
  const int64_t s = secondsOfDay % 86400;
  char text[16];
  std::snprintf(text, sizeof text, " %02d:%02d:%02d", static_cast<int>(s / 3600),
                static_cast<int>(s / 60 % 60), static_cast<int>(s % 60));
  return DateText(year_month_day(date), '-') + text;
}

// One production run of a product on the line, as the day's schedule plans it.
struct RunPlan {
  size_t Product = 0;
  int64_t Start = 0;  // second of the day
  int64_t Span = 0;   // seconds from the first board in to the last one out
  int Boards = 0;
  int Serial = 0;
  double Drag = 1.0;  // how much slower than usual the line places today
};

// The plan's run on machine m, which takes its boards from startSecond of the
// day on.
SummaryContent MakeRun(Rng& rng, const LineModel& line, size_t m, const RunPlan& run,
                       year_month_day day, int64_t startSecond) {
  const MachineModel& machine = line.Machines[m];
  const ProductModel& product = line.Products[run.Product];
  const int boards = run.Boards;
  const int64_t span = run.Span;
  SummaryContent c;
  c.ModuleName = machine.Module;
  c.Program = product.Name;
  c.ErrorNames = machine.Errors;
  const size_t kinds = machine.Errors.size();
  int64_t placed = 0;
  int slot = 1;
  for (const PartUse& use : product.Parts) {
    if (use.Machine != m) continue;
    FeederLine feeder;
    feeder.Slot = slot;
    slot += rng.Between(1, 3);
    feeder.PartNumber = line.Parts[use.Part].Number;
    feeder.Description = line.Parts[use.Part].Description;
    feeder.Total = boards * use.PerBoard;
    for (size_t e = 0; e < kinds; ++e) {
      const double expected = feeder.Total * machine.ErrorRates[e] * rng.Real(0.0, 2.0);
      feeder.Errors.push_back(static_cast<int32_t>(std::lround(expected)));
    }
    placed += feeder.Total;
    c.Feeders.push_back(std::move(feeder));
  }
  // Heads place what the feeders gave, errors included, kind by kind.
  const int heads = std::max(1, machine.Heads);
  const size_t spindles = static_cast<size_t>(heads) * static_cast<size_t>(machine.Spindles);
  const std::vector<int32_t> totals = Split(rng, placed, spindles);
  std::vector<std::vector<int32_t>> errors(kinds);
  for (size_t e = 0; e < kinds; ++e) {
    int64_t kindTotal = 0;
    for (const FeederLine& f : c.Feeders) kindTotal += f.Errors[e];
    errors[e] = Split(rng, kindTotal, spindles);
  }
  for (size_t s = 0; s < spindles; ++s) {
    HeadLine head;
    head.Head = static_cast<int16_t>(
        machine.Heads == 0 ? 0 : 1 + s / static_cast<size_t>(machine.Spindles));
    head.Spindle = static_cast<int16_t>(1 + s % static_cast<size_t>(machine.Spindles));
    head.Nozzle = rng.Chance(0.5) ? "N502" : "N503";
    head.Total = totals[s];
    for (size_t e = 0; e < kinds; ++e) head.Errors.push_back(errors[e][s]);
    c.Heads.push_back(std::move(head));
  }
  c.BoardTotal = boards;
  c.BoardBad = rng.Chance(0.3) ? rng.Between(1, std::max(1, boards / 20)) : 0;
  // The machine places at its own real pace and, for the rest of the run,
  // waits for boards from the machines before it or for room after it, or
  // stands stopped by its own faults. Both lanes of a dual-lane machine are in
  // production over the whole run, the second starting a little later.
  const double placing = static_cast<double>(placed) * machine.PartSeconds() * run.Drag;
  const int tables = machine.DualLane ? 2 : 1;
  for (int t = 0; t < tables; ++t) {
    RunTable table;
    const int64_t offset = t == 0 ? 0 : rng.Between(5, 90);
    const int64_t length = std::max<int64_t>(1, span - offset);
    const double share = t == 0 ? 1.0 : rng.Real(0.9, 1.0);
    table.RunningSeconds = static_cast<int32_t>(
        std::min<int64_t>(length, std::llround(placing * share * rng.Real(0.97, 1.03))));
    const int64_t idle = length - table.RunningSeconds;
    table.StoppedSeconds = static_cast<int32_t>(
        std::min<int64_t>(idle, std::llround(static_cast<double>(length) * rng.Real(0.005, 0.06))));
    table.WaitingSeconds = static_cast<int32_t>(idle - table.StoppedSeconds);
    table.Start = DateTimeText(day, startSecond + offset);
    table.Finish = DateTimeText(day, startSecond + offset + length);
    c.Tables.push_back(std::move(table));
  }
  return c;
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string LineInfoText(const LineModel& line) {
  std::string text = "[Line Info]\r\n";
  text += "Count Machine=" + std::to_string(line.Machines.size()) + "\r\n";
  text += "Hours Per Day=" + std::to_string(line.HoursPerDay) + "\r\n";
  text += "Alias=" + line.Alias + "\r\n";
  text += "\r\n[Placement Files]\r\n";
  // The last product has no figure yet, as on a line that just started it.
  for (size_t p = 0; p + 1 < line.Products.size(); ++p) {
    text += line.Products[p].Name + "=" + std::to_string(line.Products[p].PanelsPerHour) + "\r\n";
  }
  return text;
}

std::string CommSetText(const LineModel& line) {
  std::string modules = "DOWNLOAD MODULE";
  std::string uploads = "UPLOAD MODULE";
  std::string speeds = "PLACEMENT SPEED";
  std::string nicks = "NICK NAME";
  for (const MachineModel& machine : line.Machines) {
    modules += "," + machine.Module;
    uploads += "," + machine.Module + "U";
    char speed[16];
    std::snprintf(speed, sizeof speed, "%.3f", machine.SecondsPerPart);
    speeds += ",";
    speeds += speed;
    nicks += "," + machine.Nick;
  }
  return "COMMUNICATION PORT,COM1\r\nBAUD RATE,19200\r\n" + modules + "\r\n" + uploads + "\r\n" +
         speeds + "\r\n" + nicks + "\r\nRETRY COUNT,3\r\n";
}

}  // namespace

year_month_day Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return year_month_day(year(local.tm_year + 1900), month(static_cast<unsigned>(local.tm_mon + 1)),
                        day(static_cast<unsigned>(local.tm_mday)));
}

Result WriteDataDirectory(const fs::path& root, const Options& options,
                          std::vector<WrittenFile>* files) {
  Result result;
  Rng rng(options.Seed);
  const year_month_day endDate = options.EndDate.ok() ? options.EndDate : Today();
  const sys_days last(endDate);
  fs::create_directories(root);
  int serial = 1;
  for (int n = 1; n <= options.Lines; ++n) {
    const int machines = std::max(2, options.Machines - (n - 1));
    const LineModel line = MakeLine(rng, n, machines, options.Products);
    const fs::path lineDir = root / ("Line" + std::to_string(n));
    fs::create_directories(lineDir);
    WriteBytes(lineDir / "LineInfo.Dat", LineInfoText(line));
    WriteBytes(lineDir / "CommSet.Cnf", CommSetText(line));
    for (int d = options.Days - 1; d >= 0; --d) {
      const year_month_day day(last - days(d));
      if (weekday(sys_days(day)) == Sunday) continue;
      const fs::path dayDir = lineDir / "History" / DateText(day, '_');
      // The day's schedule: one to three runs, one after the other with a
      // product change between them, that take most of the line's working
      // hours; each makes as many boards as the line's pace allows less its
      // stops.
      std::vector<RunPlan> runs;
      int64_t start = 6 * 3600 + rng.Between(0, 1800);
      const int runCount = rng.Between(1, 3);
      const double working =
          (line.HoursPerDay * 3600.0 - 1800.0 - 2400.0 * runCount) * rng.Real(0.6, 0.95);
      std::vector<double> shares(static_cast<size_t>(runCount));
      for (double& share : shares) share = rng.Real(0.5, 1.5);
      const double allShares = std::accumulate(shares.begin(), shares.end(), 0.0);
      for (int r = 0; r < runCount; ++r) {
        const size_t p = rng.Below(line.Products.size());
        const int64_t span = std::llround(working * shares[static_cast<size_t>(r)] / allShares);
        const double pace = rng.Real(0.78, 0.95);
        const double drag = rng.Real(0.96, 1.12);
        const double cycle = line.Products[p].CycleSeconds * drag;
        const int boards = std::max(1, static_cast<int>(static_cast<double>(span) * pace / cycle));
        runs.push_back({p, start, span, boards, serial++, drag});
        start += span + rng.Between(300, 2400);
      }
      for (size_t m = 0; m < line.Machines.size(); ++m) {
        if (rng.Chance(0.03)) continue;  // machine down for the day
        const std::string folder = "M" + std::to_string(m + 1);
        const fs::path prdDir = dayDir / "Machine Prd" / folder;
        const fs::path countDir = dayDir / "MachinePRD" / folder;
        fs::create_directories(prdDir);
        fs::create_directories(countDir);
        for (const RunPlan& run : runs) {
          const ProductModel& product = line.Products[run.Product];
          const int64_t machineStart = run.Start + static_cast<int64_t>(m) * rng.Between(20, 120);
          char stem[16];
          std::snprintf(stem, sizeof stem, "%05d_%02d%02d", run.Serial % 100000,
                        static_cast<int>(machineStart / 3600 % 24),
                        static_cast<int>(machineStart / 60 % 60));
          SummaryContent content = MakeRun(rng, line, m, run, day, machineStart);
          std::string text = SummaryFileText(content);
          const bool damaged = options.DamagedShare > 0.0 && rng.Chance(options.DamagedShare);
          if (damaged) {
            const Damage kind = AllDamages[rng.Below(std::size(AllDamages))];
            text = DamageSummary(text, kind, rng.Next());
            ++result.DamagedFiles;
          }
          const fs::path file =
              prdDir / (std::string(stem) + "_MachinePRDSummary_" + product.Name + ".KVX");
          WriteBytes(file, text);
          ++result.SummaryFiles;
          result.SummaryBytes += text.size();
          WriteBytes(countDir / (std::string(stem) + "_PRDCOUNT_" + product.Name + ".TavroData"),
                     "Boards=" + std::to_string(run.Boards) + "\r\n");
          ++result.CountFiles;
          if (files != nullptr) {
            files->push_back(
                {file, n, static_cast<int>(m + 1), product.Name, damaged, std::move(content)});
          }
        }
      }
    }
  }
  return result;
}

SummaryContent RandomSummary(uint32_t seed, const SummaryShape& shape) {
  Rng rng(seed);
  SummaryContent c;
  c.ModuleName = "CP6-1";
  c.Program = ProductPool()[rng.Below(ProductPool().size())];
  std::vector<std::string> errors = ErrorPool();
  rng.Shuffle(errors);
  errors.resize(std::min(errors.size(), static_cast<size_t>(std::max(0, shape.ErrorKinds))));
  c.ErrorNames = errors;
  const size_t kinds = errors.size();
  for (int h = 0; h < std::max(1, shape.Heads); ++h) {
    for (int s = 1; s <= shape.Spindles; ++s) {
      HeadLine head;
      head.Head = static_cast<int16_t>(shape.Heads == 0 ? 0 : h + 1);
      head.Spindle = static_cast<int16_t>(s);
      head.Nozzle = "N50" + std::to_string(rng.Between(1, 4));
      head.Total = rng.Between(0, 5000);
      for (size_t e = 0; e < kinds; ++e) head.Errors.push_back(rng.Between(0, 12));
      c.Heads.push_back(std::move(head));
    }
  }
  for (int f = 0; f < shape.Feeders; ++f) {
    const Part part = MakePart(rng, f + 1);
    FeederLine feeder;
    feeder.Slot = f + 1;
    feeder.PartNumber = part.Number;
    feeder.Description = part.Description;
    feeder.Total = rng.Between(0, 8000);
    for (size_t e = 0; e < kinds; ++e) feeder.Errors.push_back(rng.Between(0, 9));
    c.Feeders.push_back(std::move(feeder));
  }
  c.BoardTotal = rng.Between(1, 400);
  c.BoardBad = rng.Between(0, 5);
  int64_t start = 6 * 3600 + rng.Between(0, 7200);
  for (int t = 0; t < shape.Tables; ++t) {
    RunTable table;
    table.RunningSeconds = rng.Between(600, 20000);
    table.WaitingSeconds = rng.Between(0, 2000);
    table.StoppedSeconds = rng.Between(0, 1500);
    table.Start = DateTimeText(shape.Day, start);
    table.Finish = DateTimeText(
        shape.Day, start + table.RunningSeconds + table.WaitingSeconds + table.StoppedSeconds);
    c.Tables.push_back(std::move(table));
    start += rng.Between(-600, 3600);
  }
  return c;
}

void WriteFuzzCorpus(const fs::path& dir, uint32_t seed) {
  const fs::path kvx = dir / "kvx";
  const fs::path dates = dir / "datetime";
  fs::create_directories(kvx);
  fs::create_directories(dates);
  Rng rng(seed);
  for (int i = 0; i < 4; ++i) {
    SummaryShape shape;
    shape.ErrorKinds = rng.Between(0, 5);
    shape.Heads = rng.Between(0, 2);
    shape.Spindles = rng.Between(1, 3);
    shape.Feeders = rng.Between(0, 4);
    shape.Tables = rng.Between(0, 3);
    const std::string text = SummaryFileText(RandomSummary(rng.Next(), shape));
    WriteBytes(kvx / ("whole-" + std::to_string(i) + ".KVX"), text);
    for (Damage damage : AllDamages) {
      if (damage == Damage::HugeLine) continue;  // seeds stay small
      WriteBytes(kvx / (std::string(DamageName(damage)) + "-" + std::to_string(i) + ".KVX"),
                 DamageSummary(text, damage, rng.Next()));
    }
  }
  static const char* const texts[] = {"2026-12-08 06:30:00",
                                      "2026-12-08",
                                      "2026-12-08  23:59:59",
                                      "2024-02-29 12:00:00",
                                      "2025-02-29 00:00:00",
                                      "2026-13-40 25:61:61",
                                      "0-0-0 0:0:0",
                                      "9999-12-31 23:59:59",
                                      "99999-1-1",
                                      "2026-12-08 -1:00:00",
                                      "abc",
                                      "",
                                      "   2026-1-2   3:4:5  ",
                                      "2026-12-08T06:30:00",
                                      "1E5-1-1 1:1:1",
                                      "2026-12-08 06:30"};
  int n = 0;
  for (const char* text : texts) {
    WriteBytes(dates / ("date-" + std::to_string(n++) + ".txt"), text);
  }
}

}  // namespace Kordex::SampleData
