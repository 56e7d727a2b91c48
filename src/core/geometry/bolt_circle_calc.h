// Bolt-hole circle: the coordinates of holes equally spaced on a full or a
// partial circle, for any position of angle zero, either counting
// direction, either sign of X and Y and an offset origin; and the texts of
// the hole list, of the saved file and of the printed page.
//
// Angles here are screen angles: 0 at the top of the drawing, growing
// clockwise. Coordinates are in the user's unit; Y grows downwards unless
// the user reverses it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace geometry {

/// The drawing has 50 markers; no pattern may have more holes.
inline constexpr int kMaxHoles = 50;

/// Where angle zero lies (the four zero-direction radios, in order).
enum class ZeroAt { kTop, kRight, kBottom, kLeft };

/// Clockwise or counter-clockwise on the screen.
enum class Counting { kClockwise, kCounterClockwise };

struct BoltCircleInput {
  bool partial = false;
  /// Full circle: holes on the circle (n) and how many of them to list (k).
  /// Partial circle: `total_holes` holes, all listed.
  long total_holes = 0;
  long holes_to_list = 0;
  double diameter = 0.0;
  /// Full circle: angle of the first hole. Partial circle: start angle.
  double first_angle = 0.0;
  /// Partial circle only.
  double end_angle = 0.0;
  bool has_end_angle = false;

  ZeroAt zero = ZeroAt::kRight;
  Counting counting = Counting::kClockwise;
  bool x_reversed = false; ///< "X+, X-": positive X to the left
  bool y_reversed = false; ///< "Y+, Y-": positive Y upwards
  double x_origin = 0.0;
  double y_origin = 0.0;
  bool millimetre = false;
  int precision = 3;
  /// Radius of the drawn circle in pixels.
  int marker_radius = 0;
};

struct Hole {
  int index = 0;  ///< from 1
  double x = 0.0; ///< in the user's unit, signs and origin applied
  double y = 0.0;
  double angle = 0.0; ///< screen angle, 0 ... 360
  int marker_dx = 0;  ///< marker centre from the drawing's centre, pixels
  int marker_dy = 0;
};

/// A computed pattern and the inputs it came from (the list's header).
struct BoltCircle {
  BoltCircleInput input;
  std::vector<Hole> holes; ///< 1 ... kMaxHoles
};

/// The holes of the pattern, or nothing when the inputs make no pattern:
/// no diameter, a hole count outside 1 ... 50, more holes to list than on
/// the circle, an angle outside -360 ... 360, a partial circle without end
/// angle or with its start beyond its end, or a value that isn't finite.
/// A partial circle of one hole has that hole at the start angle.
std::optional<BoltCircle> compute_bolt_circle(const BoltCircleInput& input);

/// The screen angle of a hole brought into 0 ... 360.
double normalised_angle(double degrees);

/// Rounds as the markers are placed: toward zero, then up by one when the
/// fraction left is at least one half (so negative values round toward zero).
int marker_round(double value);

/// "%.*f"; a value that would print as a negative zero prints as zero.
std::string fixed_text(int precision, double value);

/// The language texts the list, the file and the printout are made of.
struct HoleListTexts {
  std::string list_title;                ///< followed directly by the zero word
  std::array<std::string, 4> zero_words; ///< by ZeroAt: top, right, bottom, left
  std::string clockwise;
  std::string counter_clockwise;
  std::string hole;
  std::string header_zero; ///< followed by a blank and the zero word
  std::string first_hole_at;
  std::string degrees;
  std::string x_origin;
  std::string positive_x;
  std::string y_origin;
  std::string positive_y;
  std::string diameter;
  std::string circle_of;
  std::string holes_first;
  std::string listed;
  std::string units;
  std::string inches;
  std::string millimetres;
};

/// The lines of the hole-list window: title, direction, an empty line, then
/// "Hole  1        50.000         0.000" per hole (widths 11).
std::vector<std::string> hole_list_lines(const BoltCircle& circle, const HoleListTexts& texts);

/// The lines of the saved text file (each is written followed by a newline).
std::vector<std::string> saved_hole_list_lines(const BoltCircle& circle,
                                               const HoleListTexts& texts);

/// One text of the printed page at (x, base line y), in printer units.
struct PrintedText {
  int x = 0;
  int y = 0;
  bool fixed_pitch = false; ///< Courier for the hole lines, Helvetica otherwise
  std::string text;
};

struct PrintedPage {
  std::vector<PrintedText> texts;
  int rule_y = 0; ///< the horizontal line from x 1 to the page width
};

/// The printed hole list on a page `page_width` units wide: the header, a
/// rule, and every hole on the one page, 10 units apart.
PrintedPage printed_hole_list(const BoltCircle& circle, const HoleListTexts& texts, int page_width);

} // namespace geometry
