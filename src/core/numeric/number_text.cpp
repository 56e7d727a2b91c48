#include "core/numeric/number_text.h"

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace numeric {

std::string printf_text(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  // Print once into the string's own short buffer (no allocation) and again
  // only when the text is longer.
  std::string out;
  out.resize(out.capacity());
  int length = std::vsnprintf(out.data(), out.size() + 1, format, args);
  va_end(args);
  if (length < 0)
    length = 0;
  if (static_cast<std::size_t>(length) > out.size()) {
    out.resize(static_cast<std::size_t>(length));
    std::vsnprintf(out.data(), out.size() + 1, format, again);
  }
  out.resize(static_cast<std::size_t>(length));
  va_end(again);
  return out;
}

namespace {

// Whole part of a value as an int, saturating instead of overflowing; NaN is 0.
int truncate_to_int(double value) {
  if (std::isnan(value))
    return 0;
  if (value >= static_cast<double>(INT_MAX))
    return INT_MAX;
  if (value <= static_cast<double>(INT_MIN))
    return INT_MIN;
  return static_cast<int>(value);
}

// Whole part of a value as a 64-bit integer, saturating; NaN is 0.
std::int64_t truncate_to_int64(double value) {
  constexpr double kTwoTo63 = 9223372036854775808.0;
  if (std::isnan(value))
    return 0;
  if (value >= kTwoTo63)
    return INT64_MAX;
  if (value <= -kTwoTo63)
    return INT64_MIN;
  return static_cast<std::int64_t>(value);
}

// True when the four characters after the point at `point` are all `digit`.
bool four_after_point(const std::string& text, std::size_t point, char digit) {
  if (text.size() < point + 5)
    return false;
  for (std::size_t i = point + 1; i <= point + 4; ++i) {
    if (text[i] != digit)
      return false;
  }
  return true;
}

std::string length_text(double value) { return format_fixed(10, value); }

} // namespace

double read_double(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

// strtol already answers LONG_MAX / LONG_MIN when the digits don't fit.
long read_long(const std::string& text) { return std::strtol(text.c_str(), nullptr, 10); }

std::string trim_number_text(std::string text) {
  std::size_t point = text.find('.');
  if (point == std::string::npos)
    return text;

  // A run of nines is a value just short of the next whole number: carry it
  // there ("2.99995" becomes "3"). Nudging by 0.0001 and reprinting would
  // show 2.9999999999 as "3.0001", a wrong fourth decimal.
  if (four_after_point(text, point, '9')) {
    double value = read_double(text);
    value = value < 0.0 ? std::floor(value) : std::ceil(value);
    text = printf_text("%f", value);
    point = text.find('.');
    if (point == std::string::npos)
      return text;
  }

  if (four_after_point(text, point, '0')) {
    text.erase(point);
    return text;
  }

  // The point is in the text, so this never eats into the whole part.
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.')
    text.push_back('0');
  return text;
}

std::string format_fixed(int precision, double value) {
  if (!std::isfinite(value))
    return std::string();
  std::string text = trim_number_text(printf_text("%.*f", precision, value));
  // A tiny negative value rounds to zero: show it without a sign.
  if (text == "-0" || text == "-0.0")
    text.erase(0, 1);
  return text;
}

std::string fixed_text(int precision, double value) {
  if (!std::isfinite(value))
    return std::string();
  return printf_text("%.*f", precision, value);
}

std::string format_plain(double value) {
  if (std::fabs(value) < kMissing || !std::isfinite(value))
    return std::string();
  return trim_number_text(printf_text("%f", value));
}

Dms split_dms(double value) {
  double whole = std::trunc(value);
  double fraction = value - whole;
  if (!std::isfinite(fraction))
    fraction = 0.0; // an infinite angle has no minutes

  Dms dms;
  dms.minutes = truncate_to_int(fraction / kMinute);
  dms.seconds = (fraction - dms.minutes * kMinute) / kSecond;

  // Seconds a hair short of 60 are a whole minute lost to rounding; tiny
  // (and negative) seconds are noise.
  if (dms.seconds + 1e-9 > 60.0) {
    dms.minutes += 1;
    dms.seconds = 0.0;
  } else if (dms.seconds < 1e-5) {
    dms.seconds = 0.0;
  }
  if (dms.minutes > 59) {
    dms.minutes -= 60;
    whole += 1.0; // carried before the conversion, so it can't overflow the int
  }
  dms.degrees = truncate_to_int(whole);
  return dms;
}

double dms_to_degrees(const std::string& degrees, const std::string& minutes,
                      const std::string& seconds) {
  return read_double(degrees) + static_cast<double>(read_long(minutes)) * kMinute +
         read_double(seconds) * kSecond;
}

namespace {

// The D/M/S texts of a split, or three empty texts when there is no angle.
template <typename SecondsWriter> DmsTexts texts_of(double value, SecondsWriter write_seconds) {
  const Dms dms = split_dms(value);
  if (dms.degrees == 0 && dms.minutes == 0 && !(dms.seconds > 0.0))
    return DmsTexts();
  return DmsTexts{printf_text("%d", dms.degrees), printf_text("%d", dms.minutes),
                  write_seconds(dms.seconds)};
}

} // namespace

DmsTexts dms_texts(double value) {
  return texts_of(value, [](double seconds) { return format_fixed(3, seconds); });
}

DmsTexts dms_texts_nonzero(double value) {
  if (std::fabs(value) < kMissing)
    return DmsTexts();
  return dms_texts(value);
}

DmsTexts dms_texts_from_text(const std::string& text) {
  return texts_of(read_double(text), [](double seconds) { return printf_text("%g", seconds); });
}

namespace {

// A unit switch leaves whole numbers and missing decimals empty; going to inch
// an unsigned decimal must also be above zero.
bool stays_empty_when_converted(int kind, double value, bool to_inch) {
  switch (kind) {
  case kUnsignedInt:
  case kSignedInt:
    return true;
  case kUnsignedDecimal:
    return to_inch ? !(value > 0.0) : std::fabs(value) < kMissing;
  case kSignedDecimal:
    return std::fabs(value) < kMissing;
  default:
    return false;
  }
}

} // namespace

std::string convert_text_inch_to_mm(const std::string& text, int kind) {
  const double value = read_double(text);
  if (stays_empty_when_converted(kind, value, false))
    return std::string();
  return length_text(value / kInchPerMm);
}

std::string convert_text_mm_to_inch(const std::string& text, int kind) {
  const double value = read_double(text);
  if (stays_empty_when_converted(kind, value, true))
    return std::string();
  return length_text(value * kInchPerMm);
}

std::string fraction_text(const std::string& whole, const std::string& over,
                          const std::string& under) {
  const double w = read_double(whole);
  const double n = read_double(over);
  const double d = read_double(under);
  // Whole numbers decide which combination this is; the sum uses the values.
  const std::int64_t W = truncate_to_int64(w);
  const std::int64_t N = truncate_to_int64(n);
  const std::int64_t D = truncate_to_int64(d);

  bool empty = false;
  double result = 0.0;
  if (W != 0) {
    if (N > D) {
      empty = true; // a whole part with a fraction above one
    } else if (N == 0) {
      empty = D != 0;
      result = w;
    } else {
      empty = D == 0;
      result = w + n / d;
    }
  } else if (N == 0 || D == 0) {
    empty = true;
  } else {
    result = N <= D ? w + n / d : w;
  }
  // Ten significant digits: with four, 3 5/16 read as 3.312 instead of 3.3125.
  return empty ? std::string() : printf_text("%.10g", result);
}

std::string normalise_unsigned_text(const std::string& text) {
  // An unsigned field never shows a negative number, and a value beyond the
  // largest 32-bit unsigned shows that largest value instead of wrapping.
  constexpr long kLargest = 4294967295L;
  const long value = read_long(text);
  if (value < 0)
    return "0";
  return std::to_string(value > kLargest ? kLargest : value);
}

} // namespace numeric
