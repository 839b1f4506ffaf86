// The two-stage interval over a fixed set of cluster files: the worked
// example, the refusals, and generated files of many clusters whose
// single-precision sums exercise every rounding step.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "../unit/file_test_support.h"
#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
// Deterministic clusters: sizes 1 to 400, events up to the size, some
// files with negative or zero counts.
std::string GeneratedClusters(std::uint32_t seed, int clusters) {
  std::uint32_t state = seed;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  std::string text;
  for (int i = 0; i < clusters; ++i) {
    const std::uint32_t samples = 1 + next() % 400;
    const std::uint32_t events = next() % (samples + 1);
    text += "c" + std::to_string(i) + file_test::ListText("|") + std::to_string(samples) +
            file_test::ListText("|") + std::to_string(events) + "\n";
  }
  return text;
}

void TwoStages(GridWriter& writer) {
  const auto run = TESSARA_BIND(ConfidenceInterval_TwoStages);
  std::vector<std::string> files = {
      file_test::ListText("A|10|2\nB|10|4\nG|20|3\nD|15|6\n"),
      file_test::ListText("A|10|1\nB|10|0\n"),
      file_test::ListText("A|10|4\n"),
      file_test::ListText("A|5|5\nB|3|3\n"),
      file_test::ListText("A|1|1\nB|1|0\nC|1|1\n"),
      file_test::ListText("A|10|2\nB|10|2\nC|5|1\nD|15|3\n"),
      file_test::ListText("A|10|2\nE|5|7\n"),
      file_test::ListText("A|10|2\nF||5\n"),
      file_test::ListText("A|2147483647|2147483647\nB|2147483647|1\n"),
      file_test::ListText("A|5|2\nB|-5|0\n"),
      file_test::ListText("A|-5|-7\nB|-3|-4\nC|9|1\n"),
      "",
  };
  for (std::uint32_t seed = 1; seed <= 24; ++seed) {
    files.push_back(GeneratedClusters(seed, static_cast<int>(2 + seed * seed * 7)));
  }
  file_test::TempFolder folder("Tessara grid");
  const std::wstring path = folder.File("clusters.csv");
  for (std::size_t i = 0; i < files.size(); ++i) {
    file_test::WriteBytes(path, files[i]);
    for (std::int32_t level : {89, 90, 95, 99}) {
      std::int32_t row = -7;
      std::int32_t item = -7;
      TwoStageInterval out{};
      const ResultCode code = run(level, path.c_str(), &row, &item, &out);
      std::uint32_t elements[11];
      std::memcpy(&elements[0], &row, 4);
      std::memcpy(&elements[1], &item, 4);
      std::memcpy(&elements[2], &out, sizeof out);
      writer.Line("ConfidenceInterval_TwoStages(file " + std::to_string(i) + "," +
                      std::to_string(level) + ") row,item,out",
                  code, elements, 11);
    }
  }
}
const GridRegistration registration("ConfidenceInterval_TwoStages", TwoStages);
}  // namespace
