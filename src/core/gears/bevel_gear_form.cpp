#include "core/gears/bevel_gear_form.h"

#include "core/numeric/number_text.h"

#include "core/gears/gears_texts.h"

namespace gears {

const std::array<i18n::TextId, kBevelRowCount> kBevelRowLabels = {
    texts::kOutsideDiameter, texts::kPitchDiameter,        texts::kFaceWidth,
    texts::kPitchAngle,      texts::kPitchAngleComplement, texts::kBevelHoleCircle,
    texts::kBevelWholeTurns, texts::kBevelHoles,           texts::kCutterNumber,
    texts::kBevelWholeDepth, texts::kQuarterPitch,         texts::kQuarterToothHoles,
    texts::kHalfPitch,       texts::kHalfToothHoles};

namespace {

/// Lengths in inches with 3 decimals, in millimetres with 2.
constexpr int kInchPlaces = 3, kMmPlaces = 2;
constexpr int kAnglePlaces = 4;

std::optional<IndexSetting> usable_setting(const std::string& teeth_text, int ratio,
                                           const std::vector<int>& circles) {
  const long teeth = numeric::read_long(teeth_text);
  if (teeth < kFewestBevelTeeth)
    return std::nullopt;
  return bevel_indexing(teeth, ratio, circles);
}

BevelColumnTexts column_texts(const BevelGearColumn& gear, bool metric) {
  BevelColumnTexts texts;
  auto length = [&](BevelRow row, const Length& value) {
    texts.values[row] = metric ? numeric::format_fixed(kMmPlaces, value.mm)
                               : numeric::format_fixed(kInchPlaces, value.inch);
  };
  auto whole = [&](BevelRow row, int value) { texts.values[row] = std::to_string(value); };
  length(kOutsideDiameterRow, gear.outside_diameter);
  length(kPitchDiameterRow, gear.pitch_diameter);
  length(kFaceWidthRow, gear.face_width);
  const std::array<double, 2> angles = {gear.pitch_angle, gear.complement};
  for (size_t i = 0; i < angles.size(); ++i) {
    texts.values[kPitchAngleRow + i] = numeric::format_fixed(kAnglePlaces, angles[i]);
    const numeric::DmsTexts dms = numeric::dms_texts(angles[i]);
    texts.angle_dms[i] = {dms.degrees, dms.minutes, dms.seconds};
  }
  whole(kHoleCircleRow, gear.index.circle);
  whole(kTurnsRow, gear.index.turns);
  whole(kHolesRow, gear.index.holes);
  // No form cutter fits a gear of this formative count.
  texts.values[kCutterRow] = gear.cutter > 0 ? std::to_string(gear.cutter) : "";
  length(kWholeDepthRow, gear.whole_depth);
  length(kQuarterPitchRow, gear.quarter_pitch);
  whole(kQuarterHolesRow, gear.quarter_tooth_holes);
  length(kHalfPitchRow, gear.half_pitch);
  whole(kHalfHolesRow, gear.half_tooth_holes);
  return texts;
}

} // namespace

std::optional<FaceWidthLimits> bevel_face_width_limits(BevelPitchKind kind,
                                                       const std::string& pitch) {
  const std::optional<BevelPitch> p = bevel_pitch(kind, numeric::read_double(pitch));
  if (!p)
    return std::nullopt;
  return face_width_limits(p->diametral_pitch);
}

FaceWidthView face_width_view(const std::optional<FaceWidthLimits>& limits, const Length& width,
                              bool metric) {
  FaceWidthView view;
  if (!limits)
    return view;
  view.offered = true;
  const int places = metric ? kMmPlaces : kInchPlaces;
  view.low = metric ? limits->minimum.mm : limits->minimum.inch;
  view.high = metric ? limits->maximum.mm : limits->maximum.inch;
  view.step = metric ? 0.01 : 0.001;
  view.value = metric ? width.mm : width.inch;
  // The limits and the width keep their zeros: they read as a scale.
  view.minimum = numeric::fixed_text(places, view.low);
  view.maximum = numeric::fixed_text(places, view.high);
  view.field = numeric::fixed_text(places, view.value);
  return view;
}

std::optional<Length> typed_face_width(const FaceWidthLimits& limits, const std::string& text,
                                       bool metric) {
  const double value = numeric::read_double(text);
  if (!face_width_allowed(limits, value, metric))
    return std::nullopt;
  return metric ? Length{value / 25.4, value} : Length{value, value * 25.4};
}

i18n::TextId bevel_column_label(BevelGearSet set, bool gear_column, bool metric) {
  using namespace texts;
  if (set == BevelGearSet::kMiter)
    return metric ? kMiterMm : kMiterInch;
  if (gear_column)
    return metric ? kGearMm : kGearInch;
  return metric ? kPinionMm : kPinionInch;
}

BevelGearForm bevel_gear_form(const BevelGearFormInput& input) {
  BevelGearForm form;
  const bool miter = input.set == BevelGearSet::kMiter;
  // Each tooth count shown is black when it can be cut, red when not (an
  // empty field is no mistake).
  std::array<std::optional<IndexSetting>, 2> settings;
  const std::array<const std::string*, 2> teeth = {&input.pinion_teeth,
                                                   miter ? nullptr : &input.gear_teeth};
  bool teeth_ok = true;
  for (size_t i = 0; i < teeth.size(); ++i) {
    if (!teeth[i])
      continue;
    settings[i] = usable_setting(*teeth[i], input.head_ratio, input.head_circles);
    form.teeth_red[i] = !settings[i] && !teeth[i]->empty();
    teeth_ok = teeth_ok && settings[i].has_value();
  }
  // A refused width or angle is not the one the results would be made for.
  if (!teeth_ok || !bevel_face_width_limits(input.kind, input.pitch) || !input.face_width ||
      !input.shaft_angle)
    return form;
  BevelGearInput in;
  in.kind = input.kind;
  in.pitch_value = numeric::read_double(input.pitch);
  in.set = input.set;
  in.pinion_teeth = numeric::read_long(input.pinion_teeth);
  in.gear_teeth = miter ? 0 : numeric::read_long(input.gear_teeth);
  in.shaft_angle = *input.shaft_angle;
  in.face_width = input.face_width->inch;
  in.pinion_index = *settings[0];
  in.gear_index = settings[1] ? *settings[1] : *settings[0];
  form.result = solve_bevel_gear(in);
  if (form.result) {
    form.left = column_texts(form.result->pinion, input.metric);
    form.right = column_texts(form.result->gear, input.metric);
  }
  return form;
}

} // namespace gears
