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

// ---- Prevalence confidence intervals: simple random, stratified

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

// ---- Comparison of two prevalences

// ---- Estimating a mean

// ---- Detection of disease and maximum prevalence

// ---- Selection of units from a list file

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

// Selects `units` units of the list at inputPath (lines "identifier,size")
// with probability proportional to size, by systematic sampling along the
// cumulated sizes, and writes "identifier,r" for each unit hit r times.
TESSARA_EXPORT ResultCode TESSARA_CALL Selection_ProbabilityProportional(std::int32_t units,
                                                                         const wchar_t* inputPath,
                                                                         const wchar_t* outputPath,
                                                                         std::int32_t* errorRow);
TESSARA_EXPORT ResultCode TESSARA_CALL Selection_ProbabilityProportional_A(std::int32_t units,
                                                                           const char* inputPath,
                                                                           const char* outputPath,
                                                                           std::int32_t* errorRow);
