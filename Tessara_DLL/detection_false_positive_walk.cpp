// The false-positive walk and the three distributions it sums.
//
// The sum is kept in single precision and the walk stops at the first k
// where it reaches 1 - beta. Each distribution below gives the same term for
// the same k as a walk that visits every k from 0 would, and the walk skips
// only terms that leave the sum exactly as it was, so it stops at the same k.
// What it skips: the normal density of a large sample is a single-precision
// zero far from its mean, so the walk starts where the first term would make
// a zero sum non-zero, and ends past the mean once the terms are too small
// to change the sum; the Poisson terms are all zero beyond 170 (k! no longer
// fits a double). A sample of 2^31 thus costs a few 10^5 terms, not 10^9.
#include "detection_false_positive_walk.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "detection_factorial_power.h"
#include "portable_math.h"

namespace {
// The exact binomial needs m!, so it serves samples of up to 170.
constexpr std::int64_t kLargestExactBinomialSample = kLargestFiniteFactorial;
// Up to this expected count the Poisson replaces the binomial.
constexpr double kLargestPoissonMean = 30.0;
constexpr double kTwoPi = 6.283185308;

// Adds the terms 0..end-1 to a single-precision sum that starts at 0 and
// returns the first k at which the sum reaches the level.
template <class Terms>
std::optional<std::int64_t> SumUntilLevel(std::int64_t end, double level, const Terms& terms) {
  float sum = 0.0f;
  for (std::int64_t k = 0; k < end; ++k) {
    sum = static_cast<float>(sum + terms(k));
    if (sum >= level) return k;
  }
  return std::nullopt;
}

// m! / ((m - k)! k!) q^k Sp^(m - k), for m <= 170.
class ExactBinomialTerms {
 public:
  ExactBinomialTerms(std::int64_t m, float q, float specificity, BinomialPowers powers)
      : m_(static_cast<std::int32_t>(m)), q_(q), specificity_(specificity), powers_(powers) {}

  double operator()(std::int64_t k) const {
    const std::int32_t positives = static_cast<std::int32_t>(k);
    const std::int32_t negatives = m_ - positives;
    const double coefficient = Factorial(m_) / (Factorial(negatives) * Factorial(positives));
    const float q_power = IntegerPower(q_, positives);
    const float specificity_power =
        powers_ == BinomialPowers::IntegerForBoth
            ? IntegerPower(specificity_, negatives)
            : static_cast<float>(PortablePow(specificity_, static_cast<float>(negatives)));
    return coefficient * q_power * specificity_power;
  }

 private:
  std::int32_t m_;
  float q_;
  float specificity_;
  BinomialPowers powers_;
};

// lambda^k e^(-lambda) / k!, with lambda and e^(-lambda) in single precision.
class PoissonTerms {
 public:
  explicit PoissonTerms(double lambda)
      : lambda_(static_cast<float>(lambda)),
        exp_minus_lambda_(static_cast<float>(PortableExp(static_cast<float>(-lambda)))) {}

  // Beyond 170, k! is infinite and every term is zero.
  static constexpr std::int64_t kEnd = kLargestFiniteFactorial + 1;

  double operator()(std::int64_t k) const {
    const std::int32_t count = static_cast<std::int32_t>(k);
    const float power = IntegerPower(lambda_, count);
    // For lambda near 30 the single-precision power overflows from k = 27 on,
    // where the term is still about 0.06: an infinite term would end the walk
    // with a false count. The same squaring in double does not overflow.
    const double finite_power = std::isinf(power) ? WideIntegerPower(lambda_, count) : power;
    return finite_power * exp_minus_lambda_ / Factorial(count);
  }

 private:
  float lambda_;
  float exp_minus_lambda_;
};

// exp(-(k - mq)^2 / (2 mq Sp)) / sqrt(2 pi mq Sp), without continuity
// correction, with the distance, its square, the exponent and the
// exponential each in single precision.
class NormalDensityTerms {
 public:
  NormalDensityTerms(std::int64_t m, float q, float specificity)
      : m_(m),
        mean_(static_cast<double>(m) * q),
        twice_variance_(2.0 * static_cast<double>(m) * q * specificity),
        scale_(std::sqrt(kTwoPi * static_cast<double>(m) * q * specificity)) {}

  double operator()(std::int64_t k) const { return Exponential(k) / scale_; }

  // The walk from the first term that counts. Past the mean it also ends as
  // soon as no later term can change the sum: the exponent only falls from
  // there, so no later exponential, rounded to single precision, exceeds the
  // float just above the current one (the exponential is within an ulp of a
  // double, far finer than a float's step).
  std::optional<std::int64_t> Walk(double level) const {
    float sum = 0.0f;
    for (std::int64_t k = FirstContributing(); k < m_; ++k) {
      const float exponential = Exponential(k);
      sum = static_cast<float>(sum + exponential / scale_);
      if (sum >= level) return k;
      if (k >= mean_) {
        const float later_bound = std::nextafter(exponential, std::numeric_limits<float>::infinity());
        if (static_cast<float>(sum + later_bound / scale_) == sum) return std::nullopt;
      }
    }
    return std::nullopt;
  }

 private:
  // Below the mean the terms grow with k; those before the first one that is
  // non-zero in single precision leave a zero sum at zero. Each rounding is
  // monotonic, and so is the exponential where it meets zero.
  std::int64_t FirstContributing() const {
    std::int64_t low = 0;
    std::int64_t high = std::min(static_cast<std::int64_t>(std::floor(mean_)), m_ - 1);
    while (low < high) {
      const std::int64_t middle = low + (high - low) / 2;
      if (static_cast<float>((*this)(middle)) != 0.0f)
        high = middle;
      else
        low = middle + 1;
    }
    return low;
  }

  float Exponential(std::int64_t k) const {
    const float distance = static_cast<float>(static_cast<double>(k) - mean_);
    const float square = distance * distance;
    const float exponent = static_cast<float>(-static_cast<double>(square) / twice_variance_);
    return PortableExpRoundedToFloat(exponent);
  }

  std::int64_t m_;
  double mean_;
  double twice_variance_;
  double scale_;
};
}  // namespace

std::optional<std::int64_t> FalsePositiveWalk(std::int64_t m, float specificity, float beta,
                                              BinomialPowers powers) {
  if (m <= 0) return std::nullopt;
  const double level = 1.0 - beta;
  // Every term is at least 0, so a level of 0 is met by the first; the
  // normal walk may start later only when the level is above 0.
  if (level <= 0.0) return 0;
  const float q = static_cast<float>(1.0 - specificity);
  if (m <= kLargestExactBinomialSample)
    return SumUntilLevel(m, level, ExactBinomialTerms(m, q, specificity, powers));
  const double lambda = static_cast<double>(m) * q;
  if (lambda <= kLargestPoissonMean)
    return SumUntilLevel(std::min(m, PoissonTerms::kEnd), level, PoissonTerms(lambda));
  return NormalDensityTerms(m, q, specificity).Walk(level);
}

std::int32_t FalsePositivesForStop(std::int64_t stop) {
  return static_cast<std::int32_t>(stop > 0 ? stop - 1 : 0);
}
