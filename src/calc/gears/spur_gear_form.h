// What the spur-gear page shows for its tooth-size system, pressure angle,
// pitch value and tooth count: which widgets a system offers, the tooth
// table, module and diametral pitch, the form cutter, the status line and
// the measurement across teeth, as texts and language entries.
#pragma once

#include <array>
#include <string>

#include "calc/gears/spur_gear_calc.h"

namespace gears {

/// The rows of the tooth table, in the page's order.
inline constexpr int kSpurTableRows = 9;

/// Language entries of the page's changing texts.
inline constexpr int kSpurSystemLabel =
    293; ///< module, the first tooth-size radio; the others follow
inline constexpr int kSpurStatusNormal = 306;
inline constexpr int kSpurStatusTooFewTeeth = 318;
inline constexpr int kSpurSpanTooManyTeeth = 312;
inline constexpr int kSpurSpanAcrossTeeth = 315; ///< a format: teeth spanned, pitches
inline constexpr int kSpurSpanTooFewTeeth = 316;
inline constexpr int kSpurCutterName = 313;

/// What a tooth-size system shows.
struct SpurSystemLayout {
  /// The pressure-angle choice; metric gears are cut at 20°.
  bool angle_shown = true;
  /// Whole plus fraction entry: only the circular pitch in inch.
  bool fraction_shown = false;
  /// Form cutters come in sets for module and diametral pitch only.
  bool cutter_shown = true;
  int pitch_label = kSpurSystemLabel + 1; ///< the label of the pitch value
};

SpurSystemLayout spur_system_layout(PitchSystem system);

struct SpurGearFormInput {
  PitchSystem system = PitchSystem::kDiametralPitch;
  PressureAngle angle = PressureAngle::k20;
  std::string pitch_value;
  std::string teeth;
};

/// What becomes of the widgets that a computation may leave as they are.
enum class SpurShown { kAsShown, kEmpty, kNew };

struct SpurSpan {
  int line_entry = 0; ///< 0: an empty line
  int pitches = 0;    ///< with kSpurSpanAcrossTeeth: across pitches + 1 teeth
  std::string inch;
  std::string mm;
};

struct SpurGearForm {
  /// The table, module and diametral pitch: left as shown while the tooth
  /// count is too small (the status line says why they don't follow).
  SpurShown table = SpurShown::kAsShown;
  std::array<std::string, kSpurTableRows> inch;
  std::array<std::string, kSpurTableRows> mm;
  std::string module;
  std::string diametral_pitch;
  int cutter = 0; ///< 0: the cutter line stays as shown
  /// 0: the status line stays as shown; kSpurStatusTooFewTeeth is a warning.
  int status_entry = 0;
  /// Whether a computation rewrites the span line (the pressure-angle
  /// radios always do).
  bool span_follows = false;
  SpurSpan span;
};

SpurGearForm spur_gear_form(const SpurGearFormInput& input);

} // namespace gears
