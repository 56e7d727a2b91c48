// Tapping-drill formulas.
#include "core/threads/tap_drill_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/threads/drill_tables.h"
#include "core/threads/thread_tables.h"
#include "core/numeric/number_text.h"

namespace threads {

namespace {

constexpr double kBlankAllowance = 0.12; // pitches below the major diameter
constexpr double kMinEngagement = 50.0;
constexpr double kMaxEngagement = 100.0;

// Major diameter and threads per inch of the thread, from the typed values
// or the numbered-size tables.
struct Thread {
  double major = 0.0;
  double tpi = 0.0;
};

bool present(double v) { return std::fabs(v) > numeric::kMissing; }

std::optional<Thread> thread_of(const TapDrillInput& in, SizeEntry entry) {
  switch (entry) {
  case SizeEntry::kBaNumber: {
    if (in.size_index < 0 || in.size_index >= kBaSizeCount)
      return std::nullopt;
    const BaSize& size = ba_sizes()[static_cast<size_t>(in.size_index)];
    return Thread{size.major_inch, size.tpi};
  }
  case SizeEntry::kUnifiedNumber: {
    if (in.size_index < 0 || in.size_index >= kUnifiedNumberCount)
      return std::nullopt;
    if (!(in.pitch >= kUnifiedNumberMinTpi))
      return std::nullopt;
    return Thread{unified_number_sizes()[static_cast<size_t>(in.size_index)].major_inch, in.pitch};
  }
  case SizeEntry::kMetric:
    if (!present(in.pitch) || !present(in.diameter))
      return std::nullopt;
    return Thread{in.diameter * numeric::kInchPerMm, (1.0 / in.pitch) / numeric::kInchPerMm};
  case SizeEntry::kInch:
    break;
  }
  if (!present(in.pitch) || !present(in.diameter))
    return std::nullopt;
  return Thread{in.diameter, in.pitch};
}

bool finite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The lines one drill series adds.
void add_series(std::vector<DrillLine>& lines, const std::vector<Drill>& table, double s,
                double major, double depth) {
  // The largest drill smaller than s; none when even the first is not.
  auto above = std::lower_bound(table.begin(), table.end(), s,
                                [](const Drill& d, double v) { return d.diameter < v; });
  if (above == table.begin() || above == table.end())
    return;
  size_t j = static_cast<size_t>(above - table.begin()) - 1;
  for (size_t k = j; k < j + 3 && k < table.size(); ++k) {
    double e = (major - table[k].diameter) / depth * 100.0;
    if (e >= kMinEngagement && e <= kMaxEngagement)
      lines.push_back({table[k].name, e});
  }
}

} // namespace

std::string engagement_text(double engagement) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f%%", engagement);
  return text;
}

std::vector<DrillLine> drills_near(double s, double major, double pitch, double factor,
                                   const DrillSelection& selection) {
  std::vector<DrillLine> lines;
  double depth = factor * pitch;
  if (selection.fractional)
    add_series(lines, drills(DrillSeries::kFractional), s, major, depth);
  if (selection.number)
    add_series(lines, drills(DrillSeries::kNumber), s, major, depth);
  if (selection.letter)
    add_series(lines, drills(DrillSeries::kLetter), s, major, depth);
  if (selection.metric)
    add_series(lines, drills(DrillSeries::kMetric), s, major, depth);
  // Merged series are ordered by the engagement itself; as text, "100.00%"
  // would come below "99.00%".
  if (selection.count() > 1)
    std::stable_sort(lines.begin(), lines.end(), [](const DrillLine& a, const DrillLine& b) {
      return a.engagement > b.engagement;
    });
  return lines;
}

std::optional<TapDrillResult> compute_tap_drill(const TapDrillInput& in, NoTapDrill* why) {
  auto refuse = [why](NoTapDrill reason) {
    if (why)
      *why = reason;
    return std::nullopt;
  };
  if (!(in.percent >= kMinPercent && in.percent <= kMaxPercent))
    return refuse(NoTapDrill::kNothingToSay);
  const ThreadSeries& series = thread_series(in.series);
  std::optional<Thread> thread = thread_of(in, series.entry);
  if (!thread)
    return refuse(series.entry == SizeEntry::kUnifiedNumber && present(in.pitch) &&
                          in.pitch < kUnifiedNumberMinTpi
                      ? NoTapDrill::kNumberedTooCoarse
                      : NoTapDrill::kNothingToSay);

  const double major = thread->major;
  const double pitch = 1.0 / thread->tpi;
  TapDrillResult r;
  r.reference_inch = major - kBlankAllowance * pitch;
  r.reference_mm = r.reference_inch / numeric::kInchPerMm;
  r.major_inch = major;
  r.major_mm = major / numeric::kInchPerMm;
  if (series.entry == SizeEntry::kBaNumber) {
    const BaSize& size = ba_sizes()[static_cast<size_t>(in.size_index)];
    r.mm_decimals = 3;
    r.numbered_tpi = size.tpi;
    r.numbered_pitch_mm = size.pitch_mm;
  }
  const double s = major - series.depth_factor * pitch * (in.percent / 100.0);
  r.tap_drill_inch = s;
  r.tap_drill_mm = s / numeric::kInchPerMm;
  if (!finite(
          {pitch, r.reference_inch, r.reference_mm, r.major_inch, r.major_mm, s, r.tap_drill_mm}))
    return refuse(NoTapDrill::kNothingToSay);
  // A thread that deep leaves no hole, and a blank and major diameter for it
  // would be sizes of a thread that can't be cut.
  if (!(s > 0.0))
    return refuse(NoTapDrill::kPitchTooCoarse);
  r.drills = drills_near(s, major, pitch, series.depth_factor, in.drills);
  return r;
}

} // namespace threads
