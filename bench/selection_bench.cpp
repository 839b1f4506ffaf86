// Time and peak memory of the file-based exports on generated unit lists
// and cluster files of 10^4, 10^5 and 10^6 lines. Each call runs in a
// process of its own under /usr/bin/time -v, so that its peak resident
// memory is its own; the table puts it next to the size of the input.
//
//   selection_bench              runs every case and prints the table
//   selection_bench call E I O U calls export E on input I, output O,
//                                U units, and prints the call's seconds
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
std::wstring Wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

int CallExport(const std::string& name, const std::string& input, const std::string& output,
               int units) {
  const std::wstring in = Wide(input);
  const std::wstring out = Wide(output);
  std::int32_t row = -1;
  std::int32_t item = -1;
  TwoStageInterval interval{};
  const auto begin = std::chrono::steady_clock::now();
  ResultCode code = 0;
  if (name == "Selection_SimpleRandom") {
    code = TESSARA_BIND(Selection_SimpleRandom)(units, in.c_str(), out.c_str(), &row);
  } else if (name == "Selection_ProbabilityProportional") {
    code = TESSARA_BIND(Selection_ProbabilityProportional)(units, in.c_str(), out.c_str(), &row);
  } else if (name == "ConfidenceInterval_TwoStages") {
    code = TESSARA_BIND(ConfidenceInterval_TwoStages)(95, in.c_str(), &row, &item, &interval);
  } else if (name != "none") {
    std::fprintf(stderr, "unknown export %s\n", name.c_str());
    return 2;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  std::printf("%.4f %08x\n", seconds, static_cast<unsigned>(code));
  return 0;
}

// Writes `lines` lines made by `line(i)` and returns the file's size.
template <class LineMaker>
long long Generate(const std::string& path, int lines, LineMaker line) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return -1;
  char text[128];
  for (int i = 0; i < lines; ++i) {
    const int length = line(i, text, sizeof text);
    std::fwrite(text, 1, static_cast<std::size_t>(length), file);
  }
  std::fclose(file);
  struct stat status;
  return ::stat(path.c_str(), &status) == 0 ? static_cast<long long>(status.st_size) : -1;
}

struct Measure {
  double seconds = -1;
  unsigned code = 0xFFFFFFFF;
  double peak_megabytes = -1;
};

std::string SelfPath() {
  char path[4096];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "selection_bench";
  path[length] = '\0';
  return path;
}

Measure RunMeasured(const std::string& folder, const std::string& name, const std::string& input,
                    const std::string& output, int units) {
  const std::string report = folder + "/time.txt";
  const std::string result = folder + "/call.txt";
  const std::string command = "/usr/bin/time -v '" + SelfPath() + "' call " + name + " '" +
                              input + "' '" + output + "' " + std::to_string(units) + " > '" +
                              result + "' 2> '" + report + "'";
  Measure measure;
  if (std::system(command.c_str()) != 0) return measure;
  std::ifstream call(result);
  std::string code_text;
  call >> measure.seconds >> code_text;
  measure.code = static_cast<unsigned>(std::strtoul(code_text.c_str(), nullptr, 16));
  std::ifstream time_report(report);
  for (std::string line; std::getline(time_report, line);) {
    const std::string key = "Maximum resident set size (kbytes):";
    const std::size_t at = line.find(key);
    if (at != std::string::npos) measure.peak_megabytes = std::atof(line.c_str() + at + key.size()) / 1024.0;
  }
  return measure;
}

int RunAll() {
  char folder_template[] = "/tmp/tessara-bench-XXXXXX";
  if (::mkdtemp(folder_template) == nullptr) return 1;
  const std::string folder = folder_template;
  const Measure floor = RunMeasured(folder, "none", "-", "-", 0);
  std::printf("process floor (library loaded, no call): %.1f MB peak\n\n", floor.peak_megabytes);
  std::printf("%-34s %8s %9s %8s %8s %8s  %s\n", "export", "lines", "file MB", "call s", "peak MB",
              "peak/file", "result");
  bool target_met = true;
  for (int lines : {10000, 100000, 1000000}) {
    const std::string units_list = folder + "/units.csv";
    const std::string sized_list = folder + "/sizes.csv";
    const std::string clusters = folder + "/clusters.csv";
    const long long units_bytes = Generate(units_list, lines, [](int i, char* text, std::size_t n) {
      return std::snprintf(text, n, "FARM%07d,District %02d,Owner %05d\r\n", i, i % 97, i % 12289);
    });
    const long long sized_bytes = Generate(sized_list, lines, [](int i, char* text, std::size_t n) {
      return std::snprintf(text, n, "FARM%07d,%d\r\n", i, 1 + (i * 7919) % 2000);
    });
    const long long cluster_bytes = Generate(clusters, lines, [](int i, char* text, std::size_t n) {
      const int samples = 10 + i % 41;
      return std::snprintf(text, n, "FARM%07d,%d,%d\r\n", i, samples, (i * 31) % (samples + 1));
    });
    const struct {
      const char* name;
      const std::string& input;
      long long bytes;
    } cases[] = {{"Selection_SimpleRandom", units_list, units_bytes},
                 {"Selection_ProbabilityProportional", sized_list, sized_bytes},
                 {"ConfidenceInterval_TwoStages", clusters, cluster_bytes}};
    for (const auto& c : cases) {
      const Measure m = RunMeasured(folder, c.name, c.input, folder + "/out.txt", lines / 2);
      const double file_megabytes = static_cast<double>(c.bytes) / (1024.0 * 1024.0);
      const double ratio = m.peak_megabytes / file_megabytes;
      std::printf("%-34s %8d %9.2f %8.3f %8.1f %8.2f  %08x\n", c.name, lines, file_megabytes,
                  m.seconds, m.peak_megabytes, ratio, m.code);
      if (lines == 1000000 && (m.code != 0 || m.seconds >= 1.0 || ratio >= 3.0)) target_met = false;
    }
    for (const std::string& path : {units_list, sized_list, clusters}) std::remove(path.c_str());
  }
  std::remove((folder + "/out.txt").c_str());
  std::remove((folder + "/time.txt").c_str());
  std::remove((folder + "/call.txt").c_str());
  ::rmdir(folder.c_str());
  std::printf("\ntarget for 10^6 lines (each call under 1 s, peak under 3 x the file): %s\n",
              target_met ? "met" : "NOT met");
  return 0;  // the verdict is in the table: a slow machine does not stop the other benchmarks
}
}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && std::strcmp(argv[1], "call") == 0) {
    return CallExport(argv[2], argv[3], argv[4], std::atoi(argv[5]));
  }
  return RunAll();
}
