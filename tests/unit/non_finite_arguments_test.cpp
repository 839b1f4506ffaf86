// Every real argument of every export, given NaN, +Inf or -Inf, is refused
// with that argument's own code, and nothing is written. NaN fails every
// comparison, so a range check written as the negation of the comparisons
// a value must fail lets it through to the results, or to a later check
// that then blames another argument.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
// Room for the largest result of any export, filled with a sentinel.
using OutBuffer = std::array<unsigned char, 256>;
static_assert(sizeof(DetectionSampleSize) <= sizeof(OutBuffer), "room for every result");

using Floats = std::vector<float>;

// The real arguments of one export (fixed integer arguments around them),
// a set of values that succeeds, the code of each argument, and the order
// in which the export checks them.
struct RealArguments {
  std::string name;
  Floats valid;
  std::vector<ResultCode> codes;       // of each real argument, in argument order
  std::vector<std::size_t> checked;    // the real arguments in the order they are checked
  std::function<ResultCode(const Floats&, void*)> call;
};

void PrintTo(const RealArguments& arguments, std::ostream* os) { *os << arguments.name; }

template <class Result>
Result* As(void* out) {
  return static_cast<Result*>(out);
}

std::vector<RealArguments> AllExports() {
  return {
      {"SampleSize_SimpleRandom (p, e)", {0.3f, 0.1f},
       {rc::InvalidExpectedPrevalence, rc::InvalidRelativeError}, {0, 1},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(SampleSize_SimpleRandom)(f[0], f[1], 95, 1000, As<std::int32_t>(out));
       }},
      {"SampleSize_Stratified (e, p1 .. p5)", {0.1f, 0.2f, 0.3f, 0.1f, 0.4f, 0.5f},
       {rc::InvalidRelativeError, rc::TooFewStrata, rc::TooFewStrata, rc::TooFewStrata,
        rc::TooFewStrata, rc::TooFewStrata},
       {0, 1, 2, 3, 4, 5},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(SampleSize_Stratified)(95, f[0], 1000, f[1], 2000, f[2], 500, f[3],
                                                    400, f[4], 300, f[5],
                                                    As<StratifiedSampleSizes>(out));
       }},
      // The prevalence of a stratum left out is ignored, unless it is no number.
      {"SampleSize_Stratified, strata 3 to 5 left out", {0.1f, 0.2f, 0.3f, 7.0f, 0.0f, -1.0f},
       {rc::InvalidRelativeError, rc::TooFewStrata, rc::TooFewStrata, rc::TooFewStrata,
        rc::TooFewStrata, rc::TooFewStrata},
       {0, 1, 2, 3, 4, 5},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(SampleSize_Stratified)(95, f[0], 1000, f[1], 2000, f[2], 0, f[3], 0,
                                                    f[4], 0, f[5], As<StratifiedSampleSizes>(out));
       }},
      {"SampleSize_TwoStages (p, e, exact rho)", {0.3f, 0.1f, 0.2f},
       {rc::InvalidPopulationPrevalence, rc::InvalidRelativeError, rc::InvalidHomogeneity},
       {0, 1, 2},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(SampleSize_TwoStages)(f[0], f[1], 95, 10, homogeneity::Exact, f[2],
                                                   As<TwoStageSampleSize>(out));
       }},
      // A rate given with a level wins over the level: it must be a number.
      {"SampleSize_TwoStages, rho with a level", {0.3f, 0.1f, 0.0f},
       {rc::InvalidPopulationPrevalence, rc::InvalidRelativeError, rc::InvalidHomogeneity},
       {0, 1, 2},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(SampleSize_TwoStages)(f[0], f[1], 95, 10, homogeneity::Medium, f[2],
                                                   As<TwoStageSampleSize>(out));
       }},
      {"ConfidenceInterval_SimpleRandom_Proportion (p)", {0.3f}, {rc::InvalidProportion}, {0},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(ConfidenceInterval_SimpleRandom_Proportion)(f[0], 100, 1000, 95,
                                                                         As<float>(out));
       }},
      {"ConfidenceInterval_Stratified (p1 .. p5)", {0.2f, 0.3f, 0.1f, 0.0f, 1.0f},
       {rc::InvalidProportion, rc::InvalidProportion, rc::InvalidProportion,
        rc::InvalidProportion, rc::InvalidProportion},
       {0, 1, 2, 3, 4},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(ConfidenceInterval_Stratified)(95, 1000, 100, f[0], 2000, 100, f[1],
                                                            500, 50, f[2], 400, 40, f[3], 300, 30,
                                                            f[4], As<float>(out));
       }},
      // A stratum whose population and sample are 0 but whose proportion is
      // not is no absent stratum: its population is checked first.
      {"ConfidenceInterval_Stratified, strata 3 to 5 absent", {0.2f, 0.3f, 0.0f, 0.0f, 0.0f},
       {rc::InvalidProportion, rc::InvalidProportion, rc::SampleExceedsPopulation,
        rc::SampleExceedsPopulation, rc::SampleExceedsPopulation},
       {0, 1, 2, 3, 4},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(ConfidenceInterval_Stratified)(95, 1000, 100, f[0], 2000, 100, f[1],
                                                            0, 0, f[2], 0, 0, f[3], 0, 0, f[4],
                                                            As<float>(out));
       }},
      {"True_Prevelance (AP, Se, Sp)", {0.3f, 0.9f, 0.95f},
       {rc::InvalidPrevalence, rc::InvalidSensitivity, rc::InvalidSpecificity}, {0, 1, 2},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(True_Prevelance)(f[0], f[1], f[2], As<TruePrevalence>(out));
       }},
      {"Comparison_SampleSize (p1, p2)", {0.2f, 0.4f},
       {rc::InvalidPrevalence1, rc::InvalidPrevalence2}, {0, 1},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(Comparison_SampleSize)(f[0], f[1], 95, 80, As<std::int32_t>(out));
       }},
      {"Comparison_ConfidenceInterval (p1, p2)", {0.2f, 0.4f},
       {rc::InvalidPrevalence1, rc::InvalidPrevalence2}, {0, 1},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(Comparison_ConfidenceInterval)(f[0], 100, f[1], 100,
                                                            As<ComparisonIntervals>(out));
       }},
      {"Estimating_SampleSize (precision, deviation)", {2.0f, 10.0f},
       {rc::InvalidPrecision, rc::InvalidStandardDeviation}, {0, 1},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(Estimating_SampleSize)(f[0], 95, f[1], 1000, As<std::int32_t>(out));
       }},
      {"Estimating_ConfidenceInterval (mean, deviation)", {20.0f, 5.0f},
       {rc::InvalidAverage, rc::InvalidStandardDeviation}, {0, 1},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(Estimating_ConfidenceInterval)(f[0], f[1], 50, 1000, 95,
                                                            As<float>(out));
       }},
      {"DetectingEvent_SampleSize_SimpleRandom (p, Se1, Sp1, Se2, Sp2, beta)",
       {0.05f, 0.9f, 0.95f, 0.8f, 0.99f, 0.05f},
       {rc::InvalidPrevalence, rc::InvalidSensitivity, rc::InvalidSpecificity,
        rc::InvalidSensitivity, rc::InvalidSpecificity, rc::InvalidErrorProbability},
       {0, 5, 1, 2, 3, 4},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(DetectingEvent_SampleSize_SimpleRandom)(
             f[0], 1000, 95, f[1], f[2], f[3], f[4], As<DetectionSampleSize>(out), f[5], 1);
       }},
      // Se2 = Sp2 = 0 means one test; NaN or an infinity there means none.
      {"DetectingEvent_SampleSize_SimpleRandom, one test", {0.05f, 0.9f, 0.95f, 0.0f, 0.0f, 0.05f},
       {rc::InvalidPrevalence, rc::InvalidSensitivity, rc::InvalidSpecificity,
        rc::InvalidSensitivity, rc::InvalidSpecificity, rc::InvalidErrorProbability},
       {0, 5, 1, 2, 3, 4},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(DetectingEvent_SampleSize_SimpleRandom)(
             f[0], 1000, 95, f[1], f[2], f[3], f[4], As<DetectionSampleSize>(out), f[5], 0);
       }},
      {"DetectingEvent_SampleSize_TwoStages (pHerd, pAnimal, herd size, Se1, Sp1, Se2, Sp2, "
       "beta)",
       {0.1f, 0.2f, 100.0f, 0.9f, 0.95f, 0.0f, 0.0f, 0.05f},
       {rc::InvalidPrevalence, rc::InvalidHerdPrevalence, rc::InvalidHerdAverage,
        rc::InvalidSensitivity, rc::InvalidSpecificity, rc::InvalidSensitivity,
        rc::InvalidSpecificity, rc::InvalidErrorProbability},
       {7, 0, 1, 2, 3, 4, 5, 6},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(DetectingEvent_SampleSize_TwoStages)(
             95, f[0], 500, f[1], f[2], 95, f[3], f[4], f[5], f[6], As<TwoStageDetection>(out),
             f[7], 0);
       }},
      {"DetectingEvent_MaximumPrevalence (Se, p)", {0.9f, 0.05f},
       {rc::InvalidSensitivity, rc::InvalidPrevalence}, {0, 1},
       [](const Floats& f, void* out) {
         return TESSARA_BIND(DetectingEvent_MaximumPrevalence)(50, 1000, f[0], 95, f[1],
                                                               As<MaximumPrevalence>(out));
       }},
  };
}

constexpr float kNonFinite[] = {std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity()};

class NonFiniteArguments : public ::testing::TestWithParam<RealArguments> {
 protected:
  // Calls with the given values and checks that a refusal wrote nothing.
  static ResultCode Call(const RealArguments& e, const Floats& values) {
    OutBuffer out;
    out.fill(0xA5);
    const ResultCode code = e.call(values, out.data());
    if (code != rc::Success) {
      OutBuffer untouched;
      untouched.fill(0xA5);
      EXPECT_EQ(out, untouched) << "written on failure";
    }
    return code;
  }
};

TEST_P(NonFiniteArguments, TheValidValuesSucceed) {
  const RealArguments& e = GetParam();
  ASSERT_EQ(e.valid.size(), e.codes.size());
  ASSERT_EQ(e.valid.size(), e.checked.size());
  EXPECT_EQ(Call(e, e.valid), rc::Success);
}

TEST_P(NonFiniteArguments, EachIsRefusedWithItsOwnCode) {
  const RealArguments& e = GetParam();
  for (std::size_t k = 0; k < e.valid.size(); ++k) {
    for (float value : kNonFinite) {
      Floats values = e.valid;
      values[k] = value;
      EXPECT_EQ(Call(e, values), e.codes[k]) << "argument " << k + 1 << " = " << value;
    }
  }
}

// With every argument from the k-th checked on no number, the k-th checked
// one is blamed: the checks keep their order.
TEST_P(NonFiniteArguments, TheFirstCheckedIsBlamed) {
  const RealArguments& e = GetParam();
  for (std::size_t k = 0; k < e.checked.size(); ++k) {
    Floats values = e.valid;
    for (std::size_t j = k; j < e.checked.size(); ++j) {
      values[e.checked[j]] = std::numeric_limits<float>::quiet_NaN();
    }
    EXPECT_EQ(Call(e, values), e.codes[e.checked[k]]) << "from the check " << k + 1 << " on";
  }
}

INSTANTIATE_TEST_SUITE_P(EveryExport, NonFiniteArguments, ::testing::ValuesIn(AllExports()));
}  // namespace
