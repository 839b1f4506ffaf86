// Confidence interval of a prevalence from a two-stage (cluster) sample,
// read from a file with one line per cluster: identifier, samples, events.
// The prevalence is the ratio estimate of the events over the samples; its
// standard error is taken between clusters, and the design effect against
// a simple random sample of the same size gives the rate of homogeneity.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "checks.h"
#include "delimited_text_reader.h"
#include "file_system.h"
#include "tessara.h"

namespace {
// A line is a cluster when it has at least this many fields.
constexpr std::int32_t kClusterFields = 3;

// The sums over the clusters, accumulated in single precision in file order.
struct ClusterSums {
  float clusters = 0.0f;
  float samples = 0.0f;
  float events = 0.0f;
  float samples_squared = 0.0f;
  float events_squared = 0.0f;
  float samples_times_events = 0.0f;

  void Add(std::int32_t m, std::int32_t a) {
    const float mf = static_cast<float>(m);
    const float af = static_cast<float>(a);
    clusters += 1.0f;
    samples += mf;
    events += af;
    samples_squared += mf * mf;
    events_squared += af * af;
    // The product of the two counts, exact in 64 bits (32 bits could
    // overflow), then added in single precision.
    samples_times_events += static_cast<float>(static_cast<std::int64_t>(m) * a);
  }
};

// The clusters of a file are its lines from the top up to the first line
// with fewer than three fields. A line beyond the format is counted, so
// that the reading names its row instead of ending the data silently.
bool IsClusterLine(const Line& line, const Separators& separators) {
  return line.too_long || FieldCount(line.text, separators) >= kClusterFields;
}

std::int32_t CountClusterLines(ByteSource& source, const Separators& separators) {
  try {
    LineReader lines(source);
    std::int32_t count = 0;
    while (count < std::numeric_limits<std::int32_t>::max() && lines.Next() &&
           IsClusterLine(lines.Current(), separators)) {
      ++count;
    }
    return count;
  } catch (...) {
    return 0;
  }
}

bool IsBlankIdentifier(std::string_view identifier) {
  return identifier.find_last_not_of(' ') == std::string_view::npos;
}

// Reads the clusters. Every line is read before any record is judged, so a
// reading failure on a late line wins over a bad record on an early one;
// the first bad record is kept meanwhile.
class ClusterReader {
 public:
  explicit ClusterReader(const Separators& separators) : separators_(separators) {}

  ReadResult ReadLine(const Line& line, std::int32_t row) {
    if (line.too_long) return {rc::InvalidClusterId, 0, -1, 0};
    std::string_view identifier, samples_field, events_field;
    if (!GetField(line.text, 1, separators_, &identifier)) return {rc::InvalidClusterId, 0, 1, 0};
    if (!GetField(line.text, 2, separators_, &samples_field)) return {rc::InvalidClusterId, 0, 2, 0};
    if (!GetField(line.text, 3, separators_, &events_field)) return {rc::InvalidClusterId, 0, 3, 0};
    // Counts beyond the int32 range cannot be taken as they stand.
    const FieldNumber samples = NumberOfField(samples_field);
    if (!samples.fits) return {rc::InvalidClusterId, 0, 2, 0};
    const FieldNumber events = NumberOfField(events_field);
    if (!events.fits) return {rc::InvalidClusterId, 0, 3, 0};
    Judge(IsBlankIdentifier(identifier), samples.value, events.value, row);
    sums_.Add(samples.value, events.value);
    return kLineAccepted;
  }

  const ReadResult& FirstBadRecord() const { return first_bad_; }
  const ClusterSums& Sums() const { return sums_; }

 private:
  void Judge(bool blank_identifier, std::int32_t samples, std::int32_t events, std::int32_t row) {
    if (first_bad_.code != rc::Success) return;
    if (blank_identifier) {
      first_bad_ = {rc::InvalidClusterId, row, 1, 0};
    } else if (samples < events && samples == 0) {
      first_bad_ = {rc::ZeroSamplesBelowEvents, row, 2, 0};
    } else if (samples < events && samples > 0) {
      first_bad_ = {rc::SamplesBelowEvents, row, 3, 0};
    }
  }

  const Separators& separators_;
  ClusterSums sums_;
  ReadResult first_bad_ = kLineAccepted;
};

// A double as a float, or infinity when it is out of the float range (or
// not a number), so that the finiteness test below catches it.
float Narrow(double value) {
  return std::fabs(value) <= FLT_MAX ? static_cast<float>(value)
                                     : std::numeric_limits<float>::infinity();
}

// floor(total + 0.5) as an int32, when it is one.
bool WholeTotal(float total, std::int32_t* out) {
  const double whole = std::floor(static_cast<double>(total) + 0.5);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
        whole <= std::numeric_limits<std::int32_t>::max())) {
    return false;
  }
  *out = static_cast<std::int32_t>(whole);
  return true;
}

bool AllFinite(const TwoStageInterval& r) {
  return std::isfinite(r.prevalence) && std::isfinite(r.lower) && std::isfinite(r.upper) &&
         std::isfinite(r.standard_error) && std::isfinite(r.design_effect) &&
         std::isfinite(r.homogeneity);
}

// Fills the five estimates after the prevalence. False when the clusters
// give no finite estimate: a single cluster (no variance between clusters),
// every sample positive (no variance of a simple random sample), a mean
// cluster size of one (no homogeneity to speak of), or no samples at all.
bool Estimate(const ClusterSums& s, float z, TwoStageInterval& r) {
  const float p = r.prevalence;
  const double k = s.clusters;
  if (k < 2.0 || !(s.samples > 0.0f)) return false;

  const float two_p_ma = 2.0f * p * s.samples_times_events;
  const float p_squared = p * p;
  const float p_squared_m2 = p_squared * s.samples_squared;
  double spread = static_cast<double>(p_squared_m2) +
                  (static_cast<double>(s.events_squared) - static_cast<double>(two_p_ma));
  // The sum of squared residuals is never negative; a negative value here
  // is rounding in the expanded form, and its root would not be a number.
  if (spread < 0.0) spread = 0.0;
  const float quotient = Narrow(spread / (k * (k - 1.0)));
  const float root = Narrow(std::sqrt(static_cast<double>(quotient)));
  const float se = Narrow(static_cast<double>(root) * k / s.samples);

  const double pw = p;
  const double srs_quotient_wide = pw * (1.0 - pw) / s.samples;
  if (!(srs_quotient_wide > 0.0)) return false;
  const float srs_quotient = Narrow(srs_quotient_wide);
  const float srs = Narrow(std::sqrt(static_cast<double>(srs_quotient)));
  const float se_squared = se * se;
  const float srs_squared = srs * srs;
  if (!(srs_squared > 0.0f)) return false;
  const float design_effect = se_squared / srs_squared;

  const float mean_cluster = s.samples / s.clusters;
  if (mean_cluster == 1.0f) return false;

  r.standard_error = se;
  r.design_effect = design_effect;
  r.homogeneity = Narrow((static_cast<double>(design_effect) - 1.0) / (mean_cluster - 1.0));
  r.lower = Narrow(pw - static_cast<double>(z) * se);
  r.upper = Narrow(pw + static_cast<double>(z) * se);
  return AllFinite(r);
}

ResultCode Calculate(const ClusterSums& s, float z, TwoStageInterval* out) {
  TwoStageInterval r{};
  if (!WholeTotal(s.clusters, &r.clusters) || !WholeTotal(s.samples, &r.samples) ||
      !WholeTotal(s.events, &r.events)) {
    return rc::TooFewClusterRecords;  // totals no int32 can hold: nothing to show
  }
  const float p = s.events / s.samples;
  r.prevalence = std::isfinite(p) ? p : 0.0f;
  if (s.events < 2.0f) {  // fewer than two events in the whole file
    *out = r;
    return rc::TooFewClusterRecords;
  }
  TwoStageInterval estimated = r;
  if (!Estimate(s, z, estimated)) {
    *out = r;  // as for too few events: the counts and p, no estimates
    return rc::TooFewClusterRecords;
  }
  *out = estimated;
  return rc::Success;
}

void ReportRow(const ReadResult& result, std::int32_t* error_row, std::int32_t* error_item) {
  if (error_row != nullptr) *error_row = result.row;
  if (error_item != nullptr) *error_item = result.item;
}

ResultCode TwoStageIntervalFromFile(std::int32_t level, const wchar_t* path,
                                    std::int32_t* error_row, std::int32_t* error_item,
                                    TwoStageInterval* out) {
  if (!IsValidConfidenceLevel(level)) return rc::InvalidConfidenceLevel;
  const Separators separators = LibrarySeparators();
  std::int32_t count = 0;
  if (const std::unique_ptr<ByteSource> file = OpenSharedForReading(path)) {
    count = CountClusterLines(*file, separators);
  }
  if (count == 0) return rc::TooFewClusterRecords;

  // The clusters are summed as they are read: no table of records is kept.
  ClusterReader clusters(separators);
  ReadResult read = {rc::Success, -1, -1, 0};
  if (const std::unique_ptr<ByteSource> file = OpenSharedForReading(path)) {
    read = ReadRecords(*file, count, [&clusters](const Line& line, std::int32_t row) {
      return clusters.ReadLine(line, row);
    });
  }
  if (read.code != rc::Success) {
    ReportRow(read, error_row, error_item);
    return read.code;
  }
  if (clusters.FirstBadRecord().code != rc::Success) {
    ReportRow(clusters.FirstBadRecord(), error_row, error_item);
    return clusters.FirstBadRecord().code;
  }
  if (read.records == 0) return rc::TooFewClusterRecords;  // the file went away meanwhile
  return Calculate(clusters.Sums(), ZForConfidenceLevel(level), out);
}
}  // namespace

TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_TwoStages(std::int32_t level,
                                                                    const wchar_t* path,
                                                                    std::int32_t* error_row,
                                                                    std::int32_t* error_item,
                                                                    TwoStageInterval* out) {
  return CatchAll(
      [&] { return TwoStageIntervalFromFile(level, path, error_row, error_item, out); });
}

TESSARA_EXPORT ResultCode TESSARA_CALL ConfidenceInterval_TwoStages_A(std::int32_t level,
                                                                      const char* path,
                                                                      std::int32_t* error_row,
                                                                      std::int32_t* error_item,
                                                                      TwoStageInterval* out) {
  return CatchAll([&] {
    const std::wstring wide = WidePathFromNarrow(path);
    return ConfidenceInterval_TwoStages(level, wide.c_str(), error_row, error_item, out);
  });
}
