// Grid dumps of the comparison of two prevalences.
#include <cstring>
#include <limits>
#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
std::string Int(int value) { return std::to_string(value); }

const float kPrevalences[] = {0.0f, 1e-6f,       1.0000001e-6f, 0.01f, 0.1f, 0.2f,
                              0.5f, 0.50000006f, 0.501f,        0.9f,  1.0f, 1.5f};

void SampleSize(GridWriter& writer) {
  const auto run = TESSARA_BIND(Comparison_SampleSize);
  const int levels[] = {89, 90, 93, 95, 99};
  const int powers[] = {79, 80, 85, 90, 95};
  for (float p1 : kPrevalences)
    for (float p2 : kPrevalences)
      for (int level : levels)
        for (int power : powers) {
          int out[2] = {};
          const ResultCode code = run(p1, p2, level, power, out);
          writer.Line("Comparison_SampleSize(" + FloatText(p1) + "," + FloatText(p2) + "," +
                          Int(level) + "," + Int(power) + ")",
                      code, out, 2);
        }
}
const GridRegistration sample_size("Comparison_SampleSize", SampleSize);

void Interval(GridWriter& writer) {
  const auto run = TESSARA_BIND(Comparison_ConfidenceInterval);
  const int sizes[] = {0, 1, 100, 200, 1000, std::numeric_limits<int>::max()};
  for (float p1 : kPrevalences)
    for (float p2 : kPrevalences)
      for (int n1 : sizes)
        for (int n2 : sizes) {
          ComparisonIntervals out;
          std::memset(&out, 0, sizeof out);
          const ResultCode code = run(p1, n1, p2, n2, &out);
          writer.Line("Comparison_ConfidenceInterval(" + FloatText(p1) + "," + Int(n1) + "," +
                          FloatText(p2) + "," + Int(n2) + ")",
                      code, &out, 10);
        }
}
const GridRegistration interval("Comparison_ConfidenceInterval", Interval);
}  // namespace
