#include "core/geometry/right_triangle_form.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/geometry/geometry_texts.h"
#include "core/numeric/number_text.h"

namespace geometry {

namespace {

using namespace texts;

// The texts of the two input labels and the first two result rows.
struct CaseLabels {
  TextId input1, input2, row1, row2;
};
constexpr std::array<CaseLabels, 6> kCaseLabels = {{
    {kRightSideBInput, kRightAngleAInput, kRightSideAResult, kRightHypotenuseResult},
    {kRightSideAInput, kRightAngleAInput, kRightSideBResult, kRightHypotenuseResult},
    {kRightHypotenuseInput, kRightAngleAInput, kRightSideBResult, kRightSideAResult},
    {kRightSideBInput, kRightSideAInput, kRightHypotenuseResult, kRightAngleAResult},
    {kRightSideBInput, kRightHypotenuseInput, kRightSideAResult, kRightAngleAResult},
    {kRightSideAInput, kRightHypotenuseInput, kRightSideBResult, kRightAngleAResult},
}};

// The quantities of result rows 1 and 2 by case.
std::array<double, 2> first_rows(RightTriangleCase known, const RightTriangle& t) {
  switch (known) {
  case RightTriangleCase::kSideBAngleA:
    return {t.side_a, t.side_c};
  case RightTriangleCase::kSideAAngleA:
    return {t.side_b, t.side_c};
  case RightTriangleCase::kHypotenuseAngleA:
    return {t.side_b, t.side_a};
  case RightTriangleCase::kSidesBA:
    return {t.side_c, t.angle_a};
  case RightTriangleCase::kSideBHypotenuse:
    return {t.side_a, t.angle_a};
  case RightTriangleCase::kSideAHypotenuse:
    return {t.side_b, t.angle_a};
  }
  return {0.0, 0.0};
}

std::array<std::string, 3> dms_triple(double degrees) {
  const numeric::DmsTexts texts = numeric::dms_texts(degrees);
  return {texts.degrees, texts.minutes, texts.seconds};
}

std::optional<RightTriangleInput> read_input(const RightTriangleFormInput& in) {
  const double first = numeric::read_double(in.first.text);
  if (std::fabs(first) < numeric::kMissing || in.first.out_of_range)
    return std::nullopt;
  RightTriangleInput values{in.known, first, 0.0};
  const auto empty = [](const TypedText& t) { return t.text.empty(); };
  const auto red = [](const TypedText& t) { return t.out_of_range; };
  if (in.dms && has_known_angle(in.known)) {
    // A red field is a value the user hasn't finished mending.
    if (std::all_of(in.angle.begin(), in.angle.end(), empty) ||
        std::any_of(in.angle.begin(), in.angle.end(), red))
      return std::nullopt;
    values.second = numeric::dms_to_degrees(in.angle[0].text, in.angle[1].text, in.angle[2].text);
  } else {
    if (empty(in.second) || red(in.second))
      return std::nullopt;
    values.second = numeric::read_double(in.second.text);
  }
  return values;
}

// Why two values, both given, make no triangle: the clear cases only.
TextId no_triangle_reason(const RightTriangleInput& v) {
  if (has_known_angle(v.known))
    return v.second >= 90.0 ? kRightAngleTooLarge : i18n::kNoText;
  const bool hypotenuse_given = v.known != RightTriangleCase::kSidesBA;
  return hypotenuse_given && v.second >= numeric::kMissing && v.first > v.second ? kRightSideTooLong
                                                                                 : i18n::kNoText;
}

} // namespace

RightTriangleLayout right_triangle_layout(RightTriangleCase known, bool dms) {
  const CaseLabels& labels = kCaseLabels[static_cast<size_t>(known) - 1];
  RightTriangleLayout layout{labels.input1, labels.input2, labels.row1, labels.row2};
  layout.second_is_angle = has_known_angle(known);
  layout.angle_as_dms = dms && layout.second_is_angle;
  // Row 2 is angle A in cases 4-6; row 3 is always angle B.
  layout.row2_as_dms = dms && !layout.second_is_angle;
  layout.row3_as_dms = dms;
  return layout;
}

RightTriangleForm right_triangle_form(const RightTriangleFormInput& input) {
  RightTriangleForm form;
  const std::optional<RightTriangleInput> values = read_input(input);
  const std::optional<RightTriangle> t =
      values ? solve_right_triangle(*values) : std::optional<RightTriangle>();
  if (!t) {
    form.reason = values ? no_triangle_reason(*values) : i18n::kNoText;
    return form;
  }
  const auto fixed = [&](double value) { return numeric::format_fixed(input.places, value); };
  const std::array<double, 2> rows = first_rows(input.known, *t);
  form.rows = {fixed(rows[0]), fixed(rows[1]), fixed(t->angle_b), fixed(t->area)};
  if (!has_known_angle(input.known))
    form.row2_dms = dms_triple(t->angle_a);
  form.row3_dms = dms_triple(t->angle_b);
  return form;
}

std::string right_triangle_decimal_angle_text(const std::array<std::string, 3>& dms) {
  const double angle = numeric::dms_to_degrees(dms[0], dms[1], dms[2]);
  return angle > 0.0 && std::isfinite(angle) ? numeric::printf_text("%.10g", angle) : std::string();
}

} // namespace geometry
