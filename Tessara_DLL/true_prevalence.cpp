// True prevalence from the apparent prevalence of an imperfect test (the
// Rogan-Gladen estimator): TP = (AP + Sp - 1) / (Se + Sp - 1).
#include "checks.h"
#include "tessara.h"

TESSARA_EXPORT ResultCode TESSARA_CALL True_Prevelance(float ap, float se, float sp,
                                                       TruePrevalence* out) {
  if (!IsNonZeroFractionUpToOne(ap)) return rc::InvalidPrevalence;
  if (!IsNonZeroFractionUpToOne(se)) return rc::InvalidSensitivity;
  if (!IsNonZeroFractionUpToOne(sp)) return rc::InvalidSpecificity;
  // Se + Sp = 1 is a test that tells nothing: positives and negatives are
  // equally likely in the diseased and the healthy, and the quotient has no
  // value. The divisor is counted as zero with the library's tolerance,
  // because typed values such as 0.1 and 0.9 do not sum to exactly 1 in
  // single precision. The specificity, checked last, is the one refused.
  const double informedness = static_cast<double>(se) + sp - 1.0;
  if (IsNearZero(informedness)) return rc::InvalidSpecificity;

  const float tp = static_cast<float>((static_cast<double>(ap) + sp - 1.0) / informedness);
  // Writing the fields one by one leaves the caller's padding bytes alone.
  out->tp = tp;
  out->negative = tp < 0.0f ? 1 : 0;
  return rc::Success;
}
