#include "core/gears/worm_gear_form.h"

#include <utility>

#include "core/gears/gears_texts.h"
#include "core/numeric/number_text.h"

namespace gears {

i18n::TextId worm_pitch_label(ToothSystem system) {
  return texts::kToothSystemNames[static_cast<size_t>(system)];
}

i18n::TextId worm_backlash_label(bool metric) {
  return metric ? texts::kBacklashMm : texts::kBacklashInch;
}

WormOutputTexts worm_output_texts(const std::optional<WormGearResult>& result, bool metric) {
  WormOutputTexts texts;
  if (!result)
    return texts;
  const WormGearResult& r = *result;
  const std::pair<WormOut, double> lengths[] = {{kHobTipWidth, r.hob_tip_width},
                                                {kHobVToFlat, r.hob_v_to_flat},
                                                {kHobOutsideDiameter, r.hob_outside_diameter},
                                                {kHobWholeDepth, r.wheel.whole_depth},
                                                {kHobThreadLength, r.hob_thread_length},
                                                {kThroatDiameter, r.throat_diameter},
                                                {kFaceWidth, r.face_width},
                                                {kWheelWholeDepth, r.wheel.whole_depth},
                                                {kCentreDistance, r.centre_distance},
                                                {kWormTipWidth, r.worm_tip_width},
                                                {kWormVToFlat, r.worm_v_to_flat},
                                                {kWormWholeDepth, r.wheel.whole_depth},
                                                {kWormThreadLength, r.worm_thread_length}};
  const std::pair<WormOut, double> angles[] = {
      {kHobLeadAngle, r.hob_lead_angle},       {kHobFirstSide, r.hob_settings.first},
      {kHobSecondSide, r.hob_settings.second}, {kWormLeadAngle, r.worm_lead_angle},
      {kWormFirstSide, r.worm_settings.first}, {kWormSecondSide, r.worm_settings.second}};
  for (const auto& [slot, inches] : lengths)
    texts[slot] = worm_length_text(inches, metric);
  for (const auto& [slot, degrees] : angles)
    texts[slot] = worm_angle_text(degrees);
  return texts;
}

WormGearForm worm_gear_form(const WormGearFormInput& input) {
  WormGearForm form;
  form.fraction_offered = input.system == ToothSystem::kCircularPitchInch;
  form.pitch_label = worm_pitch_label(input.system);
  form.backlash_label = worm_backlash_label(input.metric);
  form.change_gear_help_offered =
      input.system == ToothSystem::kModule || input.system == ToothSystem::kDiametralPitch;

  WormGearInput in;
  in.system = input.system;
  in.pitch_value = numeric::read_double(input.pitch);
  const double unit = input.metric ? numeric::kInchPerMm : 1.0;
  in.worm_diameter = numeric::read_double(input.diameter) * unit;
  in.backlash = numeric::read_double(input.backlash) * unit;
  in.teeth = input.teeth;
  in.starts = input.starts;
  in.pressure_angle = input.pressure_angle;
  in.square_rim = input.square_rim;
  in.hob_crown_cut = input.hob_crown_cut;
  in.left_hand = input.left_hand;
  form.centre_distance_offered = in.teeth != 0 && in.pitch_value > 0.0;
  NoWormGear why = NoWormGear::kNothingToSay;
  form.result = calculate_worm_gear(in, &why);
  if (why == NoWormGear::kWormTooSmall)
    form.reason = texts::kWormTooSmall;
  form.outputs = worm_output_texts(form.result, input.metric);
  return form;
}

} // namespace gears
