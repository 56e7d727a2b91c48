#include "core/workshop/taper_form.h"

#include <cmath>
#include <optional>

#include "core/numeric/number_text.h"
#include "core/workshop/sine_bar_calc.h"
#include "core/workshop/sine_bar_form.h"
#include "core/workshop/standard_tapers.h"
#include "core/workshop/taper_calc.h"

namespace workshop {

namespace {

constexpr int kInchPlaces = 4;
constexpr int kMmPlaces = 3;
constexpr int kTaperPlaces = 5;
constexpr int kDegreePlaces = 4;

std::optional<double> number(const std::string& text) {
  if (text.empty())
    return std::nullopt;
  return numeric::read_double(text);
}

std::string length_text(double value, bool metric) {
  return numeric::format_fixed(metric ? kMmPlaces : kInchPlaces, value);
}

// The taper on diameter per unit length the inputs give, or nothing.
std::optional<double> taper_of(const TaperFormInput& in) {
  if (in.given == TaperEntry::kDiameters) {
    const auto large = number(in.large), small = number(in.small), length = number(in.length);
    if (!large || !small || !length)
      return std::nullopt;
    const std::optional<double> t = taper_from_diameters(*large, *small, *length);
    return t && *t > 0.0 ? t : std::nullopt;
  }
  const std::optional<double> value = number(in.value);
  if (!value)
    return std::nullopt;
  // Per foot is inch per foot: on a metric page it is not offered.
  static constexpr TaperGiven kForms[] = {TaperGiven::kPerFoot, TaperGiven::kPerInch,
                                          TaperGiven::kRatio, TaperGiven::kIncluded,
                                          TaperGiven::kHalfAngle};
  const std::optional<TaperForms> forms =
      taper_forms(kForms[static_cast<int>(in.given)], *value);
  if (!forms)
    return std::nullopt;
  return forms->per_inch;
}

void show_forms(TaperForm& form, double t, bool metric) {
  const std::optional<TaperForms> forms = taper_forms(TaperGiven::kPerInch, t);
  if (!forms)
    return;
  form.taper = true;
  if (!metric)
    form.per_foot = numeric::format_fixed(kTaperPlaces, forms->per_foot);
  form.per_unit = numeric::format_fixed(kTaperPlaces + 1, forms->per_inch);
  form.ratio = numeric::format_fixed(3, forms->ratio);
  form.included = numeric::format_fixed(kDegreePlaces, forms->included);
  form.included_dms = angle_dms_text(forms->included);
  form.half = numeric::format_fixed(kDegreePlaces, forms->half_angle);
  form.half_dms = angle_dms_text(forms->half_angle);
}

} // namespace

TaperForm taper_form(const TaperFormInput& in) {
  TaperForm form;
  // Readings over rolls stand on their own: they measure a taper.
  const auto m1 = number(in.m1), h1 = number(in.h1), m2 = number(in.m2), h2 = number(in.h2);
  if (m1 && h1 && m2 && h2)
    if (const std::optional<double> half = half_angle_over_rolls(*m1, *h1, *m2, *h2)) {
      form.rolls_half = numeric::format_fixed(kDegreePlaces, *half);
      if (!in.metric)
        form.rolls_per_foot = numeric::format_fixed(
            kTaperPlaces, 12.0 * std::fabs(*m2 - *m1) / (*h2 - *h1));
    }
  const auto b1 = number(in.ball1), d1 = number(in.depth1), b2 = number(in.ball2),
             d2 = number(in.depth2);
  if (b1 && d1 && b2 && d2)
    if (const std::optional<BoreTaper> bore = bore_taper(*b1, *d1, *b2, *d2)) {
      form.bore_half = numeric::format_fixed(kDegreePlaces, bore->half_angle);
      form.bore_top = length_text(bore->diameter_at_top, in.metric);
    }

  const std::optional<double> t = taper_of(in);
  if (!t)
    return form;
  show_forms(form, *t, in.metric);
  if (!form.taper)
    return form;

  if (const std::optional<double> work = number(in.work_length); work && *work > 0.0) {
    std::optional<double> setover;
    if (in.given == TaperEntry::kDiameters)
      setover = tailstock_setover(numeric::read_double(in.large), numeric::read_double(in.small),
                                  numeric::read_double(in.length), *work);
    else
      setover = setover_for_taper(*t, *work);
    if (setover) {
      form.setover = length_text(*setover, in.metric);
      form.setover_too_large = setover_too_large(*setover, *work);
    }
  }
  // Per foot of travel on an inch lathe, per 100 mm on a metric one.
  form.attachment = in.metric ? length_text(100.0 * attachment_per_foot(*t) / 12.0, true)
                              : numeric::format_fixed(kTaperPlaces, attachment_per_foot(*t));
  if (m1 && h1 && h2 && *h2 > *h1)
    form.expected_m2 = length_text(reading_over_rolls(*m1, *h1, *t, *h2), in.metric);
  if (const auto bar = number(in.bar_length))
    if (const std::optional<double> height =
            sine_bar_height(*bar, numeric::read_double(form.included)))
      form.sine_height = length_text(*height, in.metric);

  if (in.given == TaperEntry::kDiameters && !in.tolerance.empty()) {
    const double to_inch = in.metric ? 1.0 / numeric::kMmPerInch : 1.0;
    for (std::size_t i : matching_tapers(numeric::read_double(in.large) * to_inch,
                                         numeric::read_double(in.small) * to_inch,
                                         numeric::read_double(in.length) * to_inch,
                                         numeric::read_double(in.tolerance))) {
      const StandardTaper& match = standard_tapers()[i];
      form.matches.push_back(match.name + "  " +
                             numeric::format_fixed(kTaperPlaces, match.per_foot_inch));
    }
  }
  return form;
}

} // namespace workshop
