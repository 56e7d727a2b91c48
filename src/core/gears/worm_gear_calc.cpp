#include "core/gears/worm_gear_calc.h"

#include <cmath>
#include <cstdio>

#include "core/gears/gears_texts.h"
#include "core/numeric/number_text.h"

namespace gears {

namespace {

using numeric::kPi;
constexpr double kSettingOffset = 6.0; // degrees either side of the outside lead angle

bool positive(double value) { return std::isfinite(value) && value > 0.0; }

std::string trimmed(const char* format, double value) {
  if (!std::isfinite(value))
    return "";
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return numeric::trim_number_text(text);
}

SideSettings side_settings(double outside_lead_angle, bool left_hand) {
  const double plus = outside_lead_angle + kSettingOffset;
  const double minus = outside_lead_angle - kSettingOffset;
  return left_hand ? SideSettings{minus, plus} : SideSettings{plus, minus};
}

} // namespace

const std::array<WormPressureAngle, 7> kWormPressureAngles = {{
    {14.5, 0.2586175843558903, 3.8667130948987385, texts::kAngle14_5, 40},
    {17.5, 0.3152987888789835, 3.1715948023632126, texts::kAngle17_5, 27},
    {20.0, 0.36397023426620234, 2.7474774194546225, texts::kAngle20, 25},
    {22.5, 0.41421356237309503, 2.414213562373095, texts::kAngle22_5, 17},
    {25.0, 0.4663076581549986, 2.1445069205095586, texts::kAngle25, 14},
    {27.5, 0.5205670505517462, 1.920982126971166, texts::kAngle27_5, 12},
    {30.0, 0.5773502691896257, 1.7320508075688774, texts::kAngle30, 0},
}};

std::optional<double> worm_axial_pitch(ToothSystem system, double value) {
  if (!positive(value))
    return std::nullopt;
  double pitch = 0.0;
  switch (system) {
  case ToothSystem::kModule:
    pitch = kPi / (25.4 / value);
    break;
  case ToothSystem::kDiametralPitch:
    pitch = kPi / value;
    break;
  case ToothSystem::kCircularPitchInch:
    pitch = value;
    break;
  case ToothSystem::kCircularPitchMm:
    pitch = value * numeric::kInchPerMm;
    break;
  }
  if (!positive(pitch))
    return std::nullopt;
  return pitch;
}

std::optional<WormWheelSizes> worm_wheel_sizes(ToothSystem system, double value, int teeth) {
  const std::optional<double> pitch = worm_axial_pitch(system, value);
  if (!pitch || teeth <= 0)
    return std::nullopt;
  WormWheelSizes s;
  s.axial_pitch = *pitch;
  s.diametral = kPi / s.axial_pitch;
  s.addendum = 0.3183 * s.axial_pitch;
  s.whole_depth = 2.157 / s.diametral;
  s.dedendum = s.whole_depth - s.addendum;
  s.clearance = s.whole_depth - 2.0 * s.addendum;
  s.pitch_diameter = teeth / s.diametral;
  if (!positive(s.diametral) || !positive(s.whole_depth) || !std::isfinite(s.pitch_diameter))
    return std::nullopt;
  return s;
}

double worm_lead_angle(double diameter, double lead) {
  return 90.0 - std::atan(kPi * diameter / lead) * numeric::kDegPerRad;
}

std::optional<WormGearResult> calculate_worm_gear(const WormGearInput& in, NoWormGear* why) {
  if (why)
    *why = NoWormGear::kNothingToSay;
  if (!positive(in.worm_diameter) || !positive(in.backlash) || in.starts < 1)
    return std::nullopt;
  if (in.pressure_angle < 0 || in.pressure_angle >= static_cast<int>(kWormPressureAngles.size()))
    return std::nullopt;
  const std::optional<WormWheelSizes> wheel = worm_wheel_sizes(in.system, in.pitch_value, in.teeth);
  if (!wheel)
    return std::nullopt;
  // A worm whose threads would meet in the middle can't be made.
  if (in.worm_diameter - 2.0 * wheel->whole_depth <= 0.0) {
    if (why)
      *why = NoWormGear::kWormTooSmall;
    return std::nullopt;
  }

  const WormPressureAngle& angle = kWormPressureAngles[static_cast<size_t>(in.pressure_angle)];
  const double p = wheel->axial_pitch;
  const double a = wheel->addendum;
  const double b = wheel->dedendum;
  const double c = wheel->clearance;

  WormGearResult r;
  r.wheel = *wheel;
  r.lead = in.starts * p;
  r.worm_pitch_diameter = in.worm_diameter - 2.0 * a;
  r.hob_outside_diameter = in.worm_diameter + 2.0 * c + (in.hob_crown_cut ? c : 0.0);
  r.hob_pitch_diameter = r.hob_outside_diameter - 2.0 * a;

  r.throat_diameter = wheel->pitch_diameter + 2.0 * a + (in.square_rim ? 0.4775 * p : 0.0);
  r.worm_thread_length = in.teeth * 0.02 * 4.5 * p;
  r.hob_thread_length = r.worm_thread_length + p;
  r.face_width = 0.6666666 * r.worm_pitch_diameter;
  r.centre_distance = (wheel->pitch_diameter + r.worm_pitch_diameter) / 2.0;

  r.hob_lead_angle = worm_lead_angle(r.hob_pitch_diameter, r.lead);
  r.worm_lead_angle = worm_lead_angle(r.worm_pitch_diameter, r.lead);
  r.hob_settings = side_settings(worm_lead_angle(r.hob_outside_diameter, r.lead), in.left_hand);
  r.worm_settings = side_settings(worm_lead_angle(in.worm_diameter, r.lead), in.left_hand);

  r.hob_tip_width = p / 2.0 - 2.0 * a * angle.tan;
  r.hob_v_to_flat = (p / 4.0) * angle.cot - a;
  const double worm_space = in.backlash + p / 2.0;
  r.worm_tip_width = worm_space - 2.0 * b * angle.tan;
  r.worm_v_to_flat = (worm_space / 2.0) * angle.cot - b;
  return r;
}

std::optional<int> recommended_pressure_angle(int pressure_angle, int teeth) {
  if (pressure_angle < 0 || pressure_angle >= static_cast<int>(kWormPressureAngles.size()) ||
      teeth <= 0)
    return std::nullopt;
  if (teeth >= kWormPressureAngles[static_cast<size_t>(pressure_angle)].smallest_teeth)
    return std::nullopt;
  // The first angle, from the smallest, whose limit the count meets.
  for (int i = 0; i < static_cast<int>(kWormPressureAngles.size()); ++i)
    if (teeth >= kWormPressureAngles[static_cast<size_t>(i)].smallest_teeth)
      return i;
  return std::nullopt;
}

double worm_diameter_for_centre_distance(const WormWheelSizes& wheel, double centre_distance) {
  return 2.0 * centre_distance - wheel.pitch_diameter + 2.0 * wheel.addendum;
}

bool centre_distance_fits(const WormWheelSizes& wheel, double centre_distance) {
  return 2.0 * centre_distance - wheel.pitch_diameter - 2.0 * wheel.dedendum >= wheel.whole_depth;
}

std::string worm_length_text(double inches, bool millimetre) {
  return millimetre ? trimmed("%.2f", inches / numeric::kInchPerMm) : trimmed("%.3f", inches);
}

std::string worm_angle_text(double degrees) { return trimmed("%.3f", degrees); }

} // namespace gears
