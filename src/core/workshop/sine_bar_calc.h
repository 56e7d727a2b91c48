// A sine bar (or plate) of length L between its rolls, tilted by a stack of
// gauge blocks of height H under one roll, stands at the angle whose sine is
// H / L. Pure: no toolkit; lengths in any one unit.
#pragma once

#include <optional>

namespace workshop {

/// Above this angle a sine bar loses accuracy: the sine changes slowly, so a
/// small error in the height makes a large one in the angle.
inline constexpr double kSineBarSteepDegrees = 60.0;

/// The stack height for `degrees` on a bar of `length`: L sin θ. Nothing for
/// a bar of no length or an angle outside 0 to 90 degrees.
std::optional<double> sine_bar_height(double length, double degrees);

/// The angle in degrees that a stack of `height` gives: asin(H / L). Nothing
/// for a bar of no length, a negative height or one above the bar's length.
std::optional<double> sine_bar_angle(double length, double height);

} // namespace workshop
