#include "core/workshop/dovetail_form.h"

#include "core/numeric/number_text.h"
#include "core/workshop/workshop_texts.h"

namespace workshop {

namespace {
constexpr int kPlaces = 3; ///< decimals of every size shown
// What the pages say for each NoDovetail, in its order: the clearance takes
// the depth, the flanks meet, the pins meet, too little over the pins, the
// part to be made too narrow, an angle past 90 degrees.
constexpr i18n::TextId kReasonTexts[] = {
    i18n::kNoText,      texts::kClearanceTakesDepth, texts::kFlanksMeet,
    texts::kPinsMeet,   texts::kTooLittleOverPins,   texts::kPartTooNarrow,
    texts::kAnglePast90};
} // namespace

i18n::TextId no_dovetail_text(NoDovetail why) { return kReasonTexts[static_cast<int>(why)]; }

DovetailSketchChoice dovetail_sketch_choice(int clearance_kind, bool gib) {
  DovetailSketchChoice choice;
  if (clearance_kind < static_cast<int>(ClearanceKind::kFemaleDeeper) ||
      clearance_kind > static_cast<int>(ClearanceKind::kNoClearance))
    return choice;
  const auto kind = static_cast<ClearanceKind>(clearance_kind);
  const bool deeper_slot = kind == ClearanceKind::kFemaleDeeper;
  choice.female = deeper_slot ? (gib ? FemaleSketch::kDeepGib : FemaleSketch::kDeep)
                              : (gib ? FemaleSketch::kStandardGib : FemaleSketch::kStandard);
  choice.male = kind == ClearanceKind::kMaleShallower ? MaleSketch::kShallow
                : kind == ClearanceKind::kMaleDeeper  ? MaleSketch::kDeep
                                                      : MaleSketch::kStandard;
  choice.clearance_shown = kind != ClearanceKind::kNoClearance;
  return choice;
}

DovetailForm dovetail_form(const DovetailFormInput& input) {
  DovetailForm form;
  form.typed_angle_shown = input.angle == FlankAngle::kTyped;
  form.gib_thickness_shown = input.gib;
  form.sketches = dovetail_sketch_choice(input.clearance_kind, input.gib);
  DovetailInput in;
  in.nominal_width = numeric::read_double(input.width);
  in.nominal_depth = numeric::read_double(input.depth);
  in.angle = input.angle;
  in.typed_angle = numeric::read_double(input.typed_angle);
  in.gib = input.gib;
  in.gib_thickness = numeric::read_double(input.gib_thickness);
  in.clearance_kind = input.clearance_kind;
  in.clearance = numeric::read_double(input.clearance);
  in.pin_diameter = numeric::read_double(input.pin);
  NoDovetail why = NoDovetail::kNothingToSay;
  form.result = compute_dovetail(in, &why);
  if (!form.result) {
    form.reason = no_dovetail_text(why);
    return form;
  }
  const DovetailResult& r = *form.result;
  const double shown[kDovetailRows] = {r.female_min_width, r.male_max_width,      r.female_depth,
                                       r.male_depth,       r.female_between_pins, r.male_over_pins};
  for (int i = 0; i < kDovetailRows; ++i)
    form.rows[static_cast<size_t>(i)] = numeric::format_fixed(kPlaces, shown[i]);
  return form;
}

} // namespace workshop
