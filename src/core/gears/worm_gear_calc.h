// Worm gear: the sizes for making a worm, the hob that cuts its wheel and
// the wheel itself, from the tooth size, the wheel's tooth count, the worm's
// outside diameter, the starts, the backlash and the pressure angle. Every
// length goes in and comes out in inches; the page only chooses how to show
// them.
#pragma once

#include "core/gears/gears_texts.h"
#include "core/gears/tooth_system.h"
#include <array>
#include <optional>
#include <string>

namespace gears {

/// One of the seven pressure angles the page offers.
struct WormPressureAngle {
  double degrees;
  double tan;
  double cot;
  i18n::TextId label; ///< the text of its radio button
  int smallest_teeth; ///< fewest wheel teeth it allows; 0: no limit
};

/// 14.5°, 17.5°, 20°, 22.5°, 25°, 27.5° and 30°, in the order of the radios.
extern const std::array<WormPressureAngle, 7> kWormPressureAngles;

/// The wheel's tooth sizes, which depend only on the tooth size and count.
struct WormWheelSizes {
  double axial_pitch = 0.0;    ///< p
  double diametral = 0.0;      ///< P = π / p
  double addendum = 0.0;       ///< a = 0.3183 p
  double whole_depth = 0.0;    ///< h = 2.157 / P
  double dedendum = 0.0;       ///< b = h - a
  double clearance = 0.0;      ///< c = h - 2a
  double pitch_diameter = 0.0; ///< Dt = N / P
};

/// Axial pitch in inches; none when the value is not above 0 or not finite.
std::optional<double> worm_axial_pitch(ToothSystem system, double value);

/// The wheel's sizes; none without a tooth size or a tooth count.
std::optional<WormWheelSizes> worm_wheel_sizes(ToothSystem system, double value, int teeth);

struct WormGearInput {
  ToothSystem system = ToothSystem::kDiametralPitch;
  double pitch_value = 0.0;   ///< in the system's own unit
  double worm_diameter = 0.0; ///< worm outside diameter Dw, inches
  double backlash = 0.0;      ///< B, inches
  int teeth = 0;              ///< wheel teeth N
  int starts = 1;             ///< threads on the worm
  int pressure_angle = 0;     ///< index into kWormPressureAngles
  bool square_rim = false;    ///< second crown type: the blank is turned larger
  bool hob_crown_cut = false; ///< the hob also tops the wheel: one more clearance
  bool left_hand = false;
};

/// The two tool settings six degrees either side of an outside lead angle.
/// The first row takes the plus side for a right-hand thread; a left-hand
/// thread is cut the other way round, so the rows change places.
struct SideSettings {
  double first = 0.0;
  double second = 0.0;
};

struct WormGearResult {
  WormWheelSizes wheel;
  double lead = 0.0;                ///< L = starts x p
  double worm_pitch_diameter = 0.0; ///< Dp = Dw - 2a
  double hob_outside_diameter = 0.0;
  double hob_pitch_diameter = 0.0;

  // Hob column
  double hob_tip_width = 0.0;     ///< p/2 - 2a tan φ
  double hob_v_to_flat = 0.0;     ///< (p/4) cot φ - a
  double hob_lead_angle = 0.0;    ///< at the hob pitch diameter, degrees
  SideSettings hob_settings;      ///< hob outside lead angle ± 6°
  double hob_thread_length = 0.0; ///< 0.09 N p + p

  // Wheel
  double throat_diameter = 0.0; ///< Dt + 2a, + 0.4775 p for the square rim
  double face_width = 0.0;      ///< 0.6666666 Dp
  double centre_distance = 0.0; ///< (Dt + Dp) / 2

  // Worm column
  double worm_tip_width = 0.0;     ///< (B + p/2) - 2b tan φ
  double worm_v_to_flat = 0.0;     ///< ((B + p/2)/2) cot φ - b
  double worm_lead_angle = 0.0;    ///< at the worm pitch diameter, degrees
  SideSettings worm_settings;      ///< worm outside lead angle ± 6°
  double worm_thread_length = 0.0; ///< 0.09 N p
};

/// Why the values give no worm gear.
enum class NoWormGear {
  kNothingToSay, ///< a value missing or not above 0
  kWormTooSmall, ///< no metal left under the threads: outside diameter up to twice the whole depth
};

/// Everything the page shows; none when the tooth size, the diameter, the
/// tooth count or the backlash is missing or not above 0, or when the worm
/// is too small to leave any metal under its threads (root diameter 0 or
/// less); `why` (when given) then gets the reason.
std::optional<WormGearResult> calculate_worm_gear(const WormGearInput& in,
                                                  NoWormGear* why = nullptr);

/// Lead angle in degrees of a thread of lead `lead` on diameter `diameter`:
/// 90 - atan(π D / L).
double worm_lead_angle(double diameter, double lead);

/// For a wheel with too few teeth for its pressure angle: the index of the
/// angle to recommend instead. None when the count is enough (or not given).
std::optional<int> recommended_pressure_angle(int pressure_angle, int teeth);

/// The worm outside diameter that gives centre distance `centre_distance`:
/// 2 Cd - Dt + 2a.
double worm_diameter_for_centre_distance(const WormWheelSizes& wheel, double centre_distance);

/// Whether that worm keeps a root diameter (2 Cd - Dt - 2b) of at least the
/// whole depth.
bool centre_distance_fits(const WormWheelSizes& wheel, double centre_distance);

/// A length as the page shows it: "%.3f" of inches, or "%.2f" of
/// millimetres, then the display rule. Empty when not finite.
std::string worm_length_text(double inches, bool millimetre);

/// An angle in degrees: "%.3f" then the display rule. Empty when not finite.
std::string worm_angle_text(double degrees);

} // namespace gears
