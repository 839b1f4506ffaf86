// Grid dumps of the sample size and the interval of a mean.
#include <limits>
#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr float kLargest = std::numeric_limits<float>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

std::string Int(int value) { return std::to_string(value); }

void SampleSize(GridWriter& writer) {
  const auto run = TESSARA_BIND(Estimating_SampleSize);
  const float precisions[] = {0.0f, 1e-6f, 2e-6f, 0.5f, 1.0f, 2.0f, 1e6f, kInfinity};
  const float deviations[] = {-1.0f, 1e-6f, 1.0f, 5.0f, 10.0f, 20000.0f, 1e6f, kLargest};
  const int levels[] = {89, 90, 95, 97, 99};
  const int populations[] = {0, 1, 250, 1000, kMaxInt};
  for (float precision : precisions)
    for (float deviation : deviations)
      for (int level : levels)
        for (int population : populations) {
          int out[17] = {};
          const ResultCode code = run(precision, level, deviation, population, out);
          writer.Line("Estimating_SampleSize(" + FloatText(precision) + "," + Int(level) + "," +
                          FloatText(deviation) + "," + Int(population) + ")",
                      code, out, 17);
        }
}
const GridRegistration sample_size("Estimating_SampleSize", SampleSize);

void Interval(GridWriter& writer) {
  const auto run = TESSARA_BIND(Estimating_ConfidenceInterval);
  const float means[] = {0.0f, -1.0f, 2e-6f, 1.0f, 50.0f, kLargest, kInfinity};
  const float deviations[] = {0.0f, 1.0f, 10.0f, kLargest};
  const int samples[] = {0, 1, 25, 1000, kMaxInt};
  const int populations[] = {0, 1, 1000, kMaxInt};
  const int levels[] = {90, 95, 99, 100};
  for (float mean : means)
    for (float deviation : deviations)
      for (int n : samples)
        for (int population : populations)
          for (int level : levels) {
            float out[2] = {};
            const ResultCode code = run(mean, deviation, n, population, level, out);
            writer.Line("Estimating_ConfidenceInterval(" + FloatText(mean) + "," +
                            FloatText(deviation) + "," + Int(n) + "," + Int(population) + "," +
                            Int(level) + ")",
                        code, out, 2);
          }
}
const GridRegistration interval("Estimating_ConfidenceInterval", Interval);
}  // namespace
