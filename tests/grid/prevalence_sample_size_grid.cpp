// Grid dumps of the stratified and two-stage sample sizes.
#include <cstring>
#include <limits>
#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
constexpr int kMaxInt = std::numeric_limits<int>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

std::string Int(int value) { return std::to_string(value); }

struct Stratum {
  int size;
  float p;
};

void Stratified(GridWriter& writer) {
  const auto run = TESSARA_BIND(SampleSize_Stratified);
  const int levels[] = {89, 90, 95, 99};
  const float errors[] = {0.0f, 1e-6f, 2e-6f, 0.01f, 0.1f, 0.999f};
  const Stratum leading[] = {{0, 0.5f},      {1, 0.5f},    {1000, 1e-6f},  {1000, 0.05f},
                             {3500, 0.999f}, {1000, 1.0f}, {kMaxInt, 0.5f}};
  // Strata 3 to 5: absent, a gap, prevalences 0 and 1, no proportion at all.
  const Stratum tails[][3] = {{{0, 0.0f}, {0, 0.0f}, {0, 0.0f}},
                              {{0, 0.0f}, {500, 0.3f}, {500, 0.3f}},
                              {{500, 0.3f}, {1, 0.2f}, {2000, 0.7f}},
                              {{1000, 1.0f}, {1000, 0.0f}, {0, 0.0f}},
                              {{1000, 1.5f}, {0, 0.0f}, {0, 0.0f}},
                              {{kMaxInt, 0.01f}, {kMaxInt, 0.5f}, {kMaxInt, 0.99f}}};
  for (int level : levels)
    for (float e : errors)
      for (const Stratum& s1 : leading)
        for (const Stratum& s2 : leading)
          for (const auto& tail : tails) {
            StratifiedSampleSizes out;
            std::memset(&out, 0, sizeof out);
            const ResultCode code =
                run(level, e, s1.size, s1.p, s2.size, s2.p, tail[0].size, tail[0].p, tail[1].size,
                    tail[1].p, tail[2].size, tail[2].p, &out);
            std::string call = "SampleSize_Stratified(" + Int(level) + "," + FloatText(e);
            for (const Stratum& s : {s1, s2, tail[0], tail[1], tail[2]}) {
              call += "," + Int(s.size) + "," + FloatText(s.p);
            }
            writer.Line(call + ")", code, &out, 7);
          }
}
const GridRegistration stratified("SampleSize_Stratified", Stratified);

void TwoStages(GridWriter& writer) {
  const auto run = TESSARA_BIND(SampleSize_TwoStages);
  const float prevalences[] = {0.0f, 2e-6f, 0.01f, 0.2f, 0.5f, 0.999f};
  const float errors[] = {0.0f, 2e-6f, 0.2f, 0.3f};
  const int levels[] = {89, 90, 95, 99};
  const int per_cluster[] = {1, 2, 10, 89478485, kMaxInt};
  const int homogeneity_levels[] = {0, 1, 2, 3, 4, 7};
  const float rates[] = {0.0f, 5e-7f, -0.5f, -0.042f, -0.04f, 0.05f, 0.1f, 1.5f, 1e30f, kInfinity};
  for (float p : prevalences)
    for (float e : errors)
      for (int level : levels)
        for (int m : per_cluster)
          for (int homogeneity_level : homogeneity_levels)
            for (float rho : rates) {
              TwoStageSampleSize out;
              std::memset(&out, 0, sizeof out);
              const ResultCode code = run(p, e, level, m, homogeneity_level, rho, &out);
              writer.Line("SampleSize_TwoStages(" + FloatText(p) + "," + FloatText(e) + "," +
                              Int(level) + "," + Int(m) + "," + Int(homogeneity_level) + "," +
                              FloatText(rho) + ")",
                          code, &out, 3);
            }
}
const GridRegistration two_stages("SampleSize_TwoStages", TwoStages);
}  // namespace
