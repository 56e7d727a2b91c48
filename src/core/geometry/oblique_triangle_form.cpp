#include "core/geometry/oblique_triangle_form.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/geometry/geometry_texts.h"
#include "core/numeric/number_text.h"

namespace geometry {

namespace {

using namespace texts;

// The texts naming each quantity as a typed row and as a result, in the
// order of TriangleQuantity: A, B, C, a, b, c.
constexpr std::array<TextId, 6> kInputLabel = {kObliqueAngleAInput, kObliqueAngleBInput,
                                               kObliqueAngleCInput, kObliqueSideAInput,
                                               kObliqueSideBInput,  kObliqueSideCInput};
constexpr std::array<TextId, 6> kResultLabel = {kObliqueAngleAResult, kObliqueAngleBResult,
                                                kObliqueAngleCResult, kObliqueSideAResult,
                                                kObliqueSideBResult,  kObliqueSideCResult};

size_t index(TriangleQuantity quantity) { return static_cast<size_t>(quantity); }

// Why three values, all given, make no triangle: the clear cases only.
TextId no_triangle_reason(ObliqueKnown known, const std::array<double, 3>& given) {
  for (double value : given)
    if (!(value >= numeric::kMissing) || !std::isfinite(value))
      return i18n::kNoText;
  const double sum = given[0] + given[1] + given[2];
  switch (known) {
  case ObliqueKnown::kThreeSides: // the longest side reaches past the other two
    return 2.0 * std::max({given[0], given[1], given[2]}) > sum ? kSidesDontClose : i18n::kNoText;
  case ObliqueKnown::kSideAndTwoAngles: // A and B
    return given[0] + given[2] >= 180.0 ? kAnglesLeaveNoC : i18n::kNoText;
  case ObliqueKnown::kThreeAngles:
    return std::fabs(sum - 180.0) >= 0.0001 ? kAnglesNot180 : i18n::kNoText;
  default:
    return i18n::kNoText;
  }
}

} // namespace

ObliqueFormLayout oblique_form_layout(ObliqueKnown known, bool dms) {
  const ObliqueLayout& l = oblique_layout(known);
  ObliqueFormLayout layout;
  for (size_t r = 0; r < 3; ++r) {
    layout.row_labels[r] = kInputLabel[index(l.given[r])];
    layout.result_labels[r] = kResultLabel[index(l.found[r])];
    layout.row_is_angle[r] = is_angle(l.given[r]);
    layout.row_as_dms[r] = dms && is_angle(l.given[r]);
    layout.result_as_dms[r] = dms && is_angle(l.found[r]);
  }
  layout.note_shown = known == ObliqueKnown::kThreeAngles;
  return layout;
}

ObliqueForm oblique_form(const ObliqueFormInput& input) {
  ObliqueForm form;
  const ObliqueLayout& l = oblique_layout(input.known);
  std::array<double, 3> given{};
  for (size_t r = 0; r < 3; ++r) {
    if (input.dms && is_angle(l.given[r])) {
      const auto& dms = input.row_dms[r];
      for (const TypedText& part : dms)
        if (part.out_of_range)
          return form;
      given[r] = numeric::dms_to_degrees(dms[0].text, dms[1].text, dms[2].text);
    } else {
      if (input.decimal[r].out_of_range)
        return form;
      given[r] = numeric::read_double(input.decimal[r].text);
    }
  }
  const std::optional<Triangle> triangle = solve_oblique_triangle(input.known, given);
  if (!triangle) {
    form.reason = no_triangle_reason(input.known, given);
    return form;
  }
  for (size_t r = 0; r < 3; ++r) {
    const double value = triangle->value(l.found[r]);
    form.results[r] = numeric::format_fixed(input.places, value);
    if (is_angle(l.found[r])) {
      const numeric::DmsTexts dms = numeric::dms_texts(value);
      form.result_dms[r] = {dms.degrees, dms.minutes, dms.seconds};
    }
  }
  form.area = numeric::format_fixed(input.places, triangle->area);
  return form;
}

std::string oblique_decimal_angle_text(const std::array<std::string, 3>& dms) {
  const double degrees = numeric::dms_to_degrees(dms[0], dms[1], dms[2]);
  return degrees > 0.0 ? numeric::format_fixed(9, degrees) : std::string();
}

} // namespace geometry
