// What the tapers page shows for its inputs: the taper in every form, its
// set-up on the lathe (compound rest, tailstock set-over, taper attachment),
// its measurement (over rolls, with balls in a bore, on a sine bar) and the
// standard tapers a measured one can be, as texts in the page's unit. Pure.
#pragma once

#include <string>
#include <vector>

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
  std::string m1, h1, m2, h2; ///< readings over rolls and the rolls' heights
  std::string ball1, depth1, ball2, depth2;
  std::string bar_length; ///< of a sine bar to check the taper on
  std::string tolerance;  ///< in inch per foot, for the standard tapers
};

struct TaperForm {
  bool taper = false;
  std::string per_foot; ///< inch per foot, for an inch page only
  std::string per_unit; ///< on diameter per inch or per mm
  std::string ratio;    ///< x of 1:x
  std::string included, included_dms;
  std::string half, half_dms; ///< also the compound rest's angle
  std::string setover;
  bool setover_too_large = false;
  std::string attachment; ///< per foot (inch) or per 100 mm of travel
  std::string rolls_half, rolls_per_foot;
  std::string expected_m2; ///< the reading at h2 this taper gives after m1 at h1
  std::string bore_half, bore_top;
  std::string sine_height; ///< for the included angle
  std::vector<std::string> matches; ///< standard tapers a measured one can be
};

TaperForm taper_form(const TaperFormInput& input);

} // namespace workshop
