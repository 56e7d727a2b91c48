// What the spur-gear page shows for its tooth-size system, pressure angle,
// pitch value and tooth count: which widgets a system offers, the tooth
// table, module and diametral pitch, the form cutter, the status line and
// the measurement across teeth, as texts and language entries.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/gears/gears_texts.h"
#include "core/gears/spur_gear_calc.h"

namespace gears {

/// The rows of the tooth table, in the page's order.
inline constexpr int kSpurTableRows = 9;

/// What a tooth-size system shows.
struct SpurSystemLayout {
  /// The pressure-angle choice; metric gears are cut at 20°.
  bool angle_shown = true;
  /// Whole plus fraction entry: only the circular pitch in inch.
  bool fraction_shown = false;
  /// Form cutters come in sets for module and diametral pitch only.
  bool cutter_shown = true;
  i18n::TextId pitch_label = texts::kDiametralPitchName; ///< the label of the pitch value
};

SpurSystemLayout spur_system_layout(PitchSystem system);

struct SpurGearFormInput {
  PitchSystem system = PitchSystem::kDiametralPitch;
  PressureAngle angle = PressureAngle::k20;
  std::string pitch_value;
  std::string teeth;
  /// The number of teeth the user chose to span; 0, or a count the gear
  /// doesn't allow, spans the standard count.
  long span_teeth = 0;
};

struct SpurSpan {
  long teeth = 0; ///< the teeth spanned; 0: no measurement
  /// The counts the gear allows, for the user's choice.
  long fewest = 0, most = 0;
  std::string inch;
  std::string mm;
};

/// The span line across `teeth` teeth ("" for none), written with the
/// texts that `text` gives for the entries it names.
std::string span_line(long teeth, const std::function<std::string(i18n::TextId)>& text);

/// Without a gear every result is empty, and the status line says why.
struct SpurGearForm {
  bool gear = false;
  std::array<std::string, kSpurTableRows> inch;
  std::array<std::string, kSpurTableRows> mm;
  std::string module;
  std::string diametral_pitch;
  int cutter = 0; ///< 0: no cutter
  /// kTooFewTeeth is a warning; the others are notes.
  i18n::TextId status_entry = texts::kSpurNote;
  SpurSpan span;
};

SpurGearForm spur_gear_form(const SpurGearFormInput& input);

} // namespace gears
