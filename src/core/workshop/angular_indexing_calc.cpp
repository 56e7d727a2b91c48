#include "core/workshop/angular_indexing_calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/numeric/typed_number.h"

namespace workshop {

namespace {

constexpr double kSecondsPerTurn = 360.0 * 3600.0;
/// Typed angles have a few decimals; a setting within this of the angle
/// wanted is exact (far below anything a head can show).
constexpr double kExactSeconds = 1e-6;

// Right-aligned in `width` characters (UTF-8: a character may take several bytes).
std::size_t characters(const std::string& text) {
  std::size_t count = 0;
  for (char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

std::string pad_left(const std::string& text, std::size_t width) {
  const std::size_t count = characters(text);
  return count >= width ? text : std::string(width - count, ' ') + text;
}

std::string circle_text(const AngleSetting& setting, const std::string& whole_turns) {
  return setting.circle == 0 ? whole_turns : std::to_string(setting.circle);
}

// The setting of `holes_total` holes on a circle of `circle` holes (circle 0:
// `holes_total` whole turns), and its angle measured against `seconds`.
AngleSetting make_setting(int ratio, int circle, long long holes_total, double seconds) {
  const int per_turn = circle == 0 ? 1 : circle;
  AngleSetting setting;
  setting.circle = circle;
  setting.turns = static_cast<long>(holes_total / per_turn);
  setting.holes = static_cast<long>(holes_total % per_turn);
  const double actual = static_cast<double>(holes_total) * kSecondsPerTurn / ratio / per_turn;
  setting.angle = actual / 3600.0;
  setting.error_seconds = actual - seconds;
  return setting;
}

} // namespace

std::optional<double> parse_angle(const std::string& text) {
  numeric::TypedNumberRules rules;
  rules.angle = true;
  const numeric::TypedNumber angle = numeric::read_typed_number(text, rules);
  if (angle.state != numeric::TypedState::kNumber)
    return std::nullopt;
  return angle.value;
}

AngleEntry read_angle_entry(const std::string& text) {
  if (text.find_first_not_of(" \t") == std::string::npos)
    return AngleEntry::kBlank;
  const std::optional<double> degrees = parse_angle(text);
  if (!degrees)
    return AngleEntry::kUnreadable;
  return *degrees > 0 && *degrees <= 360 ? AngleEntry::kAngle : AngleEntry::kOutOfRange;
}

AngleResult index_angle(int ratio, double degrees, const std::vector<int>& plates,
                        std::size_t most_closest) {
  AngleResult result;
  if (ratio < 1 || !(degrees > 0) || degrees > 360)
    return result;
  const double seconds = degrees * 3600.0;
  const double turns = seconds * ratio / kSecondsPerTurn;
  const long long whole = std::llround(turns);
  if (whole > 0 &&
      std::fabs(make_setting(ratio, 0, whole, seconds).error_seconds) < kExactSeconds) {
    result.exact.push_back(make_setting(ratio, 0, whole, seconds));
    return result;
  }
  for (int circle : plates) {
    if (circle < 1)
      continue;
    // The nearest hole, but never none: a setting must move the spindle.
    const long long holes = std::max(1LL, std::llround(turns * circle));
    const AngleSetting setting = make_setting(ratio, circle, holes, seconds);
    if (std::fabs(setting.error_seconds) < kExactSeconds)
      result.exact.push_back(setting);
    else
      result.closest.push_back(setting);
  }
  if (!result.exact.empty()) {
    result.closest.clear();
    return result;
  }
  std::stable_sort(result.closest.begin(), result.closest.end(),
                   [](const AngleSetting& a, const AngleSetting& b) {
                     return std::fabs(a.error_seconds) < std::fabs(b.error_seconds);
                   });
  if (result.closest.size() > most_closest)
    result.closest.resize(most_closest);
  return result;
}

std::string format_dms(double degrees) {
  const long long hundredths = std::llround(std::fabs(degrees) * 360000.0);
  const long long d = hundredths / 360000;
  const long long m = hundredths / 6000 % 60;
  const long long s = hundredths % 6000;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%lld.%02lld", s / 100, s % 100);
  std::string sec = seconds;
  while (sec.back() == '0')
    sec.pop_back();
  if (sec.back() == '.')
    sec.pop_back();
  return (degrees < 0 ? "-" : "") + std::to_string(d) + "\xC2\xB0" + std::to_string(m) + "'" + sec +
         "\"";
}

AngleColumns angle_columns(const std::array<std::string, 5>& titles, const AngleResult& result,
                           const std::string& whole_turns) {
  AngleColumns columns = kAngleColumns;
  const auto widen = [&columns](std::size_t i, const std::string& text) {
    columns[i] = std::max(columns[i], characters(text) + 1);
  };
  for (std::size_t i = 0; i < 3; ++i)
    widen(i, titles[i]);
  for (const auto* list : {&result.exact, &result.closest})
    for (const AngleSetting& s : *list) {
      widen(0, circle_text(s, whole_turns));
      widen(1, std::to_string(s.turns));
      widen(2, std::to_string(s.holes));
    }
  return columns;
}

std::string angle_header_line(const std::array<std::string, 5>& titles, bool with_error,
                              const AngleColumns& columns) {
  std::string line;
  for (std::size_t i = 0; i < 3; ++i) // a space between titles, however long
    line += pad_left(" " + titles[i], columns[i]);
  line += "  " + titles[3];
  return with_error ? line + "  " + titles[4] : line;
}

std::string angle_setting_line(const AngleSetting& setting, const std::string& whole_turns,
                               bool with_error, const AngleColumns& columns) {
  // A space before each value, however long.
  std::string line = pad_left(" " + circle_text(setting, whole_turns), columns[0]) +
                     pad_left(" " + std::to_string(setting.turns), columns[1]) +
                     pad_left(" " + std::to_string(setting.holes), columns[2]) + "  " +
                     format_dms(setting.angle);
  if (with_error) {
    char error[32];
    std::snprintf(error, sizeof error, "  %+.1f\"", setting.error_seconds);
    line += error;
  }
  return line;
}

} // namespace workshop
