// The row labels of a ready reckoner: the sample sizes of a prevalence and
// of a mean are tabled for the fifteen fixed populations that the library
// computes for, then for an infinite population. Both forms label their
// tables from here.
#pragma once

#include <array>

#include "fixed_populations.h"
#include "form_table.h"

inline constexpr int kInfinitePopulationText = 11035;  // "Infinite"

inline constexpr int kPopulationLabelCount = kFixedPopulationCount + 1;

constexpr std::array<ControlText, kPopulationLabelCount> MakePopulationLabels() {
  std::array<ControlText, kPopulationLabelCount> labels{};
  for (int k = 0; k < kFixedPopulationCount; ++k) {
    labels[k] = ControlText::Number(kFixedPopulations[k]);
  }
  labels[kFixedPopulationCount] = ControlText(kInfinitePopulationText);
  return labels;
}

// One array for the whole program: the tables point into it.
inline constexpr std::array<ControlText, kPopulationLabelCount> kPopulationLabels =
    MakePopulationLabels();
