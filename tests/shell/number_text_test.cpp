// Reading numbers from edit texts, and writing them back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cwchar>
#include <optional>
#include <ostream>
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

// What a typed text reads as, in a real field and in a whole-number field,
// under a locale that writes decimals with a point (English, Thai) and one
// that writes them with a comma (Spanish). Absent: the text is refused, so
// the form names the field instead of computing with another number.
struct TypedNumber {
  const wchar_t* text;
  std::optional<double> real_point;
  std::optional<double> real_comma;
  std::optional<std::int32_t> whole_point;
  std::optional<std::int32_t> whole_comma;
};

void PrintTo(const TypedNumber& c, std::ostream* os) {
  *os << '"' << std::string(c.text, c.text + std::wcslen(c.text)) << '"';
}

constexpr std::nullopt_t kRefused = std::nullopt;

// clang-format off
const TypedNumber kTypedNumbers[] = {
    // text            real, point  real, comma  whole, point  whole, comma
    {L"0.05",          0.05,        0.05,        kRefused,     kRefused},
    {L"0,05",          kRefused,    0.05,        kRefused,     kRefused},
    {L"10,000",        10000.0,     10.0,        10000,        kRefused},
    {L"10.000",        10.0,        10.0,        kRefused,     kRefused},
    {L"1.000",         1.0,         1.0,         kRefused,     kRefused},
    {L"1,000.5",       1000.5,      kRefused,    kRefused,     kRefused},
    {L"1,000,000",     1000000.0,   kRefused,    1000000,      kRefused},
    {L"12.7",          12.7,        12.7,        kRefused,     kRefused},
    {L"2.9",           2.9,         2.9,         kRefused,     kRefused},
    {L"0.5.5",         kRefused,    kRefused,    kRefused,     kRefused},
    {L"0.5,5",         kRefused,    kRefused,    kRefused,     kRefused},
    {L"1e-3",          kRefused,    kRefused,    kRefused,     kRefused},
    {L"-0",            -0.0,        -0.0,        0,            0},
    {L" 5",            kRefused,    kRefused,    kRefused,     kRefused},
    {L"5 ",            kRefused,    kRefused,    kRefused,     kRefused},
    {L"50%",           kRefused,    kRefused,    kRefused,     kRefused},
    {L"1,5",           kRefused,    1.5,         kRefused,     kRefused},
    {L"1,00",          kRefused,    1.0,         kRefused,     kRefused},
    {L"1,0000",        kRefused,    1.0,         kRefused,     kRefused},
    {L",5",            kRefused,    0.5,         kRefused,     kRefused},
    {L".5",            0.5,         0.5,         kRefused,     kRefused},
    {L"5.",            5.0,         5.0,         kRefused,     kRefused},
    {L"+3",            3.0,         3.0,         3,            3},
    {L"-5",            -5.0,        -5.0,        -5,           -5},
    {L"1000",          1000.0,      1000.0,      1000,         1000},
    {L"0.0000001",     1e-7,        1e-7,        kRefused,     kRefused},
    {L"-",             kRefused,    kRefused,    kRefused,     kRefused},
    {L".",             kRefused,    kRefused,    kRefused,     kRefused},
    {L",",             kRefused,    kRefused,    kRefused,     kRefused},
    {L"",              kRefused,    kRefused,    kRefused,     kRefused},
    {L"nan",           kRefused,    kRefused,    kRefused,     kRefused},
    {L"inf",           kRefused,    kRefused,    kRefused,     kRefused},
    {L"0x10",          kRefused,    kRefused,    kRefused,     kRefused},
    {L"2147483647",    2147483647.0, 2147483647.0, 2147483647, 2147483647},
    {L"-2147483648",   -2147483648.0, -2147483648.0, -2147483647 - 1, -2147483647 - 1},
    {L"2147483648",    2147483648.0, 2147483648.0, kRefused,   kRefused},
    {L"0000000000012", 12.0,        12.0,        12,           12},
    {L"99999999999",   99999999999.0, 99999999999.0, kRefused, kRefused},
    // 31 characters are the most an edit's number may have; 40 are refused
    // rather than read as their first 31.
    {L"0.12345678901234567890123456789", 0.12345678901234567890123456789,
                                   0.12345678901234567890123456789, kRefused, kRefused},
    {L"0.123456789012345678901234567891", kRefused, kRefused, kRefused, kRefused},
    {L"1111111111111111111111111111111111111111", kRefused, kRefused, kRefused, kRefused},
};
// clang-format on

class TypedNumberTest : public testing::TestWithParam<TypedNumber> {};

template <typename T, typename Read>
void ExpectRead(const std::optional<T>& expected, Read read) {
  T value{};
  const bool read_ok = read(&value);
  ASSERT_EQ(read_ok, expected.has_value());
  if (expected) {
    EXPECT_EQ(value, *expected);
    EXPECT_EQ(std::signbit(static_cast<double>(value)), std::signbit(static_cast<double>(*expected)));
  }
}

TEST_P(TypedNumberTest, ReadsAsTheUserMeantOrIsRefused) {
  const TypedNumber& c = GetParam();
  SCOPED_TRACE("point locale, real field");
  ExpectRead(c.real_point, [&](double* v) { return ReadRealNumberText(c.text, DecimalStyle::PointOnly, v); });
  SCOPED_TRACE("comma locale, real field");
  ExpectRead(c.real_comma, [&](double* v) { return ReadRealNumberText(c.text, DecimalStyle::CommaToo, v); });
  SCOPED_TRACE("point locale, whole-number field");
  ExpectRead(c.whole_point, [&](std::int32_t* v) { return ReadIntegerText(c.text, DecimalStyle::PointOnly, v); });
  SCOPED_TRACE("comma locale, whole-number field");
  ExpectRead(c.whole_comma, [&](std::int32_t* v) { return ReadIntegerText(c.text, DecimalStyle::CommaToo, v); });
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedNumberTest, testing::ValuesIn(kTypedNumbers));

TEST(TypedNumber, ARefusedTextLeavesTheValueUntouched) {
  double real = -99;
  std::int32_t whole = -99;
  EXPECT_FALSE(ReadRealNumberText(L"0.5.5", DecimalStyle::PointOnly, &real));
  EXPECT_FALSE(ReadIntegerText(L"2.9", DecimalStyle::PointOnly, &whole));
  EXPECT_FALSE(ReadRealNumberText(nullptr, DecimalStyle::PointOnly, &real));
  EXPECT_EQ(real, -99);
  EXPECT_EQ(whole, -99);
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
