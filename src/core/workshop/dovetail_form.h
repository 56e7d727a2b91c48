// What the dovetail page shows for what the user set: which optional fields
// and which sketches are offered, and the six sizes as the texts of their
// fields. The sketch choice serves the dovetail-measurement page as well.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/i18n/text_id.h"
#include "core/workshop/dovetail_calc.h"

namespace workshop {

/// The female sketches, in the order the pages build them.
enum class FemaleSketch { kStandard, kDeep, kStandardGib, kDeepGib };
/// The male sketches, in the order the pages build them.
enum class MaleSketch { kStandard, kShallow, kDeep };

struct DovetailSketchChoice {
  std::optional<FemaleSketch> female; ///< none while no clearance kind is chosen
  std::optional<MaleSketch> male;
  /// Whether the clearance amount counts (and its field shows): not with no
  /// clearance, nor with no kind chosen.
  bool clearance_shown = false;
};

/// The slot is drawn deeper when it takes the clearance, with its gib when
/// one is fitted; the male is drawn shallower or deeper when it takes it.
DovetailSketchChoice dovetail_sketch_choice(int clearance_kind, bool gib);

struct DovetailFormInput {
  std::string width;
  std::string depth;
  FlankAngle angle = FlankAngle::k45;
  std::string typed_angle;
  bool gib = false;
  std::string gib_thickness;
  int clearance_kind = 0; ///< the choice's item, -1 when none
  std::string clearance;
  std::string pin;
};

/// The result rows, top to bottom.
enum DovetailRow {
  kFemaleMouthRow,
  kMaleTopRow,
  kFemaleDepthRow,
  kMaleHeightRow,
  kBetweenPinsRow,
  kOverPinsRow,
  kDovetailRows
};

struct DovetailForm {
  bool typed_angle_shown = false;
  bool gib_thickness_shown = false;
  DovetailSketchChoice sketches;
  /// The sizes the drawing prints; none while the inputs give no dovetail
  /// (the rows are then empty and Print is off).
  std::optional<DovetailResult> result;
  std::array<std::string, kDovetailRows> rows;
  /// The text that says why there is no result; kNoText: nothing to say.
  i18n::TextId reason = i18n::kNoText;
};

DovetailForm dovetail_form(const DovetailFormInput& input);

/// The text that says `why` (both dovetail pages); kNoText for nothing to say.
i18n::TextId no_dovetail_text(NoDovetail why);

} // namespace workshop
