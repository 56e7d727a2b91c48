#include "calc/workshop/change_gears_form.h"

#include <algorithm>
#include <array>

#include "numeric/number_text.h"

namespace workshop {

namespace {

using namespace change_gears_text;

/// Captions after the pitch to make and after the lead screw, by mode.
constexpr std::array<int, kChangeGearModes> kPitchCaption = {
    kInchPitch, kMetricPitch, kModule, kDiametralPitch, kMetricPitch, kInchPitch};
constexpr std::array<int, kChangeGearModes> kLeadScrewCaption = {
    kInchPitch, kMetricPitch, kMetricPitch, kInchPitch, kInchPitch, kMetricPitch};
/// The gear-ratio search looks up to at least this many teeth.
constexpr long kFewestHighestTeeth = 50;

bool worm_mode(ChangeGearMode mode) {
  return mode == ChangeGearMode::kModuleWorm || mode == ChangeGearMode::kDpWorm;
}

bool owned(const std::vector<std::string>& gears, const std::string& text) {
  return std::find(gears.begin(), gears.end(), text) != gears.end();
}

} // namespace

ChangeGearsForm change_gears_form(const ChangeGearsFormInput& input) {
  ChangeGearsForm form;
  const auto mode = static_cast<size_t>(input.mode);
  form.pitch_caption = kPitchCaption[mode];
  form.lead_screw_caption = kLeadScrewCaption[mode];
  form.heading_unit = form.pitch_caption == kMetricPitch ? kMillimetres : kInchPitch;
  form.calculate_enabled = input.gears.size() >= kFewestChangeGears &&
                           usable_pitch(numeric::read_double(input.pitch_to_make)) &&
                           usable_pitch(numeric::read_double(input.lead_screw));
  form.worm_pair_shown = form.calculate_enabled && worm_mode(input.mode);
  return form;
}

WormPairView worm_pair_view(const ChangeGearsFormInput& input) {
  WormPairView view;
  if (!worm_mode(input.mode) || !change_gears_form(input).calculate_enabled)
    return view;
  const int smallest = static_cast<int>(numeric::read_long(input.gears.front()));
  const std::optional<GearPairCounts> pair =
      input.mode == ChangeGearMode::kModuleWorm
          ? worm_pair_module(input.pitch_to_make, input.lead_screw, smallest)
          : worm_pair_dp(input.pitch_to_make, input.lead_screw, smallest);
  view.warning_shown = true;
  if (!pair) {
    // An approximate pair would cut a worm of the wrong pitch: say so instead.
    view.warning = kNoExactPair;
    return view;
  }
  view.first = std::to_string(pair->first);
  view.second = std::to_string(pair->second);
  view.first_owned = owned(input.gears, view.first);
  view.second_owned = owned(input.gears, view.second);
  view.warning_shown = !view.first_owned || !view.second_owned;
  return view;
}

std::string floored_error(const std::string& typed) {
  return numeric::read_double(typed) < kSmallestChangeGearError ? kSmallestChangeGearErrorText
                                                                : typed;
}

ChangeGearFallback change_gear_fallback(const std::vector<std::string>& gears, double target,
                                        const std::string& error) {
  ChangeGearFallback fallback;
  fallback.results_limit = std::to_string(kMostChangeGearTrains);
  // Written so that reading it back gives the very same ratio.
  fallback.target = numeric::printf_text("%.17g", target);
  const long largest = gears.empty() ? 0 : numeric::read_long(gears.back());
  fallback.lowest = gears.empty() ? "" : gears.front();
  fallback.highest = std::to_string(std::max(largest, kFewestHighestTeeth));
  fallback.tolerance = floored_error(error);
  return fallback;
}

} // namespace workshop
