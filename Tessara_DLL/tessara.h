// The exports of Tessara.dll (libTessara.so natively). Each calculation
// checks its arguments in a fixed order, writes its results into the
// caller's array only on success, and returns a ResultCode.
//
// Real values cross as 32-bit floats holding fractions (never percentages),
// counts and levels as signed 32-bit integers.
#pragma once
#include <cstdint>

#include "export_frame.h"

// Sample size to estimate a prevalence p with relative error e (the
// half-width is e * p). out[0] is for population N, out[1..15] for the
// populations 50 ... 10000, out[16] for an infinite population.
TESSARA_EXPORT ResultCode TESSARA_CALL SampleSize_SimpleRandom(float p, float e, std::int32_t level,
                                                               std::int32_t population,
                                                               std::int32_t* out);

// ---- Prevalence sample sizes: stratified, two stages

// The result of SampleSize_Stratified: seven 32-bit elements.
struct StratifiedSampleSizes {
  float prevalence;          // expected prevalence of the population, strata weighted by size
  std::int32_t strata[5];    // sample size of each stratum, 0 for a stratum not used
  std::int32_t total;        // sum of the five
};
static_assert(sizeof(StratifiedSampleSizes) == 7 * 4, "seven 32-bit elements");

// Sample sizes of a stratified random sample with optimum allocation, for a
// relative error e of the population prevalence. Strata 1 and 2 are always
// used; stratum 3 when N3 >= 1, stratum 4 when 3 is used and N4 >= 1, and
// stratum 5 likewise.
TESSARA_EXPORT ResultCode TESSARA_CALL SampleSize_Stratified(
    std::int32_t level, float e, std::int32_t n1, float p1, std::int32_t n2, float p2,
    std::int32_t n3, float p3, std::int32_t n4, float p4, std::int32_t n5, float p5,
    StratifiedSampleSizes* out);

// The HomogeneityLevel of a two-stage sample: which design effect to assume
// when the exact rate of homogeneity is not known.
namespace homogeneity {
inline constexpr std::int32_t Exact = 0;  // the exact rate must be given
inline constexpr std::int32_t Low = 1;
inline constexpr std::int32_t Medium = 2;
inline constexpr std::int32_t High = 3;
inline constexpr std::int32_t Unknown = 4;
}  // namespace homogeneity

// The result of SampleSize_TwoStages: three 32-bit words, of which the third
// carries the flag in its first byte only (the other three are not written).
struct TwoStageSampleSize {
  std::int32_t clusters;          // at least 25
  std::int32_t samples;           // clusters * samples per cluster
  std::uint8_t minimum_imposed;   // 1 when the minimum of 25 clusters was imposed
};
static_assert(sizeof(TwoStageSampleSize) == 3 * 4, "three 32-bit words");

// Clusters and samples for a two-stage sample of m samples per cluster: the
// simple random size inflated by the design effect 1 + (m - 1) * rho.
TESSARA_EXPORT ResultCode TESSARA_CALL SampleSize_TwoStages(float p, float e, std::int32_t level,
                                                            std::int32_t per_cluster,
                                                            std::int32_t homogeneity_level,
                                                            float rho, TwoStageSampleSize* out);

// ---- Prevalence confidence intervals: simple random, stratified

// Confidence limits of an observed proportion p of a simple random sample of
// n out of N (normal approximation, finite population correction):
// out[0] lower, out[1] upper, not clipped to [0, 1].
TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_SimpleRandom_Proportion(
    float p, std::int32_t sample, std::int32_t population, std::int32_t level, float* out);

// The same from k positive cases: out[0] the proportion k / n, out[1] lower,
// out[2] upper.
TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_SimpleRandom_PositiveCases(
    std::int32_t positives, std::int32_t sample, std::int32_t population, std::int32_t level,
    float* out);

// Prevalence of a stratified random sample of two to five strata, each
// given as (population N_h, sample n_h, proportion p_h, 0 <= p_h <= 1):
// out[0] the size weighted prevalence, out[1] lower, out[2] upper. Strata
// 3 to 5 are absent when all three of their values are 0; any other stratum
// is checked as strata 1 and 2 are, and none may follow an absent one.
TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_Stratified(
    std::int32_t level, std::int32_t population1, std::int32_t sample1, float p1,
    std::int32_t population2, std::int32_t sample2, float p2, std::int32_t population3,
    std::int32_t sample3, float p3, std::int32_t population4, std::int32_t sample4, float p4,
    std::int32_t population5, std::int32_t sample5, float p5, float* out);

// ---- Prevalence confidence interval from a cluster data file (two stages)

// The result of ConfidenceInterval_TwoStages: nine 32-bit elements.
struct TwoStageInterval {
  float prevalence;      // events / samples over all clusters (ratio estimate)
  float lower;           // prevalence - z * standard_error, not clipped
  float upper;           // prevalence + z * standard_error, not clipped
  float standard_error;  // between clusters
  float design_effect;   // against a simple random sample of the same size
  float homogeneity;     // rate of homogeneity implied by the design effect
  std::int32_t clusters;
  std::int32_t samples;
  std::int32_t events;
};
static_assert(sizeof(TwoStageInterval) == 9 * 4, "nine 32-bit elements");

// Reads a cluster data file (one line per cluster: identifier, samples,
// events, divided by the list separator) and estimates the prevalence with
// its confidence limits. errorRow and errorItem receive the row and field
// of a bad line; they are written only with the codes that name them.
TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_TwoStages(std::int32_t level,
                                                                    const wchar_t* path,
                                                                    std::int32_t* errorRow,
                                                                    std::int32_t* errorItem,
                                                                    TwoStageInterval* out);
// The same for a path in 8-bit text (the ANSI code page on Windows, UTF-8
// natively).
TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_TwoStages_A(std::int32_t level,
                                                                      const char* path,
                                                                      std::int32_t* errorRow,
                                                                      std::int32_t* errorItem,
                                                                      TwoStageInterval* out);


// ---- True prevalence

// The result record of True_Prevelance; the caller zeroes it.
struct TruePrevalence {
  float tp;               // true prevalence, not clamped to [0, 1]
  std::uint8_t negative;  // 1 when tp < 0: the inputs contradict each other
};
static_assert(sizeof(TruePrevalence) == 8, "a float and a byte, naturally aligned");

// True prevalence from an apparent prevalence and the test's sensitivity and
// specificity: (AP + Sp - 1) / (Se + Sp - 1).
TESSARA_EXPORT ResultCode TESSARA_CALL True_Prevelance(float ap, float se, float sp,
                                                       TruePrevalence* out);

// ---- Comparison of two prevalences

// Sample size per population to detect the difference between a lower p1
// and a higher p2: out[0] for a two-sided test, out[1] for a one-sided one.
// power is a percentage: 80, 85, 90 or 95.
TESSARA_EXPORT ResultCode TESSARA_CALL Comparison_SampleSize(float p1, float p2,
                                                             std::int32_t level,
                                                             std::int32_t power,
                                                             std::int32_t* out);

// Confidence limits of the difference p2 - p1 at 90, 95 and 99 %, with the
// natural alignment of the platform.
struct ComparisonIntervals {
  float lower90;
  float upper90;
  std::uint8_t significant90;
  float lower95;
  float upper95;
  std::uint8_t significant95;
  float lower99;
  float upper99;
  std::uint8_t significant99;
  float difference;
};
static_assert(sizeof(ComparisonIntervals) == 40, "ten naturally aligned fields");

TESSARA_EXPORT ResultCode TESSARA_CALL Comparison_ConfidenceInterval(float p1, std::int32_t n1,
                                                                     float p2, std::int32_t n2,
                                                                     ComparisonIntervals* out);

// ---- Estimating a mean

// Sample size to estimate a mean within the absolute precision E, for a
// standard deviation S: out[0..14] for the populations 50 ... 10000,
// out[15] for an infinite population, out[16] for the caller's N.
TESSARA_EXPORT ResultCode TESSARA_CALL Estimating_SampleSize(float precision, std::int32_t level,
                                                             float deviation,
                                                             std::int32_t population,
                                                             std::int32_t* out);

// Confidence limits of an observed mean of a sample of n out of N:
// out[0] lower, out[1] upper.
TESSARA_EXPORT ResultCode TESSARA_CALL Estimating_ConfidenceInterval(float mean, float deviation,
                                                                     std::int32_t sample,
                                                                     std::int32_t population,
                                                                     std::int32_t level,
                                                                     float* out);

// ---- Detection of disease and maximum prevalence

// The result of DetectingEvent_SampleSize_SimpleRandom: 52 32-bit elements.
struct DetectionSampleSize {
  std::int32_t sample_size;      // animals to test (truncated, not rounded up)
  std::int32_t false_positives;  // false positives to expect; untouched when none is found
  float sensitivity;             // used: the combination when two tests
  float specificity;
  // Sizes (whole numbers) for N = 50, 100, 250, 500, 1000, 2000, 5000 and
  // 10,000,000 (rows, the last for an infinite population) and prevalences
  // 0.10, 0.05, 0.02, 0.01, 0.005 and 0.001 (columns).
  float table[8][6];
};
static_assert(sizeof(DetectionSampleSize) == 52 * 4, "52 32-bit elements");

// Animals to test, drawn at random from N, to find at least one positive
// with the given confidence when the prevalence is at least p, with one test
// (Se2 = Sp2 = 0) or two read together (interpretation 1 serial, 2
// parallel); beta is the type II error of the false-positive count.
TESSARA_EXPORT ResultCode TESSARA_CALL DetectingEvent_SampleSize_SimpleRandom(
    float p, std::int32_t population, std::int32_t level, float se1, float sp1, float se2,
    float sp2, DetectionSampleSize* out, float beta, std::int32_t interpretation);

// The result of DetectingEvent_SampleSize_TwoStages: 14 32-bit elements.
struct TwoStageDetection {
  float sensitivity;  // used: the combination when two tests
  float specificity;
  std::int32_t herds;                      // herds to sample
  std::int32_t animals_per_herd;           // animals to test in each sampled herd
  std::int32_t samples;                    // herds * animals_per_herd
  std::int32_t false_positives_per_herd;   // untouched when none is found
  std::int32_t false_positives_in_sample;  // untouched when none is found
  std::int32_t animals_per_herd_table[7];  // for herds of 50, 100, 250, 500, 750, 1000, 5000
};
static_assert(sizeof(TwoStageDetection) == 14 * 4, "14 32-bit elements");

// A two-stage survey to detect disease among herds: herds to sample (at the
// confidence level) and animals per herd (at the herd confidence, 0..100
// percent), for herd prevalence pHerd, within-herd prevalence pAnimal and an
// average herd size; tests as for the simple random design.
TESSARA_EXPORT ResultCode TESSARA_CALL DetectingEvent_SampleSize_TwoStages(
    std::int32_t level, float p_herd, std::int32_t herds, float p_animal, float herd_size,
    std::int32_t herd_confidence, float se1, float sp1, float se2, float sp2,
    TwoStageDetection* out, float beta, std::int32_t interpretation);

// The result of DetectingEvent_MaximumPrevalence: three 32-bit elements.
struct MaximumPrevalence {
  std::int32_t positives;  // most positives the population may hold undetected
  float prevalence;        // the same as a fraction of N
  float confidence;        // that the prevalence does not exceed p
};
static_assert(sizeof(MaximumPrevalence) == 3 * 4, "three 32-bit elements");

// What a sample of n out of N, all negative with a test of sensitivity Se,
// says at the given confidence level about the prevalence, and how confident
// one can be that the prevalence is at most p.
TESSARA_EXPORT ResultCode TESSARA_CALL DetectingEvent_MaximumPrevalence(
    std::int32_t n, std::int32_t population, float sensitivity, std::int32_t level, float p,
    MaximumPrevalence* out);

// ---- Selection of units from a list file
//
// Both selections read only a regular file (a FIFO or a device reads as a
// list without records) and write their output beside outputPath, moving
// it there once complete; a path that holds anything but a writable regular
// file is left as it is, and the call returns OutputWriteFailed.

// Draws `units` lines of the list at inputPath at random, without
// replacement, and writes them to outputPath in the order drawn, each
// ended by CR LF. errorRow receives the row of a bad line.
TESSARA_EXPORT ResultCode TESSARA_CALL Selection_SimpleRandom(std::int32_t units,
                                                              const wchar_t* inputPath,
                                                              const wchar_t* outputPath,
                                                              std::int32_t* errorRow);
TESSARA_EXPORT ResultCode TESSARA_CALL Selection_SimpleRandom_A(std::int32_t units,
                                                                const char* inputPath,
                                                                const char* outputPath,
                                                                std::int32_t* errorRow);

// Selects `units` units of the list at inputPath (lines "identifier,size",
// further columns ignored) with probability proportional to size, by
// systematic sampling along the cumulated sizes, and writes "identifier,r"
// for each unit hit r times. Sizes that add up to fewer than `units` (but
// more than 0) are refused.
TESSARA_EXPORT ResultCode TESSARA_CALL Selection_ProbabilityProportional(std::int32_t units,
                                                                         const wchar_t* inputPath,
                                                                         const wchar_t* outputPath,
                                                                         std::int32_t* errorRow);
TESSARA_EXPORT ResultCode TESSARA_CALL Selection_ProbabilityProportional_A(std::int32_t units,
                                                                           const char* inputPath,
                                                                           const char* outputPath,
                                                                           std::int32_t* errorRow);
