// Reading numbers from edit texts, and writing them back.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "number_text.h"

namespace {
TEST(NumberCheck, AcceptsDigitsSignsPointsAndCommasOnly) {
  struct Case {
    const wchar_t* text;
    bool passes;
  } cases[] = {
      {L"0", true},     {L"0.5", true},   {L"0,5", true},  {L"1.2.3", true}, {L"-", true},
      {L"+", true},     {L".", true},     {L",", true},    {L"-0.25", true}, {L"+7", true},
      {L"12.7", true},  {L"", false},     {L" 1", false},  {L"1 ", false},   {L"1e3", false},
      {L"--1", false},  {L"1-", false},   {L"1+2", false}, {L"abc", false},  {L"0x10", false},
      {L"1,000.5", true}, {L"nan", false}, {L"inf", false},
  };
  for (const Case& c : cases) EXPECT_EQ(PassesNumberCheck(c.text), c.passes) << c.text;
  EXPECT_FALSE(PassesNumberCheck(nullptr));
}

TEST(RealNumberText, ConversionStopsWhereANumberCannotContinue) {
  struct Case {
    const wchar_t* text;
    double value;
  } cases[] = {
      {L"0,5", 0.0},  {L"1.2.3", 1.2},  {L"-", 0.0},    {L"12.7", 12.7},   {L"0.05", 0.05},
      {L"-0.5", -0.5}, {L"+3", 3.0},    {L".5", 0.5},   {L",5", 0.0},      {L"1,5", 1.0},
      {L"0.0000001", 1e-7},
  };
  for (const Case& c : cases) {
    double value = -99;
    ASSERT_TRUE(ReadRealNumberText(c.text, &value)) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
  }
  double untouched = -99;
  EXPECT_FALSE(ReadRealNumberText(L"", &untouched));
  EXPECT_FALSE(ReadRealNumberText(L"1e3", &untouched));
  EXPECT_EQ(untouched, -99);
}

TEST(RealNumberText, OnlyTheFirst31CharactersAreRead) {
  // 31 characters "0.12...9" then more digits: the tail is never seen.
  const std::wstring first31 = L"0.12345678901234567890123456789";
  ASSERT_EQ(first31.size(), 31u);
  double value = 0;
  ASSERT_TRUE(ReadRealNumberText((first31 + L"999999999").c_str(), &value));
  double expected = 0;
  ASSERT_TRUE(ReadRealNumberText(first31.c_str(), &expected));
  EXPECT_EQ(value, expected);
  // A bad character past the 31st does not fail the check.
  EXPECT_TRUE(ReadRealNumberText((first31 + L"x").c_str(), &value));
  // A 40-character run of digits reads as its first 31 digits.
  const std::wstring forty(40, L'1');
  ASSERT_TRUE(ReadRealNumberText(forty.c_str(), &value));
  EXPECT_DOUBLE_EQ(value, 1111111111111111111111111111111.0);
}

TEST(IntegerText, StopsAtTheFirstNonDigitAndHoldsTheInt32Range) {
  struct Case {
    const wchar_t* text;
    std::int32_t value;
  } cases[] = {
      {L"12.7", 12},        {L"2.9", 2},           {L"0", 0},
      {L"-5", -5},          {L"+8", 8},            {L"-", 0},
      {L"1,000", 1},        {L"2147483647", 2147483647},
      {L"2147483648", 2147483647},                 {L"99999999999999999999", 2147483647},
      {L"-2147483648", -2147483647 - 1},           {L"-99999999999", -2147483647 - 1},
  };
  for (const Case& c : cases) {
    std::int32_t value = -99;
    ASSERT_TRUE(ReadIntegerText(c.text, &value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  std::int32_t untouched = -99;
  EXPECT_FALSE(ReadIntegerText(L"12a", &untouched));
  EXPECT_EQ(untouched, -99);
}

TEST(FormatNumber, FixedPointWithWidthAndDecimals) {
  struct Case {
    double value;
    int width, decimals;
    const wchar_t* text;
  } cases[] = {
      {0.05, 1, 4, L"0.0500"},    {1.0, 1, 4, L"1.0000"},     {0.272727, 1, 6, L"0.272727"},
      {-0.0625, 1, 3, L"-0.062"}, {3.14159, 8, 2, L"    3.14"}, {12345.678, 1, 0, L"12346"},
  };
  for (const Case& c : cases) {
    wchar_t buffer[32];
    FormatNumber(c.value, buffer, 32, c.width, c.decimals);
    EXPECT_EQ(std::wstring(buffer), c.text) << c.value;
  }
}

TEST(FormatNumber, OutputIsCutToTheCapacity) {
  wchar_t buffer[8];
  FormatNumber(123456789.125, buffer, 8, 1, 3);
  EXPECT_EQ(std::wstring(buffer), L"1234567");
  wchar_t tiny[1] = {L'x'};
  FormatNumber(5.0, tiny, 1, 1, 2);
  EXPECT_EQ(tiny[0], L'\0');
  wchar_t huge[32];
  FormatNumber(1e300, huge, 32, 1, 4);
  EXPECT_EQ(std::wstring(huge).size(), 31u);
}

TEST(FormatInteger, Decimal) {
  wchar_t buffer[32];
  FormatInteger(278, buffer, 32);
  EXPECT_EQ(std::wstring(buffer), L"278");
  FormatInteger(-2147483648LL, buffer, 32);
  EXPECT_EQ(std::wstring(buffer), L"-2147483648");
  FormatInteger(1234567, buffer, 4);
  EXPECT_EQ(std::wstring(buffer), L"123");
}

TEST(TrimTrailing, RemovesTrailingCharactersOfTheSetOnly) {
  struct Case {
    const wchar_t* before;
    const wchar_t* set;
    const wchar_t* after;
  } cases[] = {
      {L"0.0500", L"0", L"0.05"}, {L"1.0000", L"0", L"1."},  {L"100", L"0", L"1"},
      {L"000", L"0", L""},        {L"2.50 ", L"0", L"2.50 "}, {L"2.5000", L"05", L"2."},
      {L"", L"0", L""},           {L"12", L"", L"12"},
  };
  for (const Case& c : cases) {
    wchar_t text[32];
    std::wstring(c.before).copy(text, 31);
    text[std::wstring(c.before).size()] = L'\0';
    TrimTrailing(text, c.set);
    EXPECT_EQ(std::wstring(text), c.after) << c.before;
  }
}

TEST(FormatAndTrim, ProportionShownWithoutTrailingZeros) {
  wchar_t buffer[32];
  FormatNumber(0.05, buffer, 32, 1, 4);
  TrimTrailing(buffer, L"0");
  EXPECT_EQ(std::wstring(buffer), L"0.05");
}
}  // namespace
