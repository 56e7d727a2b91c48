// Indexing an angle with a dividing head: a head of worm ratio R turns the
// spindle 360 / R degrees per crank turn, so an angle takes angle * R / 360
// crank turns. On a circle of h holes that is a whole number of holes when
// angle * R * h / 360 is whole; otherwise the nearest hole gives a slightly
// different angle. Pure: no toolkit.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace workshop {

/// An angle typed as every angle field takes it: decimal degrees ("35.5",
/// "35,5", "90/7") or degrees, minutes and seconds separated by blanks,
/// colons or the signs ° ' " ("35 30", "35°30'15\""). nullopt when the text
/// is no such angle; minutes and seconds must be below 60.
std::optional<double> parse_angle(const std::string& text);

/// What an angle field holds: nothing yet, an angle a head can index (above
/// 0, at most 360 degrees), an angle outside that, or text that is no angle.
enum class AngleEntry { kBlank, kAngle, kOutOfRange, kUnreadable };
AngleEntry read_angle_entry(const std::string& text);

/// One setting for an angle: `turns` whole crank turns and `holes` on the
/// circle of `circle` holes (circle 0: whole turns alone), the angle it gives
/// and how far that is from the angle wanted, in seconds of arc (+ too large).
struct AngleSetting {
  int circle = 0;
  long turns = 0;
  long holes = 0;
  double angle = 0;
  double error_seconds = 0;
};

struct AngleResult {
  /// Every setting that gives the angle exactly; whole turns alone when they do.
  std::vector<AngleSetting> exact;
  /// When none is exact: the closest setting on each circle, closest first.
  std::vector<AngleSetting> closest;
};

/// Settings for `degrees` (0 < degrees <= 360) on a head of ratio R with the
/// circles `plates`; both lists empty when R < 1 or the angle is out of range.
/// At most `most_closest` closest settings are kept.
AngleResult index_angle(int ratio, double degrees, const std::vector<int>& plates,
                        std::size_t most_closest = 6);

/// An angle as degrees, minutes and seconds, the seconds with up to two
/// decimals: 35°0'0", 12°34'56.25".
std::string format_dms(double degrees);

/// One line of the window's list: circle, turns, holes in columns as on the
/// page, then the angle in degrees, minutes and seconds and, for a closest
/// setting, the error in seconds of arc with its sign.
/// The titles over those lines: circle, turns, holes, angle and error (the
/// error only `with_error`), each column at least one space from the last.
/// Widths, in characters, of the circle, turns and holes columns.
using AngleColumns = std::array<std::size_t, 3>;
inline constexpr AngleColumns kAngleColumns = {9, 8, 9};

/// Columns wide enough for every title and value of the list, each with a
/// space before it, so that a long number never runs into its neighbour.
AngleColumns angle_columns(const std::array<std::string, 5>& titles, const AngleResult& result,
                           const std::string& whole_turns);

std::string angle_header_line(const std::array<std::string, 5>& titles, bool with_error,
                              const AngleColumns& columns = kAngleColumns);

std::string angle_setting_line(const AngleSetting& setting, const std::string& whole_turns,
                               bool with_error, const AngleColumns& columns = kAngleColumns);

} // namespace workshop
