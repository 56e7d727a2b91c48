// A circle segment from any two of its quantities: radius, chord, segment
// height, distance from the centre to the chord, central angle, arc length.
// Everything else of the segment, its sector and the whole circle follows.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace geometry {

/// Which two quantities are known: first value, second value.
enum class SegmentKnown : int {
  kChordArc = 0,       ///< chord, arc length
  kRadiusAngle = 1,    ///< radius, central angle
  kRadiusChord = 2,    ///< radius, chord
  kRadiusHeight = 3,   ///< radius, segment height
  kRadiusDistance = 4, ///< radius, distance centre-chord
  kChordHeight = 5,    ///< chord, segment height
  kChordDistance = 6,  ///< chord, distance centre-chord
  kHeightDistance = 7, ///< segment height, distance centre-chord
  kRadiusArc = 8,      ///< radius, arc length
  kArcAngle = 9,       ///< arc length, central angle
  kChordAngle = 10,    ///< chord, central angle
};

/// The second value is a central angle in degrees.
bool second_is_angle(SegmentKnown known);
/// The first value is the radius (the page then also offers the diameter).
bool first_is_radius(SegmentKnown known);

struct SegmentInput {
  SegmentKnown known = SegmentKnown::kRadiusChord;
  double first = 0.0;
  double second = 0.0; ///< degrees when second_is_angle(known)
};

/// The ten result rows R1 ... R10. Which quantity R1, R2, R3 and R5 hold
/// depends on the case; R4 is always 360 - angle, R6 the circumference,
/// R7 the segment area, R8 the triangle centre-chord, R9 the sector area,
/// R10 the circle area.
inline constexpr int kSegmentRows = 10;

struct SegmentResult {
  std::array<double, kSegmentRows> rows{};
  /// Central angle in degrees as R3 and R4 show it.
  double angle = 0.0;
  /// R3 holds the angle (else a length: the chord or the radius).
  bool third_row_is_angle = true;
  /// R1 and R2 are shown with all their decimals (radius and distance of
  /// the chord-and-height case).
  bool first_rows_untrimmed = false;
};

/// Why two values describe no segment.
enum class NoSegment {
  kNothingToSay,       ///< a value missing or not above 0, or a result beyond any number
  kChordOverDiameter,  ///< a chord longer than the diameter
  kDistanceOverRadius, ///< a chord farther from the centre than the radius
  kPastHalfCircle,     ///< more than a half circle: a height above the radius, an arc or angle past
                       ///< 180°
  kArcNotOverChord,    ///< an arc no longer than its chord
};

/// All quantities of the segment, or nothing when the two values don't
/// describe one; `why` (when given) then gets the reason. The arc and the
/// areas come from the angle at full precision; R3, R4 and `angle` show it
/// to six decimals, so that a computed 180 does not show as 179.99999999.
std::optional<SegmentResult> compute_circle_segment(const SegmentInput& input,
                                                    NoSegment* why = nullptr);

/// Row `row` (0 for R1 ... 9 for R10) as shown: a leading space, `precision`
/// decimals, trimmed by the display rule unless the row is shown untrimmed.
std::string segment_row_text(const SegmentResult& result, int row, int precision);

/// Central angle in radians whose arc is `ratio` times its chord, found by
/// 75 steps of a step-doubling and halving search from 4 radians.
double angle_for_arc_to_chord(double ratio);

/// An angle typed as degrees, minutes, seconds; nothing when the degrees
/// and minutes are below 1 and the seconds not above 0.
std::optional<double> angle_from_dms_texts(const std::string& degrees, const std::string& minutes,
                                           const std::string& seconds);

} // namespace geometry
