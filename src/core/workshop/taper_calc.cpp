// Taper forms, lathe set-ups and measurements.
#include "core/workshop/taper_calc.h"

#include <cmath>
#include <initializer_list>

#include "core/numeric/number_text.h"

namespace workshop {

namespace {

bool finite(std::initializer_list<double> values) {
  for (double value : values)
    if (!std::isfinite(value))
      return false;
  return true;
}

// t for the typed form, or 0 when the value names no taper.
double taper_per_unit(TaperGiven given, double value) {
  switch (given) {
  case TaperGiven::kPerFoot:
    return value / 12.0;
  case TaperGiven::kPerInch:
    return value;
  case TaperGiven::kRatio:
    return 1.0 / value;
  case TaperGiven::kIncluded:
    return value < 180.0 ? 2.0 * std::tan(value / 2.0 * numeric::kRadPerDeg) : 0.0;
  case TaperGiven::kHalfAngle:
    return value < 90.0 ? 2.0 * std::tan(value * numeric::kRadPerDeg) : 0.0;
  }
  return 0.0;
}

// Whether α is an angle a taper's side can lean from its axis: 0 (a
// cylinder) up to, but not, 90 degrees (a flat face).
bool side_angle(double half_angle_deg) { return half_angle_deg >= 0.0 && half_angle_deg < 90.0; }

// What a reading over two rolls adds to the diameter; see
// diameter_over_rolls.
double rolls_allowance(double roll, double half_angle_deg) {
  return roll * (1.0 + 1.0 / std::cos(half_angle_deg * numeric::kRadPerDeg));
}

} // namespace

std::optional<TaperForms> taper_forms(TaperGiven given, double value) {
  if (!(value > 0.0) || !std::isfinite(value))
    return std::nullopt;
  const double t = taper_per_unit(given, value);
  if (!(t > 0.0) || !std::isfinite(t))
    return std::nullopt;
  const double half = std::atan(t / 2.0) * numeric::kDegPerRad;
  return TaperForms{12.0 * t, t, 1.0 / t, 2.0 * half, half};
}

std::optional<double> taper_from_diameters(double large, double small, double length) {
  if (!finite({large, small, length}) || !(length > 0.0) || small < 0.0 || large < small)
    return std::nullopt;
  return (large - small) / length;
}

double diameter_at(double large, double t, double distance_from_large_end) {
  return large - t * distance_from_large_end;
}

std::optional<double> tailstock_setover(double large, double small, double taper_length,
                                        double work_length) {
  const std::optional<double> t = taper_from_diameters(large, small, taper_length);
  if (!t || !std::isfinite(work_length) || work_length < taper_length)
    return std::nullopt;
  return setover_for_taper(*t, work_length);
}

double setover_for_taper(double t, double work_length) { return t * work_length / 2.0; }

bool setover_too_large(double setover, double work_length) {
  return std::fabs(setover) > work_length / 50.0;
}

double attachment_per_foot(double t) { return 12.0 * t / 2.0; }

std::optional<double> half_angle_over_rolls(double m1, double h1, double m2, double h2) {
  if (!finite({m1, h1, m2, h2}) || !(h2 > h1) || !(m1 > 0.0) || !(m2 > 0.0))
    return std::nullopt;
  return std::atan(std::fabs(m2 - m1) / 2.0 / (h2 - h1)) * numeric::kDegPerRad;
}

double reading_over_rolls(double m1, double h1, double t, double h2) { return m1 + t * (h2 - h1); }

// In the plane through the axis the taper's side is a line leaning α from
// the axis, D/2 from it at the height h0 of the rolls' centres. A roll of
// radius r = w/2 centred at h0, x from the axis, touches that line when its
// centre is r from it: (x - D/2) cos α = r, so x = D/2 + r / cos α. The
// reading takes both rolls to their far sides: M = 2x + 2r = D + w / cos α + w.
// A cylinder (α = 0) gives D + 2w, as a micrometer over two wires does.
std::optional<double> diameter_over_rolls(double reading, double roll, double half_angle_deg) {
  if (!finite({reading, roll, half_angle_deg}) || !(roll > 0.0) || !side_angle(half_angle_deg))
    return std::nullopt;
  const double diameter = reading - rolls_allowance(roll, half_angle_deg);
  if (!(diameter > 0.0))
    return std::nullopt;
  return diameter;
}

std::optional<double> reading_for_diameter(double diameter, double roll, double half_angle_deg) {
  if (!finite({diameter, roll, half_angle_deg}) || !(diameter > 0.0) || !(roll > 0.0) ||
      !side_angle(half_angle_deg))
    return std::nullopt;
  return diameter + rolls_allowance(roll, half_angle_deg);
}

// Depths are measured down from the top face. A ball of radius r rests on the
// bore's wall all round, so in the plane through the axis its circle touches
// both sides of the cone: its centre is on the axis, r / sin α above the
// apex, and the bore's radius level with the centre is (r / sin α) tan α =
// r / cos α. The centre is r below the ball's top: c = depth + r. The small
// ball's centre is deeper by c1 - c2 = (r2 - r1) / sin α, so
// sin α = (r2 - r1) / (c1 - c2). From the large ball's centre up to the face
// the radius grows by c2 tan α: at the face D = 2 r2 / cos α + 2 c2 tan α.
std::optional<BoreTaper> bore_taper(double d1, double depth1, double d2, double depth2) {
  if (!finite({d1, depth1, d2, depth2}) || !(d1 > 0.0) || !(d2 > d1))
    return std::nullopt;
  const double r1 = d1 / 2.0;
  const double r2 = d2 / 2.0;
  const double centres_apart = (depth1 + r1) - (depth2 + r2);
  // No cone puts the balls' centres closer than their radii differ.
  if (!(centres_apart > r2 - r1))
    return std::nullopt;
  const double alpha = std::asin((r2 - r1) / centres_apart);
  const double at_top = 2.0 * r2 / std::cos(alpha) + 2.0 * (depth2 + r2) * std::tan(alpha);
  if (!(at_top > 0.0))
    return std::nullopt;
  return BoreTaper{alpha * numeric::kDegPerRad, at_top};
}

} // namespace workshop
