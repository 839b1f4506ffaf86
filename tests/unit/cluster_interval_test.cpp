// Confidence interval of a prevalence from a cluster data file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "dynamic_library.h"
#include "file_test_support.h"
#include "tessara.h"

namespace {
using file_test::ListText;
using file_test::TempFolder;
using file_test::WriteBytes;

const std::string kFourClusters = ListText("A|10|2\nB|10|4\nG|20|3\nD|15|6\n");

struct Outcome {
  ResultCode code = 1;
  std::int32_t row = -7;
  std::int32_t item = -7;
  TwoStageInterval out{};
};

TwoStageInterval Untouched() {
  TwoStageInterval out;
  std::memset(&out, 0x5A, sizeof out);
  return out;
}

bool SameBits(const TwoStageInterval& a, const TwoStageInterval& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

Outcome Interval(const std::wstring& path, std::int32_t level = 95) {
  Outcome outcome;
  outcome.out = Untouched();
  outcome.code = TESSARA_BIND(ConfidenceInterval_TwoStages)(level, path.c_str(), &outcome.row,
                                                            &outcome.item, &outcome.out);
  return outcome;
}

Outcome RunText(const std::string& text, std::int32_t level = 95) {
  TempFolder folder;
  const std::wstring path = folder.File("clusters.csv");
  WriteBytes(path, text);
  return Interval(path, level);
}

TEST(TwoStageInterval, WorkedExampleOfFourClusters) {
  // k = 4, sum m = 55, sum a = 15; p = 15 / 55.
  const Outcome o = RunText(kFourClusters);
  ASSERT_EQ(o.code, rc::Success);
  EXPECT_EQ(o.out.prevalence, 15.0f / 55.0f);
  EXPECT_NEAR(o.out.prevalence, 0.272727, 5e-7);
  EXPECT_NEAR(o.out.standard_error, 0.072174, 5e-7);
  EXPECT_NEAR(o.out.lower, 0.131266, 5e-7);
  EXPECT_NEAR(o.out.upper, 0.414189, 5e-7);
  EXPECT_NEAR(o.out.design_effect, 1.44444, 5e-6);
  EXPECT_NEAR(o.out.homogeneity, 0.034858, 5e-7);
  EXPECT_EQ(o.out.clusters, 4);
  EXPECT_EQ(o.out.samples, 55);
  EXPECT_EQ(o.out.events, 15);
  EXPECT_EQ(o.row, -7);
  EXPECT_EQ(o.item, -7);
}

TEST(TwoStageInterval, TheSameClustersInOtherSpellingsGiveTheSameBits) {
  const Outcome reference = RunText(kFourClusters);
  ASSERT_EQ(reference.code, rc::Success);
  const std::string spellings[] = {
      ListText("A|10|2\r\nB|10|4\r\nG|20|3\r\nD|15|6\r\n"),  // CR LF
      ListText("A|10|2\nB|10|4\nG|20|3\nD|15|6"),            // no final line end
      kFourClusters + "\n" + ListText("X|1000|999\nY|5|5\n"),  // ignored after an empty line
      kFourClusters + ListText("end of data|5\nX|1000|999\n"),  // ... or after a short line
      ListText("A|10|2|note\nB|10|4|||\nG|20|3|x|y\nD|15|6\n"),  // later fields ignored
      ListText("|A||10|2\nB|10||4|\nG|+20|3 cows\nD|  15|6.7\n"),  // the field rules
      ListText("  A|10|2\nB|10|4\nG|20|3\nD|15|6\n"),  // leading blanks are accepted
  };
  for (const std::string& text : spellings) {
    const Outcome o = RunText(text);
    EXPECT_EQ(o.code, rc::Success) << text;
    EXPECT_TRUE(SameBits(o.out, reference.out)) << text;
  }
}

TEST(TwoStageInterval, ConfidenceLevelChoosesZ) {
  const Outcome at95 = RunText(kFourClusters, 95);
  for (std::int32_t level : {91, 98}) {
    EXPECT_TRUE(SameBits(RunText(kFourClusters, level).out, at95.out)) << level;
  }
  // The limits are p -/+ z SE with z = 1.645 and 2.576.
  const struct {
    std::int32_t level;
    double z;
  } levels[] = {{90, 1.645}, {99, 2.576}};
  for (const auto& l : levels) {
    const Outcome o = RunText(kFourClusters, l.level);
    EXPECT_EQ(o.code, rc::Success);
    EXPECT_NEAR(o.out.lower, 0.272727 - l.z * 0.072174, 3e-6) << l.level;
    EXPECT_NEAR(o.out.upper, 0.272727 + l.z * 0.072174, 3e-6) << l.level;
    EXPECT_EQ(o.out.standard_error, at95.out.standard_error);
  }
}

TEST(TwoStageInterval, BadRowsAreNamedWithRowAndItem) {
  const struct {
    const char* what;
    std::string text;
    ResultCode code;
    std::int32_t row, item;
  } cases[] = {
      {"samples below events", kFourClusters + ListText("E|5|7\n"), rc::SamplesBelowEvents, 5, 3},
      {"no samples but events", ListText("A|10|2\nE|0|2\n"), rc::ZeroSamplesBelowEvents, 2, 2},
      {"blank identifier", ListText("A|10|2\n |5|3\n"), rc::InvalidClusterId, 2, 1},
      {"blanks only identifier", ListText("A|10|2\n    |5|3\n"), rc::InvalidClusterId, 2, 1},
      {"no field 3", ListText("A|10|2\nF||5\n"), rc::InvalidClusterId, 2, 3},
      {"no field at all", ListText("A|10|2\n|||\n"), rc::InvalidClusterId, 2, 1},
      {"first bad record wins", ListText("E|5|7\nF|0|2\n"), rc::SamplesBelowEvents, 1, 3},
      // Every line is read before any record is judged.
      {"reading failure wins", ListText("E|5|7\nF||5\n"), rc::InvalidClusterId, 2, 3},
      {"samples beyond int32", ListText("A|10|2\nB|2147483648|3\n"), rc::InvalidClusterId, 2, 2},
      {"events beyond int32", ListText("A|10|2\nB|10|-2147483649\n"), rc::InvalidClusterId, 2, 3},
      {"a line beyond 255 characters", ListText("A|10|2\nB|10|" + std::string(300, '4') + "\n"),
       rc::InvalidClusterId, 2, -1},
  };
  for (const auto& c : cases) {
    const Outcome o = RunText(c.text);
    EXPECT_EQ(o.code, c.code) << c.what;
    EXPECT_EQ(o.row, c.row) << c.what;
    EXPECT_EQ(o.item, c.item) << c.what;
    EXPECT_TRUE(SameBits(o.out, Untouched())) << c.what;
  }
  // A number field that is not a number reads 0: E|5|x has no events.
  EXPECT_EQ(RunText(kFourClusters + ListText("E|5|x\n")).out.events, 15);
}

TEST(TwoStageInterval, FilesWithoutTwoUsableRecordsAreRefused) {
  TempFolder folder;
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"empty file", ""},
      {"first line empty", "\n" + kFourClusters},
      {"first line not a record", ListText("identifier|samples\n") + kFourClusters},
      {"the other separator", "A" + std::string(1, file_test::OtherSeparator()) + "10" +
                                  std::string(1, file_test::OtherSeparator()) + "2\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = RunText(c.text);
    EXPECT_EQ(o.code, rc::TooFewClusterRecords) << c.what;
    EXPECT_EQ(o.row, -7) << c.what;
    EXPECT_TRUE(SameBits(o.out, Untouched())) << c.what;
  }
  EXPECT_EQ(Interval(folder.File("missing.csv")).code, rc::TooFewClusterRecords);
}

TEST(TwoStageInterval, FewerThanTwoEventsGiveTheCountsAndPOnly) {
  const Outcome o = RunText(ListText("A|10|1\nB|10|0\n"));
  EXPECT_EQ(o.code, rc::TooFewClusterRecords);
  EXPECT_EQ(o.out.prevalence, 0.05f);
  EXPECT_EQ(o.out.lower, 0.0f);
  EXPECT_EQ(o.out.upper, 0.0f);
  EXPECT_EQ(o.out.standard_error, 0.0f);
  EXPECT_EQ(o.out.design_effect, 0.0f);
  EXPECT_EQ(o.out.homogeneity, 0.0f);
  EXPECT_EQ(o.out.clusters, 2);
  EXPECT_EQ(o.out.samples, 20);
  EXPECT_EQ(o.out.events, 1);
}

TEST(TwoStageInterval, ClustersWithoutFiniteEstimatesAreRefusedLikeTooFewEvents) {
  const struct {
    const char* what;
    std::string text;
    float prevalence;
    std::int32_t clusters, samples, events;
  } cases[] = {
      // No variance between clusters can be estimated from one cluster.
      {"a single cluster with events", ListText("A|10|4\n"), 0.4f, 1, 10, 4},
      // p = 1: the simple random variance is zero.
      {"every sample positive", ListText("A|5|5\nB|3|3\n"), 1.0f, 2, 8, 8},
      // Mean cluster size 1: the rate of homogeneity divides by zero.
      {"one sample per cluster", ListText("A|1|1\nB|1|0\nC|1|1\n"), 2.0f / 3.0f, 3, 3, 2},
      // Negative counts are read as they stand; these sum to no samples.
      {"samples summing to zero", ListText("A|5|2\nB|-5|0\n"), 0.0f, 2, 0, 2},
  };
  for (const auto& c : cases) {
    const Outcome o = RunText(c.text);
    EXPECT_EQ(o.code, rc::TooFewClusterRecords) << c.what;
    EXPECT_EQ(o.out.prevalence, c.prevalence) << c.what;
    for (float estimate : {o.out.lower, o.out.upper, o.out.standard_error, o.out.design_effect,
                           o.out.homogeneity}) {
      EXPECT_EQ(estimate, 0.0f) << c.what;
    }
    EXPECT_EQ(o.out.clusters, c.clusters) << c.what;
    EXPECT_EQ(o.out.samples, c.samples) << c.what;
    EXPECT_EQ(o.out.events, c.events) << c.what;
  }
}

TEST(TwoStageInterval, EqualClusterPrevalencesGiveAZeroStandardErrorNotNaN) {
  // Every cluster at 20%: the spread between clusters is zero, which the
  // expanded sum in single precision can make slightly negative.
  const Outcome o = RunText(ListText("A|10|2\nB|10|2\nC|5|1\nD|15|3\n"));
  ASSERT_EQ(o.code, rc::Success);
  EXPECT_TRUE(std::isfinite(o.out.standard_error));
  EXPECT_NEAR(o.out.standard_error, 0.0, 1e-3);
  EXPECT_TRUE(std::isfinite(o.out.homogeneity));
  EXPECT_NEAR(o.out.lower, 0.2, 1e-3);
}

TEST(TwoStageInterval, LevelIsCheckedFirstAndNothingIsWritten) {
  for (std::int32_t level : {89, 100, INT32_MIN, INT32_MAX}) {
    const Outcome o = RunText(kFourClusters, level);
    EXPECT_EQ(o.code, rc::InvalidConfidenceLevel) << level;
    EXPECT_EQ(o.row, -7);
    EXPECT_TRUE(SameBits(o.out, Untouched()));
  }
}

TEST(TwoStageInterval, NarrowPathGivesTheSameResult) {
  TempFolder folder("Tessara \xC3\xB1" "and\xC3\xBA");
  const std::wstring path = folder.File("conglomerados \xC3\xA9.csv");
  WriteBytes(path, kFourClusters);
  const auto narrow = file_test::NarrowPath(path);
  if (!narrow) GTEST_SKIP() << "the ANSI code page cannot spell the path";
  Outcome o;
  o.code = TESSARA_BIND(ConfidenceInterval_TwoStages_A)(95, narrow->c_str(), &o.row, &o.item,
                                                        &o.out);
  EXPECT_EQ(o.code, rc::Success);
  EXPECT_TRUE(SameBits(o.out, Interval(path).out));
}
}  // namespace
