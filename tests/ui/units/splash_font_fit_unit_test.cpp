// The fitting of the splash screen's fonts to their areas.
#include <gtest/gtest.h>

#include <vector>

#include "splash_font_fit.h"

namespace {

TEST(SplashFontFit, StopsAtTheFirstSizeTooWideAndUsesTheOneBefore) {
  // 10 pixels of width per point: 64 pt is 640 wide, 66 pt 660 > 652.
  auto measure = [](int points) { return TextExtent{points * 10, points}; };
  const FittedFont font = FitSplashFont(measure, 652, 70, 1);
  EXPECT_EQ(font.points, 64);
  EXPECT_EQ(font.line_height, 64);
}

TEST(SplashFontFit, StopsAtTheFirstSizeTooTallForItsShareOfTheArea) {
  // Three lines in 100 pixels: 33.3 each; 2 pixels per point fit to 16 pt.
  auto measure = [](int points) { return TextExtent{points, points * 2}; };
  const FittedFont font = FitSplashFont(measure, 672, 100, 3);
  EXPECT_EQ(font.points, 16);
  EXPECT_EQ(font.line_height, 32);
}

TEST(SplashFontFit, AHeightEqualToTheShareStillFits) {
  auto measure = [](int points) { return TextExtent{0, points}; };
  const FittedFont font = FitSplashFont(measure, 632, 20, 1);
  EXPECT_EQ(font.points, 20);
  EXPECT_EQ(font.line_height, 20);
}

TEST(SplashFontFit, GrowsFromEightPointsInStepsOfTwo) {
  std::vector<int> asked;
  auto measure = [&](int points) {
    asked.push_back(points);
    return TextExtent{points * 50, 1};
  };
  FitSplashFont(measure, 652, 70, 1);
  EXPECT_EQ(asked, (std::vector<int>{8, 10, 12, 14}));  // 14 pt is 700 wide
}

TEST(SplashFontFit, WhenEvenEightPointsIsTooLargeTheSizeBelowIsMeasured) {
  std::vector<int> asked;
  auto measure = [&](int points) {
    asked.push_back(points);
    return TextExtent{1000, points + 1};
  };
  const FittedFont font = FitSplashFont(measure, 652, 70, 1);
  EXPECT_EQ(font.points, 6);
  EXPECT_EQ(font.line_height, 7);
  EXPECT_EQ(asked, (std::vector<int>{8, 6}));
}

TEST(SplashFontFit, EmptyTextsStopGrowingAtTheLargestSize) {
  // An empty text measures nothing at every size: without a limit the
  // growth would never stop.
  auto measure = [](int) { return TextExtent{0, 0}; };
  const FittedFont font = FitSplashFont(measure, 632, 20, 1);
  EXPECT_EQ(font.points, kSplashLargestPoints);
}

}  // namespace
