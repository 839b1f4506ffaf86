#include <limits>
#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

struct Tests {
  float se1, sp1, se2, sp2;
  std::int32_t interpretation;
};

// One test, two in serial and in parallel, a specificity of one half (the
// widest false-positive walk), the smallest probabilities accepted, and the
// refusals of the second test.
const Tests kTests[] = {
    {0.9f, 0.95f, 0, 0, 0},       {0.9f, 0.95f, 0.8f, 0.9f, 1}, {0.9f, 0.95f, 0.8f, 0.9f, 2},
    {1, 0.5f, 0, 0, 2},           {1e-6f, 1e-6f, 0, 0, 0},      {1, 1, 0, 0, 0},
    {0.9f, 0.95f, 0.8f, 0, 1},    {0.9f, 0.95f, 0.8f, 0.9f, 0},
};

std::string TestsText(const Tests& t) {
  return FloatText(t.se1) + "," + FloatText(t.sp1) + "," + FloatText(t.se2) + "," +
         FloatText(t.sp2);
}

void SimpleRandom(GridWriter& writer) {
  const auto run = TESSARA_BIND(DetectingEvent_SampleSize_SimpleRandom);
  const float prevalences[] = {0.0f, 1e-6f, 0.001f, 0.01f, 0.05f, 0.5f, 1.0f};
  const int populations[] = {0, 1, 1000, 123457, kLargest};
  const int levels[] = {89, 95, 99};
  const float betas[] = {0.0f, 1e-6f, 0.05f, 1.0f};
  for (float p : prevalences)
    for (int population : populations)
      for (int level : levels)
        for (const Tests& t : kTests)
          for (float beta : betas) {
            DetectionSampleSize out{};
            const ResultCode code =
                run(p, population, level, t.se1, t.sp1, t.se2, t.sp2, &out, beta, t.interpretation);
            writer.Line("DetectingEvent_SampleSize_SimpleRandom(" + FloatText(p) + "," +
                            std::to_string(population) + "," + std::to_string(level) + "," +
                            TestsText(t) + "," + FloatText(beta) + "," +
                            std::to_string(t.interpretation) + ")",
                        code, &out, sizeof out / 4);
          }
}

void TwoStages(GridWriter& writer) {
  const auto run = TESSARA_BIND(DetectingEvent_SampleSize_TwoStages);
  const int levels[] = {89, 90, 99};
  const float betas[] = {0.0f, 1e-6f, 0.05f};
  const float herd_prevalences[] = {1e-6f, 0.05f, 1.0f};
  const int herd_counts[] = {0, 1, 500, kLargest};
  const float animal_prevalences[] = {1e-6f, 0.1f, 1.0f};
  const float herd_sizes[] = {0.5f, 1.0f, 100.0f, 5000.0f, 2147483520.0f};
  const int herd_confidences[] = {-1, 0, 95, 100};
  const Tests tests[] = {kTests[0], kTests[1], kTests[2], kTests[3], kTests[7]};
  for (int level : levels)
    for (float beta : betas)
      for (float p_herd : herd_prevalences)
        for (int herds : herd_counts)
          for (float p_animal : animal_prevalences)
            for (float herd_size : herd_sizes)
              for (int herd_confidence : herd_confidences)
                for (const Tests& t : tests) {
                  TwoStageDetection out{};
                  const ResultCode code =
                      run(level, p_herd, herds, p_animal, herd_size, herd_confidence, t.se1, t.sp1,
                          t.se2, t.sp2, &out, beta, t.interpretation);
                  writer.Line("DetectingEvent_SampleSize_TwoStages(" + std::to_string(level) + "," +
                                  FloatText(p_herd) + "," + std::to_string(herds) + "," +
                                  FloatText(p_animal) + "," + FloatText(herd_size) + "," +
                                  std::to_string(herd_confidence) + "," + TestsText(t) + "," +
                                  FloatText(beta) + "," + std::to_string(t.interpretation) + ")",
                              code, &out, sizeof out / 4);
                }
}

void MaximumPrevalenceGrid(GridWriter& writer) {
  const auto run = TESSARA_BIND(DetectingEvent_MaximumPrevalence);
  const int samples[] = {0, 1, 30, 1000, kLargest};
  const int populations[] = {0, 1, 1000, 1001, kLargest};
  const float sensitivities[] = {0.0f, 1e-6f, 0.01f, 0.9f, 1.0f, 1.5f};
  const int levels[] = {89, 90, 95, 99};
  const float prevalences[] = {0.0f, 1e-6f, 0.001f, 0.05f, 0.5f, 1.0f};
  for (int n : samples)
    for (int population : populations)
      for (float se : sensitivities)
        for (int level : levels)
          for (float p : prevalences) {
            MaximumPrevalence out{};
            const ResultCode code = run(n, population, se, level, p, &out);
            writer.Line("DetectingEvent_MaximumPrevalence(" + std::to_string(n) + "," +
                            std::to_string(population) + "," + FloatText(se) + "," +
                            std::to_string(level) + "," + FloatText(p) + ")",
                        code, &out, sizeof out / 4);
          }
}

const GridRegistration simple_random("DetectingEvent_SampleSize_SimpleRandom", SimpleRandom);
const GridRegistration two_stages("DetectingEvent_SampleSize_TwoStages", TwoStages);
const GridRegistration maximum_prevalence("DetectingEvent_MaximumPrevalence", MaximumPrevalenceGrid);
}  // namespace
