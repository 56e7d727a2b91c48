// The conversions page's formulas: an angle in decimal degrees, in degrees,
// minutes and seconds and as a multiple of π radians; millimetres and
// inches, with a whole-plus-fraction inch entry; Celsius and Fahrenheit.
// Each function answers what the other fields of its row should show;
// std::nullopt means "empty them" (no value, or no finite one).
#pragma once

#include <optional>

namespace geometry {

/// One angle in the two decimal forms of the angle row. The D/M/S fields
/// are written from `degrees`.
struct AngleForms {
  double degrees = 0.0;
  /// The angle divided by 180°: 1 is a half turn, 2 a full turn.
  double pi_radians = 0.0;
};

std::optional<AngleForms> angle_from_degrees(double degrees);
/// Degrees plus minutes/60 plus seconds/3600.
std::optional<AngleForms> angle_from_dms(double degrees, long minutes, double seconds);
/// Nothing when the value is too small to count (|value| <= 0.0001).
std::optional<AngleForms> angle_from_pi_radians(double pi_radians);

std::optional<double> inch_from_mm(double mm);
std::optional<double> mm_from_inch(double inch);

/// A length written into both fields of the length row.
struct LengthForms {
  double inch = 0.0;
  double mm = 0.0;
};

/// Whole inches plus numerator / denominator, as the three fields hold them.
struct FractionEntry {
  double whole = 0.0;
  long numerator = 0;
  long denominator = 0;
};

/// What the fraction entry writes into the inch and mm fields. Only a
/// proper fraction (numerator below denominator) is added to the whole
/// inches; any other is ignored and the whole inches alone count. Nothing
/// (both fields emptied) for 0.0001 inch or less: the fields never keep a
/// length the entry no longer gives.
std::optional<LengthForms> length_from_fraction(const FractionEntry& entry);

std::optional<double> fahrenheit_from_celsius(double celsius);
std::optional<double> celsius_from_fahrenheit(double fahrenheit);

} // namespace geometry
