#include "core/geometry/circle_segment_form.h"

#include <cmath>

#include "core/numeric/number_text.h"

namespace geometry {

namespace {

// Texts of the label slots: slot 0 labels the first value, slot 1 the
// second, slots 2 ... 10 rows R1 to R3 and R5 to R10. A case sets slots
// 0 to 5; the others keep the text of their own quantity (entry 39 + slot).
constexpr int kFirstSlotText = 39;
constexpr int kSlotsSetByCase = 6;
constexpr int kCaseSlots[][kSlotsSetByCase] = {
    {40, 44, 39, 42, 43, 41}, // chord, arc
    {39, 43, 41, 42, 40, 44}, // radius, angle
    {39, 40, 41, 42, 43, 44}, // radius, chord
    {39, 41, 40, 42, 43, 44}, // radius, height
    {39, 42, 40, 41, 43, 44}, // radius, distance
    {40, 41, 39, 42, 43, 44}, // chord, height
    {40, 42, 39, 41, 43, 44}, // chord, distance
    {41, 42, 39, 40, 43, 44}, // height, distance
    {39, 44, 41, 42, 43, 40}, // radius, arc
    {44, 43, 41, 42, 39, 40}, // arc, angle
    {40, 43, 41, 42, 39, 44}, // chord, angle
};
// What the page says for each NoSegment, in its order: a chord over the
// diameter, a distance over the radius, past a half circle, an arc not over
// its chord.
constexpr int kReasonTexts[] = {0, 780, 781, 782, 783};

/// R4, the rest of the full turn, has the same label in every case.
constexpr int kRestRowText = 51;
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
  const int* slots = kCaseSlots[static_cast<int>(known)];
  layout.first_label = slots[0];
  layout.second_label = slots[1];
  for (int row = 0; row < kSegmentRows; ++row) {
    const int slot = row < kRestRow ? row + 2 : row + 1;
    layout.row_labels[static_cast<size_t>(row)] =
        row == kRestRow ? kRestRowText
                        : (slot < kSlotsSetByCase ? slots[slot] : kFirstSlotText + slot);
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
