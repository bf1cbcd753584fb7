// sampledata: writes a demo data directory of production lines (or the fuzz
// seed corpus) from a seed and a size.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "tools/sampledata/SampleData.h"

namespace {

constexpr const char* Usage =
    "usage: sampledata --out <dir> [options]\n"
    "       sampledata --corpus <dir> [--seed <n>]\n"
    "  --out <dir>        write the data directory there (created when missing)\n"
    "  --seed <n>         random seed (default 1); the same seed gives the same files\n"
    "  --lines <n>        production lines (default 2)\n"
    "  --machines <n>     machines of the first line (default 8; each further line one fewer)\n"
    "  --days <n>         days of history (default 120)\n"
    "  --end <yyyy-mm-dd> last day of the history (default today)\n"
    "  --products <n>     products per line (default 6)\n"
    "  --damaged <share>  share of summary files written damaged, 0 to 1 (default 0)\n"
    "  --corpus <dir>     write the fuzz seed corpus there instead\n";

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "sampledata: %s\n%s", message.c_str(), Usage);
  std::exit(2);
}

long Whole(std::string_view flag, const char* text, long low, long high) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < low || value > high) {
    Fail(std::string(flag) + " needs a whole number from " + std::to_string(low) + " to " +
         std::to_string(high));
  }
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace Kordex::SampleData;
  Options options;
  std::string out;
  std::string corpus;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (flag == "--help" || flag == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    }
    if (i + 1 >= argc) Fail("missing value after " + std::string(flag));
    const char* value = argv[++i];
    if (flag == "--out") {
      out = value;
    } else if (flag == "--corpus") {
      corpus = value;
    } else if (flag == "--seed") {
      options.Seed = static_cast<uint32_t>(Whole(flag, value, 0, 4294967295L));
    } else if (flag == "--lines") {
      options.Lines = static_cast<int>(Whole(flag, value, 1, 99));
    } else if (flag == "--machines") {
      options.Machines = static_cast<int>(Whole(flag, value, 2, 64));
    } else if (flag == "--days") {
      options.Days = static_cast<int>(Whole(flag, value, 1, 3660));
    } else if (flag == "--products") {
      options.Products = static_cast<int>(Whole(flag, value, 1, 12));
    } else if (flag == "--damaged") {
      char* end = nullptr;
      options.DamagedShare = std::strtod(value, &end);
      if (end == value || *end != '\0' || !(options.DamagedShare >= 0.0) ||
          options.DamagedShare > 1.0) {
        Fail("--damaged needs a share from 0 to 1");
      }
    } else if (flag == "--end") {
      int y = 0;
      unsigned m = 0;
      unsigned d = 0;
      char tail = 0;
      if (std::sscanf(value, "%d-%u-%u%c", &y, &m, &d, &tail) != 3) Fail("--end needs yyyy-mm-dd");
      options.EndDate = std::chrono::year_month_day(std::chrono::year(y), std::chrono::month(m),
                                                    std::chrono::day(d));
      if (!options.EndDate.ok()) Fail("--end names no valid day");
    } else {
      Fail("unknown option " + std::string(flag));
    }
  }
  if (out.empty() == corpus.empty()) Fail("give one of --out and --corpus");
  try {
    if (!corpus.empty()) {
      WriteFuzzCorpus(corpus, options.Seed);
      std::printf("Fuzz seed corpus written to %s\n", corpus.c_str());
      return 0;
    }
    const Result result = WriteDataDirectory(out, options);
    std::printf("%zu summary files (%zu damaged, %.1f MB) and %zu count files written to %s\n",
                result.SummaryFiles, result.DamagedFiles,
                static_cast<double>(result.SummaryBytes) / 1e6, result.CountFiles, out.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sampledata: %s\n", e.what());
    return 1;
  }
  return 0;
}
