#include "core/geometry/polygon_form.h"

#include "core/numeric/number_text.h"

#include "core/geometry/geometry_texts.h"

namespace geometry {

PolygonForm polygon_form(const PolygonFormInput& input) {
  PolygonForm form;
  form.corner_to_flat_offered = has_corner_to_flat(input.sides);
  if (!input.known)
    return form;
  // The corner-to-flat button stays set when it goes grey.
  if (*input.known == PolygonKnown::kCornerToFlat && input.sides >= kFewestSides &&
      !form.corner_to_flat_offered) {
    form.reason = texts::kNoCornerToFlat;
    return form;
  }
  const std::optional<Polygon> polygon =
      solve_polygon({input.sides, *input.known, numeric::read_double(input.value)});
  if (!polygon)
    return form;
  const auto fixed = [&](double value) { return numeric::format_fixed(input.places, value); };
  form.angle = fixed(polygon->central_angle);
  const numeric::DmsTexts dms = numeric::dms_texts(polygon->central_angle);
  form.angle_dms = {dms.degrees, dms.minutes, dms.seconds};
  form.across_corners = fixed(polygon->across_corners);
  form.side = fixed(polygon->side);
  form.across_flats = fixed(polygon->across_flats);
  if (polygon->corner_to_flat)
    form.corner_to_flat = fixed(*polygon->corner_to_flat);
  return form;
}

int polygon_sides(const std::string& text) {
  const long sides = numeric::read_long(text);
  return sides >= kFewestSides && sides <= kMostSides ? static_cast<int>(sides) : 0;
}

} // namespace geometry
