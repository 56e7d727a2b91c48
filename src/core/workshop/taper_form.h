// What the tapers page shows for its inputs: the taper in every form, its
// set-up on the lathe (compound rest, tailstock set-over, taper attachment),
// its measurement (over rolls, with balls in a bore, on a sine bar) and the
// standard tapers a measured one can be, as texts in the page's unit. Pure.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/gears/spur_job_sheet_form.h"
#include "core/i18n/text_id.h"
#include "core/workshop/standard_tapers.h"

namespace workshop {

/// The form the taper is typed in: as the page's list offers them.
enum class TaperEntry { kPerFoot, kPerUnit, kRatio, kIncluded, kHalfAngle, kDiameters };

/// The page's fields as numbers read from them ("" while a field can't be read).
struct TaperFormInput {
  bool metric = false;
  TaperEntry given = TaperEntry::kPerFoot;
  std::string value; ///< the taper in the form given, but for diameters
  std::string large, small, length;
  std::string work_length; ///< between centres, for the set-over
  std::string roll;           ///< the rolls' diameter
  std::string m1, h1, m2, h2; ///< readings over rolls and the heights of their blocks
  std::string ball1, depth1, ball2, depth2;
  std::string bar_length; ///< of a sine bar to check the taper on
  std::string tolerance;  ///< in inch per foot, for the standard tapers
};

struct TaperForm {
  bool taper = false;
  std::string per_foot; ///< 12 t: inch per foot, or mm per 12 mm
  std::string per_unit; ///< on diameter per inch or per mm
  std::string ratio;    ///< x of 1:x
  std::string included, included_dms;
  std::string half, half_dms; ///< also the compound rest's angle from the axis
  std::string cross_slide, cross_slide_dms; ///< 90° less: from the cross slide
  std::string setover;
  bool setover_too_large = false;
  std::string attachment; ///< per foot (inch) or per 100 mm of travel
  std::string rolls_half, rolls_per_foot;
  std::string rolls_d1, rolls_d2; ///< the taper's diameters at the rolls' centres
  std::string expected_m2; ///< the reading at h2 this taper gives after m1 at h1
  std::string bore_half, bore_top;
  std::string sine_height; ///< for the included angle
  std::vector<std::string> matches; ///< standard tapers a measured one can be
};

TaperForm taper_form(const TaperFormInput& input);

/// What choosing a standard taper puts in the page's fields, in its unit:
/// a taper with both ends known as its diameters and length, one known only
/// at the large end as its ratio (metric, 1:20) or taper per foot (7:24).
struct StandardFill {
  TaperEntry given = TaperEntry::kDiameters;
  std::string value, large, small, length;
};
StandardFill standard_fill(const StandardTaper& taper, bool metric);

using TaperText = std::function<std::string(i18n::TextId)>;

/// The line under the list for a standard taper: its ends and taper per
/// foot, "D 0.938, d 0.778, L 3.1875 inch; 0.60235 in/ft".
std::string standard_summary(const StandardTaper& taper, bool metric, const TaperText& text);

/// The set-up and the measurements on one sheet, dated `date`: the taper in
/// every form, the lathe's settings, what the page measured. Nothing
/// without a taper.
std::optional<std::vector<gears::JobSheetRow>> taper_sheet(const TaperFormInput& input,
                                                           const std::string& standard,
                                                           const std::string& date,
                                                           const TaperText& text);

} // namespace workshop
