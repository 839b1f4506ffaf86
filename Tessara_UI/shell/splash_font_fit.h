// The font size of one text area of the splash screen: the largest size,
// growing from 8 points in steps of 2, at which every text of the area fits
// its width and its share of the area's height.
#pragma once

#include <functional>

struct TextExtent {
  int width = 0;
  int height = 0;
};

struct FittedFont {
  int points = 0;       // font size to draw with
  int line_height = 0;  // height of the widest text at that size
};

inline constexpr int kSplashFirstPoints = 8;
inline constexpr int kSplashPointsStep = 2;
// Growth stops here even if the texts still fit (empty texts always do).
inline constexpr int kSplashLargestPoints = 200;

// widest_extent(points): width and height of the area's widest text at
// that size. The size used is the one before the first that does not fit.
FittedFont FitSplashFont(const std::function<TextExtent(int points)>& widest_extent,
                         int maximum_width, int area_height, int lines);
