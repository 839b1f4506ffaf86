// The heights of the forms' fonts from a size in tenths of a point.
#include <gtest/gtest.h>
#include <windows.h>

#include "form_fonts.h"
#include "string_ids.h"

namespace {

struct HeightCase {
  int tenths_of_point;
  int pixels_per_inch;
  int height;
};

class FontHeightTable : public ::testing::TestWithParam<HeightCase> {};

TEST_P(FontHeightTable, IsMinusTheRoundedPixelHeight) {
  const HeightCase& expected = GetParam();
  const int device_units = DeviceUnitsForTenthsOfPoint(expected.tenths_of_point, expected.pixels_per_inch);
  EXPECT_EQ(FontHeightFromDeviceUnits(device_units), expected.height);
}

// Worked by hand: s x r / 72 truncated, then minus (that / 10 + 0.5) truncated.
INSTANTIATE_TEST_SUITE_P(
    Sizes, FontHeightTable,
    ::testing::Values(HeightCase{95, 96, -13},    // 126 -> 13.1
                      HeightCase{130, 96, -17},   // 173 -> 17.8
                      HeightCase{95, 120, -16},   // 158 -> 16.3
                      HeightCase{130, 120, -22},  // 216 -> 22.1
                      HeightCase{95, 144, -19},   // 190 -> 19.5, truncated
                      HeightCase{130, 144, -26},  // 260 -> 26.5, truncated
                      HeightCase{95, 72, -10},    // 95 -> 10.0
                      HeightCase{95, 100, -13})); // 131 (not 131.9) -> 13.6

TEST(FontCharacterSet, ThaiOnlyForTheThaiTexts) {
  EXPECT_EQ(FontCharacterSet(kLanguageOffsetThai), THAI_CHARSET);
  EXPECT_EQ(FontCharacterSet(kLanguageOffsetSpanish), DEFAULT_CHARSET);
  EXPECT_EQ(FontCharacterSet(kLanguageOffsetEnglish), DEFAULT_CHARSET);
}

TEST(FormFonts, AreCreatedAsDescribedAndDeletedOnce) {
  CreateFormFonts(THAI_CHARSET);
  const FormFonts& fonts = Fonts();
  const struct {
    HFONT font;
    int tenths;
    int weight;
    BYTE italic;
  } expected[] = {{fonts.regular, 95, FW_NORMAL, FALSE},
                  {fonts.bold, 95, FW_BOLD, FALSE},
                  {fonts.italic, 95, FW_NORMAL, TRUE},
                  {fonts.large_bold, 130, FW_BOLD, FALSE},
                  {fonts.large, 130, FW_NORMAL, FALSE}};
  HDC screen = GetDC(nullptr);
  const int pixels_per_inch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  ASSERT_EQ(pixels_per_inch, 96) << "the heights below are the ones for 96 pixels per inch";
  for (const auto& font : expected) {
    ASSERT_NE(font.font, nullptr);
    LOGFONTW description = {};
    ASSERT_NE(GetObjectW(font.font, sizeof(description), &description), 0);
    EXPECT_STREQ(description.lfFaceName, L"Arial Unicode MS");
    EXPECT_EQ(description.lfHeight, font.tenths == 95 ? -13 : -17);
    EXPECT_EQ(description.lfWeight, font.weight);
    EXPECT_EQ(description.lfItalic, font.italic);
    EXPECT_EQ(description.lfUnderline, FALSE);
    EXPECT_EQ(description.lfStrikeOut, FALSE);
    EXPECT_EQ(description.lfCharSet, THAI_CHARSET);
    EXPECT_EQ(description.lfWidth, 0);
  }
  DeleteFormFonts();
  EXPECT_EQ(Fonts().regular, nullptr);
  EXPECT_EQ(Fonts().large, nullptr);
  DeleteFormFonts();  // nothing left to delete: no double deletion
}

}  // namespace
