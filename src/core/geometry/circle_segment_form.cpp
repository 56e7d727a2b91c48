#include "core/geometry/circle_segment_form.h"

#include <cmath>

#include "core/geometry/geometry_texts.h"
#include "core/numeric/number_text.h"

namespace geometry {

namespace {

using namespace texts;

// Texts of the label slots: slot 0 labels the first value, slot 1 the
// second, slots 2 ... 10 rows R1 to R3 and R5 to R10. A case sets slots
// 0 to 5; the others keep the text of their own quantity.
constexpr int kSlotsSetByCase = 6;
// radius, chord, height, distance centre to chord, angle, length of the arc
constexpr TextId R = kSegmentRadius, C = kSegmentChord, H = kSegmentHeight,
                 D = kSegmentCentreToChord, A = kSegmentCentralAngle, L = kSegmentArc;
constexpr TextId kCaseSlots[][kSlotsSetByCase] = {
    {C, L, R, D, A, H}, // chord, arc
    {R, A, H, D, C, L}, // radius, angle
    {R, C, H, D, A, L}, // radius, chord
    {R, H, C, D, A, L}, // radius, height
    {R, D, C, H, A, L}, // radius, distance
    {C, H, R, D, A, L}, // chord, height
    {C, D, R, H, A, L}, // chord, distance
    {H, D, R, C, A, L}, // height, distance
    {R, L, H, D, A, C}, // radius, arc
    {L, A, H, D, R, C}, // arc, angle
    {C, A, H, D, R, L}, // chord, angle
};
constexpr TextId kOwnSlotTexts[] = {kSegmentCircumference, kSegmentArea, kSegmentTriangleArea,
                                    kSegmentSectorArea, kSegmentCircleArea}; // slots 6 ... 10
// What the page says for each NoSegment, in its order.
constexpr TextId kReasonTexts[] = {i18n::kNoText, kChordOverDiameter, kDistanceOverRadius,
                                   kPastHalfCircle, kArcNotOverChord};

/// R4, the rest of the full turn, has the same label in every case.
constexpr int kRestRow = 3;

// A value beyond the largest double has no text: its field stays empty.
std::string printed(const char* format, double value) {
  return std::isfinite(value) ? numeric::printf_text(format, value) : std::string();
}

std::string linked_length_text(double value) {
  return value > 0.0 ? printed("%.10g", value) : std::string();
}

std::array<std::string, 3> triple(const numeric::DmsTexts& texts) {
  return {texts.degrees, texts.minutes, texts.seconds};
}

} // namespace

SegmentLayout segment_layout(SegmentKnown known, bool dms) {
  SegmentLayout layout;
  const TextId* slots = kCaseSlots[static_cast<int>(known)];
  layout.first_label = slots[0];
  layout.second_label = slots[1];
  for (int row = 0; row < kSegmentRows; ++row) {
    const int slot = row < kRestRow ? row + 2 : row + 1;
    layout.row_labels[static_cast<size_t>(row)] = row == kRestRow ? kSegmentRestOfTurn
                                                  : slot < kSlotsSetByCase
                                                      ? slots[slot]
                                                      : kOwnSlotTexts[slot - kSlotsSetByCase];
  }
  layout.diameter_offered = first_is_radius(known);
  layout.second_is_angle = second_is_angle(known);
  layout.second_as_dms = layout.second_is_angle && dms;
  layout.angle_row_as_dms = !layout.second_is_angle && dms;
  layout.rest_row_as_dms = dms;
  return layout;
}

SegmentForm segment_form(const SegmentFormInput& input) {
  SegmentForm form;
  const SegmentLayout layout = segment_layout(input.known, input.dms);
  const auto& dms = input.second_dms;
  const bool dms_typed = !dms[0].empty() || !dms[1].empty() || !dms[2].empty();
  if (input.refused || input.first.empty() ||
      !((!layout.second_as_dms && !input.second.empty()) || dms_typed))
    return form;

  SegmentInput values{input.known, numeric::read_double(input.first),
                      numeric::read_double(input.second)};
  if (layout.second_as_dms) {
    const std::optional<double> angle = angle_from_dms_texts(dms[0], dms[1], dms[2]);
    if (!angle)
      return form;
    values.second = *angle;
  }
  NoSegment why = NoSegment::kNothingToSay;
  const std::optional<SegmentResult> result = compute_circle_segment(values, &why);
  if (!result) {
    form.reason = kReasonTexts[static_cast<int>(why)];
    return form;
  }
  for (int row = 0; row < kSegmentRows; ++row)
    form.rows[static_cast<size_t>(row)] = segment_row_text(*result, row, input.places);
  if (result->third_row_is_angle)
    form.angle_dms = triple(numeric::dms_texts(result->angle));
  form.rest_dms = triple(numeric::dms_texts(360.0 - result->angle));
  return form;
}

std::string segment_diameter_text(const std::string& radius) {
  return linked_length_text(2.0 * numeric::read_double(radius));
}

std::string segment_radius_text(const std::string& diameter) {
  return linked_length_text(numeric::read_double(diameter) / 2.0);
}

std::string segment_decimal_angle_text(const std::array<std::string, 3>& dms) {
  const double degrees = numeric::dms_to_degrees(dms[0], dms[1], dms[2]);
  return degrees > 0.0 ? printed("%g", degrees) : std::string();
}

} // namespace geometry
