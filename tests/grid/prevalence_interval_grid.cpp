// Grid dumps of the simple random and stratified prevalence intervals.
#include <limits>
#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
constexpr int kMaxInt = std::numeric_limits<int>::max();

std::string Int(int value) { return std::to_string(value); }

const int kSamples[] = {1, 2, 13, 50, 100, 1000, kMaxInt - 1, kMaxInt};
const int kPopulations[] = {1, 2, 60, 1000, 16777217, kMaxInt};
const int kLevels[] = {89, 90, 95, 99};

void SimpleRandom(GridWriter& writer) {
  const auto from_proportion = TESSARA_BIND(ConfidenceInterval_SimpleRandom_Proportion);
  const float proportions[] = {0.0f, 1e-6f, 2e-6f, 0.001f, 0.02f, 0.3f, 0.5f, 0.999f, 1.0f};
  for (float p : proportions)
    for (int n : kSamples)
      for (int population : kPopulations)
        for (int level : kLevels) {
          float out[2] = {};
          const ResultCode code = from_proportion(p, n, population, level, out);
          writer.Line("ConfidenceInterval_SimpleRandom_Proportion(" + FloatText(p) + "," + Int(n) +
                          "," + Int(population) + "," + Int(level) + ")",
                      code, out, 2);
        }
  const auto from_positives = TESSARA_BIND(ConfidenceInterval_SimpleRandom_PositiveCases);
  const int positives[] = {0, 1, 2, 7, 30, 50, 1001, kMaxInt / 2, kMaxInt};
  for (int k : positives)
    for (int n : kSamples)
      for (int population : kPopulations)
        for (int level : kLevels) {
          float out[3] = {};
          const ResultCode code = from_positives(k, n, population, level, out);
          writer.Line("ConfidenceInterval_SimpleRandom_PositiveCases(" + Int(k) + "," + Int(n) +
                          "," + Int(population) + "," + Int(level) + ")",
                      code, out, 3);
        }
}
const GridRegistration simple_random("ConfidenceInterval_SimpleRandom", SimpleRandom);

struct SampledStratum {
  int population, sample;
  float p;
};

void Stratified(GridWriter& writer) {
  const auto run = TESSARA_BIND(ConfidenceInterval_Stratified);
  const SampledStratum leading[] = {{1, 2, 0.2f},       {1000, 1, 0.2f},   {1000, 100, 0.0f},
                                    {1000, 100, 1.0f},  {1000, 100, 0.2f}, {2000, 100, 0.3f},
                                    {1000, 1000, 0.2f}, {100, 101, 0.2f},  {kMaxInt, 2, 0.5f}};
  const SampledStratum tails[][3] = {
      {{0, 0, 0.0f}, {0, 0, 0.0f}, {0, 0, 0.0f}},
      {{500, 50, 0.1f}, {0, 0, 0.0f}, {0, 0, 0.0f}},
      {{500, 50, 1.0f}, {500, 50, 0.1f}, {10, 20, 0.5f}},
      {{500, 50, 1e-7f}, {20, 21, 0.5f}, {0, 0, 0.0f}},
      {{500, 1, 0.1f}, {500, 50, 0.1f}, {0, 0, 0.0f}},
      {{500, 50, 0.0f}, {1500, 100, 0.25f}, {0, 0, 0.0f}},
      {{300, 30, 1.0f}, {500, 50, 0.0f}, {800, 80, 0.4f}},
      {{0, 0, 0.0f}, {500, 50, 0.1f}, {0, 0, 0.0f}},
      {{kMaxInt, kMaxInt, 0.5f}, {kMaxInt, 100, 0.5f}, {kMaxInt, 10, 0.99f}}};
  for (int level : kLevels)
    for (const SampledStratum& s1 : leading)
      for (const SampledStratum& s2 : leading)
        for (const auto& tail : tails) {
          float out[3] = {};
          const ResultCode code =
              run(level, s1.population, s1.sample, s1.p, s2.population, s2.sample, s2.p,
                  tail[0].population, tail[0].sample, tail[0].p, tail[1].population, tail[1].sample,
                  tail[1].p, tail[2].population, tail[2].sample, tail[2].p, out);
          std::string call = "ConfidenceInterval_Stratified(" + Int(level);
          for (const SampledStratum& s : {s1, s2, tail[0], tail[1], tail[2]}) {
            call += "," + Int(s.population) + "," + Int(s.sample) + "," + FloatText(s.p);
          }
          writer.Line(call + ")", code, out, 3);
        }
}
const GridRegistration stratified("ConfidenceInterval_Stratified", Stratified);
}  // namespace
