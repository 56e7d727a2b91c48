// What the sine-bar page shows for its inputs: the height for an angle or the
// angle of a height, the warning for a steep bar, and the gauge-block stack
// that makes the height (or, when none does, the nearest heights the set
// makes, each with its angle), as texts in the page's unit. Pure: no toolkit.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/gears/spur_job_sheet_form.h"
#include "core/i18n/text_id.h"
#include "core/workshop/gauge_blocks.h"

namespace workshop {

/// The page's fields as numbers read from them ("" while a field can't be read).
struct SineBarFormInput {
  bool metric = false; ///< the unit of the page's lengths
  std::string length;
  bool height_to_angle = false;
  std::string angle; ///< decimal degrees
  std::string height;
  GaugeBlockSet set;
  bool wear = false; ///< a wear block at each end of the stack
  std::string wear_size;
};

/// A height the stack makes and the angle it gives.
struct SineBarHeight {
  std::string height;
  std::string degrees;
  std::string dms;
};

struct SineBarForm {
  /// The height to stack (from the angle) or the one typed, and its angle.
  SineBarHeight wanted;
  bool steep = false; ///< above 60°
  /// Why there is no height or no stack: kHeightOverLength or kWearBlocksTooHigh.
  std::optional<i18n::TextId> reason;
  /// The blocks to wring, largest first, each with its unit; the wear
  /// blocks at both ends when the stack has them.
  std::vector<std::string> blocks;
  int count = 0;       ///< of the blocks from the set
  SineBarHeight stack; ///< what the stack makes, wear blocks included
  /// When no stack makes the height: the nearest heights the set makes.
  std::optional<SineBarHeight> below, above;
  bool no_stack = false;
};

using SineBarText = std::function<std::string(i18n::TextId)>;

SineBarForm sine_bar_form(const SineBarFormInput& input, const SineBarText& text);

/// The set-up on one sheet: the bar, the angle, the height, the set and the
/// blocks to wring in order, dated `date`; nothing without a height.
std::optional<std::vector<gears::JobSheetRow>> sine_bar_sheet(const SineBarFormInput& input,
                                                              const std::string& date,
                                                              const SineBarText& text);

/// An angle in degrees, minutes and seconds to a tenth of a second: 31°29'55.5".
std::string angle_dms_text(double degrees);

} // namespace workshop
