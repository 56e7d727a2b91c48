// Text rules for numbers: how every computed number looks on screen, the
// degrees-minutes-seconds split, the in-place inch/millimetre conversion of a
// field's text and the whole-plus-fraction reader. Pure functions over
// std::string; the widget setters in src/app/field_io.h are thin wrappers.
#pragma once

#include <string>

namespace numeric {

/// printf into a string of exactly the needed length, so even 1e300 with ten
/// decimals fits. Numbers are printed in the C locale the program runs in.
[[gnu::format(printf, 1, 2)]] std::string printf_text(const char* format, ...);

/// One minute and one second of arc in degrees, and one millimetre in inches.
inline constexpr double kMinute = 0.016666666666666666;
inline constexpr double kSecond = 0.0002777777777777778;
inline constexpr double kInchPerMm = 0.03937007874015748;

/// Pi, and one inch in millimetres.
inline constexpr double kPi = 3.141592653589793;
inline constexpr double kMmPerInch = 25.4;

/// Degrees <-> radians, with the literal factors every page uses.
inline constexpr double kRadPerDeg = 0.017453292519943295;
inline constexpr double kDegPerRad = 57.29577951308232;

/// Values whose magnitude is below this count as "nothing typed".
inline constexpr double kMissing = 0.0001;

/// Reads a number the way strtod does in the C locale: leading blanks
/// allowed, trailing garbage ignored, empty or garbage text reads as 0.
double read_double(const std::string& text);

/// Reads an integer the way strtol(text, nullptr, 10) does; saturates at the
/// limits of long instead of overflowing.
long read_long(const std::string& text);

/// The display rule of every computed number (applied to a "%f"-style text):
/// - no '.': unchanged;
/// - four 9s after the point: the value is moved 0.0001 away from zero and
///   reprinted with "%f", so the run of nines carries ("2.99995" -> "3");
/// - four 0s after the point: cut at the point ("2.00001" -> "2");
/// - otherwise trailing zeros go, but one digit stays after the point
///   ("2.500" -> "2.5", "2.000" -> "2.0").
std::string trim_number_text(std::string text);

/// "%.*f" with `precision` decimals, then trim_number_text.
/// format_fixed(3, 2) == "2.0", format_fixed(4, 2) == "2". Empty for an
/// infinite value or NaN: no field ever shows "inf" or "nan".
std::string format_fixed(int precision, double value);

/// "%.*f" with `precision` decimals, trailing zeros kept; empty for an
/// infinite value or NaN.
std::string fixed_text(int precision, double value);

/// Empty when |value| < 0.0001 or the value is infinite or NaN; otherwise
/// "%f" then trim_number_text.
std::string format_plain(double value);

/// An angle split into whole degrees, whole minutes and seconds.
struct Dms {
  int degrees = 0;
  int minutes = 0;
  double seconds = 0.0;
};

/// Splits decimal degrees; seconds within 1e-9 of 60 carry into the minutes,
/// seconds below 1e-5 become 0, 60 minutes carry into the degrees. A negative
/// value gives negative degrees and minutes and 0 seconds.
Dms split_dms(double value);

/// Degrees from the three texts of a D/M/S triple:
/// read_double(d) + read_long(m) / 60 + read_double(s) / 3600.
double dms_to_degrees(const std::string& degrees, const std::string& minutes,
                      const std::string& seconds);

/// The texts written into a D/M/S triple.
struct DmsTexts {
  std::string degrees;
  std::string minutes;
  std::string seconds;
};

/// Degrees and minutes with "%d", seconds with format_fixed(3, s); all three
/// empty when the split is 0 / 0 / not above 0.
DmsTexts dms_texts(double value);

/// As dms_texts, but all three empty when |value| < 0.0001.
DmsTexts dms_texts_nonzero(double value);

/// As dms_texts of read_double(text), but the seconds written with "%g".
DmsTexts dms_texts_from_text(const std::string& text);

/// Input kinds of a numeric field, as its range rule gives them.
enum InputKind : int {
  kUnsignedInt = 0,
  kSignedInt = 1,
  kUnsignedDecimal = 2,
  kSignedDecimal = 4,
  kFilteredDecimal = 8,
};

/// The text of a length field after its unit changes from inch to mm:
/// integer kinds are emptied; decimal kinds are emptied below 0.0001 and
/// otherwise become value * 25.4 written with format_fixed(10, ...).
std::string convert_text_inch_to_mm(const std::string& text, int kind);

/// The text of a length field after its unit changes from mm to inch:
/// integer kinds are emptied; unsigned decimals are converted only when > 0;
/// signed decimals are emptied below 0.0001 in magnitude; format_fixed(10).
std::string convert_text_mm_to_inch(const std::string& text, int kind);

/// Whole part plus fraction over/under as one decimal text ("%.10g"), or the
/// empty text when the combination has no sensible value:
/// ("1","1","4") -> "1.25", ("0","3","8") -> "0.375", ("2","0","0") -> "2",
/// ("1","5","4") -> "" (a fraction above 1 with a whole part).
std::string fraction_text(const std::string& whole, const std::string& over,
                          const std::string& under);

/// "%u"-style rewrite of a pasted integer text: the value strtol reads,
/// never negative ("12abc" -> "12", "-5" -> "0", "" -> "0").
std::string normalise_unsigned_text(const std::string& text);

} // namespace numeric
