// Times the detection exports over a grid that reaches the worst cases the
// checks admit: populations and herds up to 2^31 - 1, specificities near
// one half (the widest false-positive distribution), beta near 0 (the
// longest walk), herd sizes up to 2^31. Each call is timed three times and
// its median kept; the worst per export is printed with its call. Exits
// with 1 when any call takes longer than 50 ms of processor time.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "dynamic_library.h"
#include "tessara.h"

namespace {
constexpr double kLimitMilliseconds = 50.0;
// The smallest probability the checks admit is 1e-6 as a double; the float
// 1e-6f lies just below it and would be refused.
constexpr float kSmallest = 1.0001e-6f;
constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();

// The time of one call, in milliseconds: elapsed, and of this process on
// the processor (the machine is shared, so the elapsed time also counts the
// other programs' turns). The median of three runs of each.
struct CallTime {
  double elapsed;
  double processor;
};

CallTime MedianTime(const std::function<void()>& call) {
  double elapsed[3], processor[3];
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t start_clock = std::clock();
    call();
    processor[run] = 1000.0 * static_cast<double>(std::clock() - start_clock) / CLOCKS_PER_SEC;
    elapsed[run] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  std::sort(elapsed, elapsed + 3);
  std::sort(processor, processor + 3);
  return {elapsed[1], processor[1]};
}

class ExportTimes {
 public:
  explicit ExportTimes(std::string name) : name_(std::move(name)) {}

  void Time(const std::string& arguments, const std::function<void()>& call) {
    const CallTime time = MedianTime(call);
    ++calls_;
    total_ += time.processor;
    if (time.processor > kLimitMilliseconds) ++over_limit_;
    if (time.processor > worst_.processor) {
      worst_ = time;
      worst_arguments_ = arguments;
    }
    worst_elapsed_ = std::max(worst_elapsed_, time.elapsed);
  }

  // The limit applies to the processor time of a call; the worst elapsed
  // time is shown beside it.
  bool Report() const {
    std::printf(
        "%s: %d calls, mean %.3f ms, worst %.3f ms (elapsed %.3f ms) for (%s); worst elapsed of "
        "any call %.3f ms; %d over %.0f ms\n",
        name_.c_str(), calls_, total_ / calls_, worst_.processor, worst_.elapsed,
        worst_arguments_.c_str(), worst_elapsed_, over_limit_, kLimitMilliseconds);
    return over_limit_ == 0;
  }

 private:
  std::string name_;
  int calls_ = 0;
  int over_limit_ = 0;
  double total_ = 0.0;
  CallTime worst_{0.0, 0.0};
  double worst_elapsed_ = 0.0;
  std::string worst_arguments_;
};

std::string Text(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

const float kSpecificities[] = {kSmallest, 0.3f, 0.5f, 0.5000001f, 0.7f, 0.9f, 0.99f, 0.999999f, 1.0f};
const float kBetas[] = {kSmallest, 0.001f, 0.05f, 0.5f, 1.0f};

ExportTimes SimpleRandom() {
  ExportTimes times("DetectingEvent_SampleSize_SimpleRandom");
  const auto run = TESSARA_BIND(DetectingEvent_SampleSize_SimpleRandom);
  for (std::int32_t population : {1, 1000, 1000000, 16777217, kLargest})
    for (float p : {kSmallest, 1e-4f, 0.01f, 0.2f, 0.5f, 1.0f})
      for (float se : {kSmallest, 0.5f, 1.0f})
        for (float sp : kSpecificities)
          for (float beta : kBetas)
            for (std::int32_t level : {90, 99}) {
              const std::string arguments = Text(p) + ", " + std::to_string(population) + ", " +
                                            std::to_string(level) + ", Se " + Text(se) + ", Sp " +
                                            Text(sp) + ", beta " + Text(beta);
              times.Time(arguments, [&] {
                DetectionSampleSize out{};
                run(p, population, level, se, sp, 0, 0, &out, beta, 0);
              });
            }
  return times;
}

ExportTimes TwoStages() {
  ExportTimes times("DetectingEvent_SampleSize_TwoStages");
  const auto run = TESSARA_BIND(DetectingEvent_SampleSize_TwoStages);
  for (std::int32_t herds : {1, 500, 1000000, kLargest})
    for (float p_herd : {kSmallest, 0.01f, 0.5f})
      for (float p_animal : {kSmallest, 0.05f, 1.0f})
        for (float herd_size : {1.0f, 100.0f, 1e4f, 1e6f, 2147483520.0f})
          for (std::int32_t herd_confidence : {0, 50, 95, 100})
            for (float sp : {kSmallest, 0.5f, 0.9f, 0.999999f})
              for (float beta : {kSmallest, 0.05f})
                for (std::int32_t level : {90, 99}) {
                  const std::string arguments =
                      std::to_string(level) + ", " + Text(p_herd) + ", " + std::to_string(herds) +
                      ", " + Text(p_animal) + ", " + Text(herd_size) + ", " +
                      std::to_string(herd_confidence) + ", Se 1, Sp " + Text(sp) + ", beta " +
                      Text(beta);
                  times.Time(arguments, [&] {
                    TwoStageDetection out{};
                    run(level, p_herd, herds, p_animal, herd_size, herd_confidence, 1.0f, sp, 0, 0,
                        &out, beta, 0);
                  });
                }
  return times;
}

ExportTimes MaximumPrevalenceTimes() {
  ExportTimes times("DetectingEvent_MaximumPrevalence");
  const auto run = TESSARA_BIND(DetectingEvent_MaximumPrevalence);
  for (std::int32_t n : {1, 30, 1000000, kLargest})
    for (std::int32_t population : {1000000, kLargest})
      for (float se : {kSmallest, 0.5f, 1.0f})
        for (float p : {kSmallest, 0.05f, 1.0f})
          for (std::int32_t level : {90, 99}) {
            const std::string arguments = std::to_string(n) + ", " + std::to_string(population) +
                                          ", Se " + Text(se) + ", " + std::to_string(level) +
                                          ", " + Text(p);
            times.Time(arguments, [&] {
              MaximumPrevalence out{};
              run(n, population, se, level, p, &out);
            });
          }
  return times;
}
}  // namespace

int main() {
  bool within_limit = true;
  within_limit &= SimpleRandom().Report();
  within_limit &= TwoStages().Report();
  within_limit &= MaximumPrevalenceTimes().Report();
  return within_limit ? 0 : 1;
}
