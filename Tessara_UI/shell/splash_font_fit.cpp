#include "splash_font_fit.h"

FittedFont FitSplashFont(const std::function<TextExtent(int points)>& widest_extent,
                         int maximum_width, int area_height, int lines) {
  const double line_share = static_cast<double>(area_height) / lines;
  bool measured_before = false;
  TextExtent before;
  int points = kSplashFirstPoints;
  for (;;) {
    const TextExtent extent = widest_extent(points);
    if (extent.width > maximum_width || extent.height > line_share) break;
    if (points >= kSplashLargestPoints) return {points, extent.height};
    before = extent;
    measured_before = true;
    points += kSplashPointsStep;
  }
  const int used = points - kSplashPointsStep;
  // Even the first size was too large: the size below it was never measured.
  if (!measured_before) before = widest_extent(used);
  return {used, before.height};
}
