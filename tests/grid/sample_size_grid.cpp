#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
void SimpleRandom(GridWriter& writer) {
  const auto run = TESSARA_BIND(SampleSize_SimpleRandom);
  const float prevalences[] = {0.0f, 1e-6f, 0.001f, 0.01f, 0.05f, 0.1f, 0.2f, 0.25f, 0.3f,
                               0.333f, 0.5f, 0.7f, 0.9f, 0.999f, 1.0f};
  const float errors[] = {1e-6f, 0.0001f, 0.01f, 0.05f, 0.1f, 0.15f, 0.2f, 0.3f, 0.5f, 0.99f};
  const int levels[] = {89, 90, 93, 95, 99};
  const int populations[] = {0, 1, 37, 1000, 123457, 2147483647};
  for (float p : prevalences)
    for (float e : errors)
      for (int level : levels)
        for (int population : populations) {
          std::int32_t out[17] = {};
          const ResultCode code = run(p, e, level, population, out);
          writer.Line("SampleSize_SimpleRandom(" + FloatText(p) + "," + FloatText(e) + "," +
                          std::to_string(level) + "," + std::to_string(population) + ")",
                      code, out, 17);
        }
}
const GridRegistration registration("SampleSize_SimpleRandom", SimpleRandom);
}  // namespace
