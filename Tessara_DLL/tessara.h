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

// ---- True prevalence

// ---- Comparison of two prevalences

// ---- Estimating a mean

// ---- Detection of disease and maximum prevalence

// ---- Selection of units from a list file
