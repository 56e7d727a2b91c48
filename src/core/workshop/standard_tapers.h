// The standard tapers of machine spindles and tool shanks, in inches: the
// diameter at the large end (the gauge line), at the small end and the taper
// per foot, and which of them a taper measured on the bench can be.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace workshop {

enum class TaperFamily { kMorse, kJarno, kMetric, kSteep, kBrownSharpe };

/// One standard taper. A small end and length of 0 are not known here.
struct StandardTaper {
  TaperFamily family = TaperFamily::kMorse;
  std::string name; ///< as machinists write it: "Morse 2", "Jarno 6", "7:24 40", "B&S 7"
  double large_inch = 0.0;
  double small_inch = 0.0;
  double per_foot_inch = 0.0;
  double length_inch = 0.0; ///< between the two ends
};

/// The table, family by family, each in size order: Morse 0 to 7, Jarno 2 to
/// 20, metric 4 to 200, 7:24 30 to 50, Brown & Sharpe 1 to 12.
const std::vector<StandardTaper>& standard_tapers();

/// How far a measured diameter may lie outside a standard taper's ends and
/// still be on it: room for the measurement and for wear at the mouth.
inline constexpr double kEndAllowanceInch = 0.005;

/// The standard tapers (indices into standard_tapers()) that a taper
/// measured as `large` and `small` diameters `length` apart (inches) can be:
/// the taper per foot is within `tolerance_per_foot` of 12 (large - small) /
/// length, and both diameters lie between the standard's ends, give or take
/// kEndAllowanceInch (a small end not known is no limit). Closest taper per
/// foot first; ties in the table's order. Empty for measurements that are no
/// taper (see taper_from_diameters) or a negative tolerance.
std::vector<std::size_t> matching_tapers(double large, double small, double length,
                                         double tolerance_per_foot);

} // namespace workshop
