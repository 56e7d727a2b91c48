// What the measurement-over-pins page shows for what the user set: the
// label of the pitch value, whether the fraction entry is offered, the
// recommended pin and the three thicknesses in both units.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/gears/gears_texts.h"
#include "core/gears/over_pins_calc.h"
#include "core/gears/tooth_system.h"

namespace gears {

/// Inches are shown with 4 decimals, millimetres with 3.
inline constexpr int kOverPinsInchPlaces = 4;
inline constexpr int kOverPinsMmPlaces = 3;

struct OverPinsFormInput {
  ToothSystem system = ToothSystem::kDiametralPitch;
  std::string pitch; ///< in the system's own unit, as typed
  std::string teeth;
  PressureAngleChoice angle = PressureAngleChoice::k20;
  std::string typed_angle;
  std::string pin;       ///< in the unit shown
  std::string over_pins; ///< in the unit shown
  bool metric = false;   ///< pin and measurement in millimetres
};

struct OverPinsForm {
  i18n::TextId pitch_label = i18n::kNoText; ///< names the pitch value
  /// Whole, over and under of a pitch in inches: only that system has them.
  bool fraction_offered = false;
  /// The pin recommended for the tooth size; empty without one.
  std::string pin_inch, pin_mm;
  /// Theoretical thickness, thickness from the measurement, difference.
  std::array<std::string, 3> inch, mm;
  /// The measured tooth is thicker than in theory: the difference is red
  /// (inch, millimetres; each as its own text reads).
  std::array<bool, 2> difference_red{};
  /// Why there is no thickness from the measurement; kNoText otherwise.
  i18n::TextId reason = i18n::kNoText;
};

OverPinsForm over_pins_form(const OverPinsFormInput& input);

/// What follows the tooth-size system alone.
i18n::TextId over_pins_pitch_label(ToothSystem system);
bool over_pins_fraction_offered(ToothSystem system);

/// The pitch value the fraction entry writes ("%.4f"); empty without one.
std::string composed_pitch_text(double whole, double over, double under);

/// A pin or measurement typed in one unit, written in the other.
std::string other_unit_length_text(const std::string& text, bool to_mm);

/// What a field showed before the page last rewrote it in another unit or
/// tooth system, so that switching back gives the user's own digits again
/// rather than a twice-rounded value. Modes: a unit or a system, as numbers.
struct Rewritten {
  std::string shown;    ///< the text the page wrote
  int shown_mode = -1;  ///< the unit or system it wrote it in
  std::string before;   ///< the text it replaced
  int before_mode = -1; ///< the unit or system `before` was in
  /// Whether a field showing `text` in `mode` still shows this rewrite.
  bool still_shown(const std::string& text, int mode) const;
};

/// The text a field showing `text` in `from_mode` gets in `to_mode`:
/// `converted` (already rounded), unless the field still shows the page's
/// last rewrite from `to_mode`, which is undone. None for an empty field,
/// which stays empty. Remembers the rewrite in `memory`.
std::optional<std::string> rewritten_text(const std::string& text, Rewritten& memory, int from_mode,
                                          int to_mode, const std::string& converted);

/// The same tooth size given in another system; empty when there is none.
std::string pitch_text_in(ToothSystem system, double diametral_pitch);

} // namespace gears
