// The standard tapers' table and the search for a measured taper.
#include "core/workshop/standard_tapers.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "core/numeric/number_text.h"
#include "core/workshop/taper_calc.h"

namespace workshop {

namespace {

struct Ends {
  double large;
  double small;
  double per_foot;
};

// Large end at the gauge line, small end, taper per foot (inches).
constexpr Ends kMorse[] = {{0.3561, 0.252, 0.62460}, {0.475, 0.369, 0.59858},
                           {0.700, 0.572, 0.59941},  {0.938, 0.778, 0.60235},
                           {1.231, 1.020, 0.62326},  {1.748, 1.475, 0.63151},
                           {2.494, 2.116, 0.62565},  {3.270, 2.750, 0.62400}};

constexpr Ends kBrownSharpe[] = {
    {0.2392, 0.2000, 0.5020}, {0.2997, 0.2500, 0.5020}, {0.3753, 0.3125, 0.5020},
    {0.4207, 0.3500, 0.5024}, {0.5388, 0.4500, 0.5016}, {0.5996, 0.5000, 0.5033},
    {0.7201, 0.6000, 0.5015}, {0.8987, 0.7500, 0.5010}, {1.0775, 0.9001, 0.5009},
    {1.2597, 1.0447, 0.5161}, {1.4978, 1.2500, 0.5010}, {1.7968, 1.5001, 0.4997}};

// Metric tapers are 1:20 on diameter, 7:24 tapers 7 on 24.
constexpr double kMetricPerFoot = 12.0 / 20.0;
constexpr double kSteepPerFoot = 12.0 * 7.0 / 24.0;
constexpr int kMetricSizesMm[] = {4, 6, 80, 100, 120, 160, 200};
constexpr int kSteepSizes[] = {30, 40, 45, 50};
constexpr double kSteepGaugeInch[] = {1.25, 1.75, 2.25, 2.75};

// A family whose rows give both ends: the length is the ends' difference
// over the taper per inch.
void add_with_ends(std::vector<StandardTaper>& table, TaperFamily family, const char* prefix,
                   int first_number, const Ends* rows, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const Ends& e = rows[i];
    table.push_back({family, prefix + std::to_string(first_number + static_cast<int>(i)), e.large,
                     e.small, e.per_foot, (e.large - e.small) / (e.per_foot / 12.0)});
  }
}

std::vector<StandardTaper> make_table() {
  std::vector<StandardTaper> table;
  add_with_ends(table, TaperFamily::kMorse, "Morse ", 0, kMorse, std::size(kMorse));
  // Jarno n: n/8 in at the large end, n/10 at the small, n/2 long.
  for (int n = 2; n <= 20; ++n)
    table.push_back(
        {TaperFamily::kJarno, "Jarno " + std::to_string(n), n / 8.0, n / 10.0, 0.6, n / 2.0});
  // Only the large end of the metric tapers is kept: their small ends and
  // lengths are not known here exactly, so they stay 0 rather than guessed.
  for (int mm : kMetricSizesMm)
    table.push_back({TaperFamily::kMetric, "Metric " + std::to_string(mm), mm / numeric::kMmPerInch,
                     0.0, kMetricPerFoot, 0.0});
  // 7:24: the gauge diameter only, for the same reason.
  for (std::size_t i = 0; i < std::size(kSteepSizes); ++i)
    table.push_back({TaperFamily::kSteep, "7:24 " + std::to_string(kSteepSizes[i]),
                     kSteepGaugeInch[i], 0.0, kSteepPerFoot, 0.0});
  add_with_ends(table, TaperFamily::kBrownSharpe, "B&S ", 1, kBrownSharpe, std::size(kBrownSharpe));
  return table;
}

} // namespace

const std::vector<StandardTaper>& standard_tapers() {
  static const std::vector<StandardTaper> table = make_table();
  return table;
}

std::vector<std::size_t> matching_tapers(double large, double small, double length,
                                         double tolerance_per_foot) {
  const std::optional<double> t = taper_from_diameters(large, small, length);
  if (!t || !(tolerance_per_foot >= 0.0) || !std::isfinite(tolerance_per_foot))
    return {};
  const double per_foot = 12.0 * *t;
  const std::vector<StandardTaper>& table = standard_tapers();
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const StandardTaper& s = table[i];
    const bool on_the_taper = large <= s.large_inch + kEndAllowanceInch &&
                              (s.small_inch == 0.0 || small >= s.small_inch - kEndAllowanceInch);
    if (on_the_taper && std::fabs(s.per_foot_inch - per_foot) <= tolerance_per_foot)
      found.push_back(i);
  }
  std::stable_sort(found.begin(), found.end(), [&](std::size_t a, std::size_t b) {
    return std::fabs(table[a].per_foot_inch - per_foot) <
           std::fabs(table[b].per_foot_inch - per_foot);
  });
  return found;
}

} // namespace workshop
