// Tapers: the ways a taper is named and converted, its set-up on the lathe
// and its measurement over rolls or with balls. Every form follows from the
// taper on diameter per unit length t (0.1 in per inch: the diameter changes
// 0.1 in for each inch along the axis). Pure: no toolkit; lengths in any one
// unit, angles in degrees.
#pragma once

#include <optional>

namespace workshop {

/// The form a taper is typed in.
enum class TaperGiven { kPerFoot, kPerInch, kRatio, kIncluded, kHalfAngle };

/// One taper in every form.
struct TaperForms {
  double per_foot = 0.0;   ///< 12 t: per foot in inches (per 12 units in any other unit)
  double per_inch = 0.0;   ///< t: on diameter per unit length
  double ratio = 0.0;      ///< x of "1:x on diameter": 1 / t
  double included = 0.0;   ///< 2 atan(t / 2)
  double half_angle = 0.0; ///< atan(t / 2): also the compound rest's angle from the lathe's axis
};

/// The taper typed as `value` in the form `given`, in every form. Nothing for
/// a value not above 0 or not finite, an included angle of 180 degrees or more
/// or a half angle of 90 or more.
std::optional<TaperForms> taper_forms(TaperGiven given, double value);

/// t from the two diameters and the length between them: (D - d) / L. Nothing
/// for a length not above 0, a large end below the small one, a negative
/// diameter or a value not finite; equal diameters give 0 (no taper).
std::optional<double> taper_from_diameters(double large, double small, double length);

/// The diameter `distance_from_large_end` along a taper of t: D - t x distance.
double diameter_at(double large, double t, double distance_from_large_end);

/// Tailstock set-over for a taper from D to d over `taper_length`, on work of
/// `work_length` between centres: the whole work tilts, so the offset is half
/// the diameter change scaled to the work's length, (D - d) / 2 x work / taper.
/// Nothing for lengths not above 0, a taper longer than the work, a large end
/// below the small one, a negative diameter or a value not finite.
std::optional<double> tailstock_setover(double large, double small, double taper_length,
                                        double work_length);

/// Tailstock set-over for a taper of t over the work's whole length: t x
/// work / 2 (in inches: taper per foot x work / 24).
double setover_for_taper(double t, double work_length);

/// Whether a set-over is more than 1/50 of the work's length: beyond that the
/// centres sit askew in the centre holes and wear them unevenly.
bool setover_too_large(double setover, double work_length);

/// The taper attachment's guide setting per foot of travel: 12 t / 2. The
/// attachment moves the tool on the radius, so its guide is set to half the
/// taper per foot on diameter. (Attachments graduated in taper per foot on
/// diameter already allow for this; their scale is set to 12 t.)
double attachment_per_foot(double t);

/// The half angle of an outside taper from its readings over two equal rolls
/// set on gauge blocks: M1 with the rolls' centres at h1, M2 at h2 > h1.
/// The readings differ by t (h2 - h1), so the half angle is
/// atan(|M2 - M1| / 2 / (h2 - h1)); the taper may stand on either end.
/// Nothing for h2 not above h1, a reading not above 0 or a value not finite.
std::optional<double> half_angle_over_rolls(double m1, double h1, double m2, double h2);

/// The reading over the rolls at h2 on a taper of t standing on its small
/// end, from the reading m1 at h1: m1 + t (h2 - h1).
double reading_over_rolls(double m1, double h1, double t, double h2);

/// The taper's diameter at the height of the rolls' centres from the reading
/// over two rolls of diameter `roll` touching an outside taper of
/// `half_angle_deg` (0 for a cylinder): reading - roll (1 + 1 / cos α).
/// Nothing for a roll not above 0, a half angle outside 0 to below 90, a value
/// not finite or a diameter that comes out not above 0.
std::optional<double> diameter_over_rolls(double reading, double roll, double half_angle_deg);

/// The reading over the rolls for a diameter at the rolls' centres:
/// diameter + roll (1 + 1 / cos α). Nothing for a diameter or roll not above
/// 0, a half angle outside 0 to below 90 or a value not finite.
std::optional<double> reading_for_diameter(double diameter, double roll, double half_angle_deg);

/// An inside taper found with two balls.
struct BoreTaper {
  double half_angle = 0.0;      ///< degrees
  double diameter_at_top = 0.0; ///< the bore at the top face (depth 0)
};

/// An inside taper, wide end up, from two balls dropped in: the small ball
/// d1 with its top `depth1` below the top face, the large one d2 (d1 < d2)
/// with its top `depth2` below it (negative when it stands proud of the face).
/// Nothing for balls not above 0 or not in that order, depths that no cone
/// gives, a bore that ends below the top face or a value not finite.
std::optional<BoreTaper> bore_taper(double d1, double depth1, double d2, double depth2);

} // namespace workshop
