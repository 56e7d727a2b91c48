// Bolt-hole circle: hole coordinates and the texts of the hole list.
#include "core/geometry/bolt_circle_calc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

constexpr double kLargestAngle = 360.0;

bool is_angle(double degrees) {
  return std::isfinite(degrees) && std::fabs(degrees) <= kLargestAngle;
}

using numeric::printf_text;

std::string padded(const std::string& text, size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

int precision_of(const BoltCircle& circle) { return std::clamp(circle.input.precision, 1, 6); }

// A coordinate that shows as zero at the page's precision is zero, so the
// list never shows "-0.000".
double shown_value(int precision, double value) {
  // Rounded to one or more decimals, 0.5 or more stays 0.5 or more: only
  // values nearer zero need printing to tell.
  if (std::fabs(value) >= 0.5)
    return value;
  double shown = std::strtod(fixed_text(precision, value).c_str(), nullptr);
  return std::fabs(shown) < numeric::kMissing ? 0.0 : value;
}

const std::string& zero_word(const HoleListTexts& texts, ZeroAt zero) {
  return texts.zero_words[static_cast<size_t>(zero)];
}

const std::string& direction_text(const BoltCircle& circle, const HoleListTexts& texts) {
  return circle.input.counting == Counting::kClockwise ? texts.clockwise : texts.counter_clockwise;
}

std::string hole_line(const Hole& hole, const HoleListTexts& texts, int precision, size_t width,
                      bool named) {
  const char* x_name = named ? "x = " : "";
  const char* y_name = named ? "y = " : "";
  return texts.hole + " " + padded(std::to_string(hole.index), 2) + "   " + x_name +
         padded(fixed_text(precision, hole.x), width) + "   " + y_name +
         padded(fixed_text(precision, hole.y), width);
}

// The sentences shared by the file and the printout.
struct HeaderTexts {
  std::string zero, direction, angle, x_origin, positive_x, y_origin, positive_y, diameter, counts,
      units;
};

HeaderTexts header_texts(const BoltCircle& circle, const HoleListTexts& texts) {
  const BoltCircleInput& in = circle.input;
  const int p = precision_of(circle);
  const long listed = in.partial ? in.total_holes : in.holes_to_list;
  HeaderTexts h;
  h.zero = texts.header_zero + " " + zero_word(texts, in.zero);
  h.direction = direction_text(circle, texts);
  h.angle = texts.first_hole_at + " " + fixed_text(p, in.first_angle) + " " + texts.degrees + ".";
  h.x_origin = texts.x_origin + " " + fixed_text(p, in.x_origin) + ".";
  h.positive_x =
      texts.positive_x + " " + zero_word(texts, in.x_reversed ? ZeroAt::kLeft : ZeroAt::kRight);
  h.y_origin = texts.y_origin + " " + fixed_text(p, in.y_origin) + ".";
  h.positive_y =
      texts.positive_y + " " + zero_word(texts, in.y_reversed ? ZeroAt::kTop : ZeroAt::kBottom);
  h.diameter = texts.diameter + " " + fixed_text(p, in.diameter) + ".";
  h.counts = texts.circle_of + " " + std::to_string(in.total_holes) + " " + texts.holes_first +
             " " + std::to_string(listed) + " " + texts.listed + ".";
  h.units = texts.units + " " + (in.millimetre ? texts.millimetres : texts.inches) + ".";
  return h;
}

} // namespace

std::string fixed_text(int precision, double value) {
  std::string text = printf_text("%.*f", precision, value);
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
    text.erase(0, 1);
  return text;
}

double normalised_angle(double degrees) {
  if (degrees > 360.0 || degrees < 0.0) {
    degrees = std::fmod(degrees, 360.0);
    if (degrees < 0.0)
      degrees += 360.0;
  }
  return degrees;
}

int marker_round(double value) {
  int whole = static_cast<int>(value);
  if (value - whole >= 0.5)
    ++whole;
  return whole;
}

std::optional<BoltCircle> compute_bolt_circle(const BoltCircleInput& input) {
  const long n = input.total_holes;
  const long k = input.partial ? n : input.holes_to_list;
  if (n < 1 || n > kMaxHoles || k < 1 || k > n)
    return std::nullopt;
  const double r = input.diameter * 0.5;
  const double r2 = r * r;
  if (!(r > 0.0) || !std::isfinite(r2))
    return std::nullopt;
  if (!is_angle(input.first_angle) || !std::isfinite(input.x_origin) ||
      !std::isfinite(input.y_origin))
    return std::nullopt;
  if (input.partial &&
      (!input.has_end_angle || !is_angle(input.end_angle) || input.first_angle > input.end_angle))
    return std::nullopt;

  double step = 0.0;
  if (!input.partial)
    step = 360.0 / static_cast<double>(n);
  else if (n > 1) // one hole sits at the start angle
    step = std::fabs(input.end_angle - input.first_angle) / static_cast<double>(n - 1);

  const double start = input.first_angle + 90.0 * static_cast<int>(input.zero);
  double current = start;
  if (input.counting == Counting::kCounterClockwise) {
    step = -step;
    current = -start;
    if (input.zero == ZeroAt::kRight)
      current -= 180.0;
    else if (input.zero == ZeroAt::kLeft)
      current += 180.0;
  }

  const double big_r = std::max(0, input.marker_radius);
  const double big_r2 = big_r * big_r;
  const int p = std::clamp(input.precision, 1, 6);
  BoltCircle circle;
  circle.input = input;
  for (int i = 1; i <= k && i <= kMaxHoles; ++i) {
    current = normalised_angle(current);
    const double s = std::sin(current * numeric::kRadPerDeg);
    Hole hole;
    hole.index = i;
    hole.angle = current;

    const double marker_x = big_r * s;
    const int marker_y = marker_round(std::sqrt(std::max(0.0, big_r2 - marker_x * marker_x)));
    const bool marker_up = current <= 90.0 || current > 270.0;
    hole.marker_dx = marker_round(marker_x);
    hole.marker_dy = marker_up ? -marker_y : marker_y;

    hole.x = r * s;
    hole.y = std::sqrt(std::max(0.0, r2 - hole.x * hole.x));
    if (current > 270.0 || current < 90.0) // the upper half of the drawing
      hole.y = -hole.y;
    if (input.x_reversed)
      hole.x = -hole.x;
    if (input.y_reversed)
      hole.y = -hole.y;
    if (std::fabs(input.x_origin) > numeric::kMissing)
      hole.x -= input.x_origin;
    if (std::fabs(input.y_origin) > numeric::kMissing)
      hole.y -= input.y_origin;
    hole.x = shown_value(p, hole.x);
    hole.y = shown_value(p, hole.y);
    if (!std::isfinite(hole.x) || !std::isfinite(hole.y))
      return std::nullopt;
    circle.holes.push_back(hole);
    current += step;
  }
  return circle;
}

std::vector<std::string> hole_list_lines(const BoltCircle& circle, const HoleListTexts& texts) {
  std::vector<std::string> lines;
  lines.push_back(texts.list_title + zero_word(texts, circle.input.zero));
  lines.push_back(direction_text(circle, texts));
  lines.emplace_back();
  const int p = precision_of(circle);
  for (const Hole& hole : circle.holes)
    lines.push_back(hole_line(hole, texts, p, 11, false));
  return lines;
}

std::vector<std::string> saved_hole_list_lines(const BoltCircle& circle,
                                               const HoleListTexts& texts) {
  const HeaderTexts h = header_texts(circle, texts);
  // The file always names the first angle and leaves the sign lines without a full stop.
  std::vector<std::string> lines = {h.zero,     h.direction,  h.angle,    h.x_origin, h.positive_x,
                                    h.y_origin, h.positive_y, h.diameter, h.counts,   h.units,
                                    ""};
  const int p = precision_of(circle);
  for (const Hole& hole : circle.holes)
    lines.push_back(hole_line(hole, texts, p, 11, true));
  return lines;
}

PrintedPage printed_hole_list(const BoltCircle& circle, const HoleListTexts& texts,
                              int page_width) {
  const HeaderTexts h = header_texts(circle, texts);
  const int half = page_width / 2;
  PrintedPage page;
  auto add = [&page](int x, int y, const std::string& text, bool fixed_pitch = false) {
    page.texts.push_back({x, y, fixed_pitch, text});
  };
  add(1, 32, h.zero);
  add(1, 42, h.direction);
  // An angle of zero goes without saying on paper.
  int d = 0;
  if (std::fabs(circle.input.first_angle) > numeric::kMissing) {
    add(1, 52, h.angle);
    d = 10;
  }
  add(1, 52 + d, h.x_origin);
  add(half, 52 + d, h.positive_x + ".");
  add(1, 62 + d, h.y_origin);
  add(half, 62 + d, h.positive_y + ".");
  add(1, 72 + d, h.diameter);
  add(half, 72 + d, h.counts);
  add(1, 82 + d, h.units);
  page.rule_y = 92 + d;
  const int p = precision_of(circle);
  int y = 102 + d;
  for (const Hole& hole : circle.holes) {
    add(1, y, hole_line(hole, texts, p, 8, true), true);
    y += 10;
  }
  return page;
}

} // namespace geometry
