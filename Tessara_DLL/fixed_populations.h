// The fifteen population sizes for which the sample sizes of a prevalence
// and of a mean are given as a ready reckoner beside the user's own
// population. The library computes for them and the program labels its
// tables with them, so they live here once.
#pragma once
#include <cstdint>

inline constexpr int kFixedPopulationCount = 15;
inline constexpr std::int32_t kFixedPopulations[kFixedPopulationCount] = {
    50, 100, 150, 200, 300, 400, 500, 750, 1000, 1500, 2000, 3500, 5000, 7500, 10000};
