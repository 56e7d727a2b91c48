// Circle segment formulas.
#include "core/geometry/circle_segment_calc.h"

#include <cmath>
#include <cstdio>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

using numeric::kPi;
// Twice the degrees per radian, and half the radians per degree.
constexpr double kTwiceDegPerRad = 114.59155902616465;
constexpr double kHalfRadPerDeg = 0.008726646259971648;

// Rows by number, as the page shows them.
enum Row { kR1, kR2, kR3, kR4, kR5, kR6, kR7, kR8, kR9, kR10 };

// " %.*f" of any value, in a string of the length it needs.
std::string print_fixed(int precision, double value) {
  return numeric::printf_text(" %.*f", precision, value);
}

// The angle as the page shows it: six decimals, so that a computed 180
// does not show as 179.99999999.
double six_decimals(double degrees) { return numeric::read_double(print_fixed(6, degrees)); }

// The four quantities of the segment and its angle, whatever the case.
struct Segment {
  double r = 0.0;
  double c = 0.0;
  double d = 0.0;
  double theta = 0.0; // degrees, full precision
};

// The angle from the chord and the distance of the chord from the centre.
double angle_from_chord(double c, double d) { return std::atan(c * 0.5 / d) * kTwiceDegPerRad; }

// t - sin t for an angle t in radians. A thin segment of a large circle has
// a sine that equals its angle to nearly every digit, so the difference is
// taken from its series there.
double angle_less_sine(double t) {
  if (t > 0.1)
    return t - std::sin(t);
  const double t2 = t * t;
  return t * t2 / 6.0 *
         (1.0 - t2 / 20.0 * (1.0 - t2 / 42.0 * (1.0 - t2 / 72.0 * (1.0 - t2 / 110.0))));
}

bool all_finite(const SegmentResult& result) {
  for (double value : result.rows)
    if (!std::isfinite(value))
      return false;
  return std::isfinite(result.angle);
}

} // namespace

bool second_is_angle(SegmentKnown known) {
  return known == SegmentKnown::kRadiusAngle || known == SegmentKnown::kArcAngle ||
         known == SegmentKnown::kChordAngle;
}

bool first_is_radius(SegmentKnown known) {
  switch (known) {
  case SegmentKnown::kRadiusAngle:
  case SegmentKnown::kRadiusChord:
  case SegmentKnown::kRadiusHeight:
  case SegmentKnown::kRadiusDistance:
  case SegmentKnown::kRadiusArc:
    return true;
  default:
    return false;
  }
}

double angle_for_arc_to_chord(double ratio) {
  // The arc-to-chord ratio q grows with the angle; the step grows while q is
  // short of the ratio and shrinks once it overshoots.
  double theta = 4.0;
  double step = 4.0;
  for (int i = 0; i < 75; ++i) {
    double q = theta / (2.0 * std::sin(theta / 2.0));
    if (q > ratio) {
      step /= 2.0;
      theta -= step;
    } else {
      step *= 2.0;
      theta += step;
    }
  }
  return theta;
}

std::optional<double> angle_from_dms_texts(const std::string& degrees, const std::string& minutes,
                                           const std::string& seconds) {
  if (numeric::read_long(degrees) < 1 && numeric::read_long(minutes) < 1 &&
      numeric::read_double(seconds) <= 0.0)
    return std::nullopt;
  return numeric::dms_to_degrees(degrees, minutes, seconds);
}

std::optional<SegmentResult> compute_circle_segment(const SegmentInput& input, NoSegment* why) {
  const double a = input.first;
  const double b = input.second;
  SegmentResult out;
  Segment s;
  double& r = s.r;
  double& c = s.c;
  double& d = s.d;
  double& theta = s.theta;
  auto& rows = out.rows;
  auto refuse = [why](NoSegment reason) {
    if (why)
      *why = reason;
    return std::nullopt;
  };

  // The page's field refuses a typed angle beyond a half circle; the
  // formulas refuse it too.
  if (second_is_angle(input.known) && !(b > 0.0))
    return refuse(NoSegment::kNothingToSay);
  if (second_is_angle(input.known) && b > 180.0)
    return refuse(NoSegment::kPastHalfCircle);

  switch (input.known) {
  case SegmentKnown::kChordArc: {
    if (!(a > 0.0 && b > 0.0))
      return refuse(NoSegment::kNothingToSay);
    if (a >= b)
      return refuse(NoSegment::kArcNotOverChord);
    double half = angle_for_arc_to_chord(b / a) / 2.0;
    r = a / 2.0 / std::sin(half);
    d = std::sqrt(r * r - a * a / 4.0);
    theta = 2.0 * half * numeric::kDegPerRad;
    if (theta > 180.0)
      return refuse(NoSegment::kPastHalfCircle);
    c = a;
    rows[kR1] = r;
    rows[kR2] = d;
    rows[kR5] = r - d;
    break;
  }
  case SegmentKnown::kRadiusAngle: {
    if (a <= 0.0)
      return refuse(NoSegment::kNothingToSay);
    double half = b * numeric::kRadPerDeg * 0.5;
    r = a;
    theta = b;
    d = a * std::cos(half);
    c = 2.0 * a * std::sin(half);
    rows[kR1] = a - d;
    rows[kR2] = d;
    rows[kR3] = c;
    out.third_row_is_angle = false;
    break;
  }
  case SegmentKnown::kRadiusChord:
    if (!(a > 0.0 && b > 0.0))
      return refuse(NoSegment::kNothingToSay);
    if (b > 2.0 * a)
      return refuse(NoSegment::kChordOverDiameter);
    r = a;
    c = b;
    d = std::sqrt(a * a - b * b * 0.25);
    rows[kR1] = a - d;
    rows[kR2] = d;
    break;
  case SegmentKnown::kRadiusHeight:
    // No height is a flat segment: the chord and angle are 0.
    if (!(a > 0.0 && b >= 0.0))
      return refuse(NoSegment::kNothingToSay);
    if (b > a)
      return refuse(NoSegment::kPastHalfCircle);
    r = a;
    d = a - b;
    c = 2.0 * std::sqrt(a * a - d * d);
    rows[kR1] = c;
    rows[kR2] = d;
    break;
  case SegmentKnown::kRadiusDistance:
    if (!(a > 0.0 && b > 0.0))
      return refuse(NoSegment::kNothingToSay);
    if (b > a)
      return refuse(NoSegment::kDistanceOverRadius);
    r = a;
    d = b;
    c = 2.0 * std::sqrt(a * a - b * b);
    rows[kR1] = c;
    rows[kR2] = a - b;
    break;
  case SegmentKnown::kChordHeight:
    if (!(b > 0.0 && a > 0.0))
      return refuse(NoSegment::kNothingToSay);
    if (2.0 * b > a)
      return refuse(NoSegment::kPastHalfCircle);
    c = a;
    d = a * a * 0.25 / (2.0 * b) - 0.5 * b;
    r = b + d;
    rows[kR1] = r;
    rows[kR2] = d;
    out.first_rows_untrimmed = true;
    break;
  case SegmentKnown::kChordDistance:
    if (!(b > 0.0 && a > 0.0))
      return refuse(NoSegment::kNothingToSay);
    c = a;
    d = b;
    r = std::sqrt(a * a * 0.25 + b * b);
    rows[kR1] = r;
    rows[kR2] = r - b;
    break;
  case SegmentKnown::kHeightDistance:
    if (!(a > 0.0 && b > 0.0))
      return refuse(NoSegment::kNothingToSay);
    d = b;
    r = a + b;
    c = 2.0 * std::sqrt(r * r - b * b);
    rows[kR1] = r;
    rows[kR2] = c;
    break;
  case SegmentKnown::kRadiusArc: {
    if (!(a > 0.0))
      return refuse(NoSegment::kNothingToSay);
    double arc_angle = b / (2.0 * kPi * a) * 360.0;
    if (arc_angle > 180.0)
      return refuse(NoSegment::kPastHalfCircle);
    r = a;
    d = a * std::cos(arc_angle * numeric::kRadPerDeg * 0.5);
    c = 2.0 * std::sqrt(a * a - d * d);
    rows[kR1] = a - d;
    rows[kR2] = d;
    rows[kR5] = c;
    break;
  }
  case SegmentKnown::kArcAngle:
    theta = b;
    r = a / b * 360.0 / kPi * 0.5;
    d = r * std::cos(b * kHalfRadPerDeg);
    c = 2.0 * std::sqrt(r * r - d * d);
    rows[kR1] = r - d;
    rows[kR2] = d;
    rows[kR3] = r;
    rows[kR5] = c;
    out.third_row_is_angle = false;
    break;
  case SegmentKnown::kChordAngle: {
    double half = b * numeric::kRadPerDeg * 0.5;
    theta = b;
    c = a;
    r = a / 2.0 / std::sin(half);
    d = r * std::cos(half);
    rows[kR1] = r - d;
    rows[kR2] = d;
    rows[kR3] = r;
    out.third_row_is_angle = false;
    break;
  }
  default:
    return refuse(NoSegment::kNothingToSay);
  }

  const int known = static_cast<int>(input.known);
  if (known >= 2 && known <= 8)
    theta = angle_from_chord(c, d);
  // The arc and the areas take the angle as computed; the angle rows show it
  // to six decimals, which would put a thin segment of a large circle out.
  out.angle = input.known == SegmentKnown::kChordArc || (known >= 2 && known <= 8)
                  ? six_decimals(theta)
                  : theta;
  if (out.third_row_is_angle)
    rows[kR3] = out.angle;

  const double radians = theta * numeric::kRadPerDeg;
  rows[kR10] = kPi * r * r;
  rows[kR8] = d * c * 0.5;
  rows[kR9] = r * r * radians * 0.5;
  rows[kR7] = r * r * 0.5 * angle_less_sine(radians);
  rows[kR6] = kPi * 2.0 * r;
  // Where R5 isn't already the height or the chord, it is the arc.
  if ((known >= 1 && known <= 7) || input.known == SegmentKnown::kChordAngle)
    rows[kR5] = r * radians;
  rows[kR4] = 360.0 - out.angle;

  if (!all_finite(out))
    return refuse(NoSegment::kNothingToSay);
  return out;
}

std::string segment_row_text(const SegmentResult& result, int row, int precision) {
  double value = result.rows[static_cast<size_t>(row)];
  if (result.first_rows_untrimmed && row <= kR2)
    return print_fixed(precision, value);
  return " " + numeric::format_fixed(precision, value);
}

} // namespace geometry
