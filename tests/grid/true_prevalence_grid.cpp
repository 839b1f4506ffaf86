// Grid dump of the true prevalence.
#include <cstring>
#include <string>

#include "dynamic_library.h"
#include "grid.h"
#include "tessara.h"

namespace {
void TruePrevalenceGrid(GridWriter& writer) {
  const auto run = TESSARA_BIND(True_Prevelance);
  const float values[] = {0.0f,  1e-6f, 2e-6f, 0.02f, 0.1f,  0.25f, 0.3f, 0.4f, 0.5f,
                          0.51f, 0.6f,  0.75f, 0.9f,  0.95f, 0.98f, 1.0f, 1.5f};
  for (float ap : values)
    for (float se : values)
      for (float sp : values) {
        TruePrevalence out;
        std::memset(&out, 0, sizeof out);
        const ResultCode code = run(ap, se, sp, &out);
        writer.Line(
            "True_Prevelance(" + FloatText(ap) + "," + FloatText(se) + "," + FloatText(sp) + ")",
            code, &out, 2);
      }
}
const GridRegistration registration("True_Prevelance", TruePrevalenceGrid);
}  // namespace
