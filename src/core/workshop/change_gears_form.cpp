#include "core/workshop/change_gears_form.h"

#include <algorithm>
#include <array>

#include "core/numeric/number_text.h"
#include "core/workshop/workshop_texts.h"

namespace workshop {

namespace {

using namespace texts;

/// Captions after the pitch to make and after the lead screw, by mode.
constexpr std::array<i18n::TextId, kChangeGearModes> kPitchCaption = {
    kInchPitchUnit,      kMetricPitchUnit, kModuleUnit,
    kDiametralPitchUnit, kMetricPitchUnit, kInchPitchUnit};
constexpr std::array<i18n::TextId, kChangeGearModes> kLeadScrewCaption = {
    kInchPitchUnit, kMetricPitchUnit, kMetricPitchUnit,
    kInchPitchUnit, kInchPitchUnit,   kMetricPitchUnit};
/// The gear-ratio search looks up to at least this many teeth.
constexpr long kFewestHighestTeeth = 50;

bool worm_mode(ChangeGearMode mode) {
  return mode == ChangeGearMode::kModuleWorm || mode == ChangeGearMode::kDpWorm;
}

std::vector<int> tooth_counts(const std::vector<std::string>& lines) {
  std::vector<int> counts;
  for (const std::string& line : lines)
    counts.push_back(static_cast<int>(numeric::read_long(line)));
  return counts;
}

/// For each text in turn, whether the set can't supply it after the ones before.
std::vector<bool> not_owned(const std::vector<std::string>& texts,
                            const std::vector<std::string>& gears) {
  std::vector<bool> missing;
  for (size_t i = 0; i < texts.size(); ++i) {
    const auto before = std::count(texts.begin(), texts.begin() + static_cast<long>(i), texts[i]);
    missing.push_back(std::count(gears.begin(), gears.end(), texts[i]) <= before);
  }
  return missing;
}

} // namespace

ChangeGearsForm change_gears_form(const ChangeGearsFormInput& input) {
  ChangeGearsForm form;
  const auto mode = static_cast<size_t>(input.mode);
  form.pitch_caption = kPitchCaption[mode];
  form.lead_screw_caption = kLeadScrewCaption[mode];
  form.heading_unit = form.pitch_caption == kMetricPitchUnit ? kMetricHeadingUnit : kInchPitchUnit;
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
  const std::vector<int> gears = tooth_counts(input.gears);
  const std::optional<GearPairCounts> pair =
      input.mode == ChangeGearMode::kModuleWorm
          ? worm_pair_module(input.pitch_to_make, input.lead_screw, gears)
          : worm_pair_dp(input.pitch_to_make, input.lead_screw, gears);
  view.warning_shown = true;
  if (!pair) {
    // An approximate pair would cut a worm of the wrong pitch: say so instead.
    view.warning = kNoExactPair;
    return view;
  }
  view.first = std::to_string(pair->first);
  view.second = std::to_string(pair->second);
  const std::vector<bool> missing = not_owned({view.first, view.second}, input.gears);
  view.first_owned = !missing[0];
  view.second_owned = !missing[1];
  view.warning_shown = !view.first_owned || !view.second_owned;
  return view;
}

std::vector<bool> gears_not_owned(const gears::RatioResult& train,
                                  const std::vector<std::string>& gears) {
  std::vector<std::string> texts;
  for (size_t k = 0; k < static_cast<size_t>(train.pair_count()); ++k)
    texts.insert(texts.end(), {train.driver_text[k], train.driven_text[k]});
  return not_owned(texts, gears);
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
