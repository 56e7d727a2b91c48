#include "core/workshop/taper_form.h"

#include <cmath>
#include <optional>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "core/numeric/number_text.h"
#include "core/workshop/sine_bar_calc.h"
#include "core/workshop/sine_bar_form.h"
#include "core/workshop/standard_tapers.h"
#include "core/workshop/taper_calc.h"
#include "core/workshop/workshop_texts.h"

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

double fill_value(double inches, bool metric) {
  return metric ? inches * numeric::kMmPerInch : inches;
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

std::optional<TaperForms> show_forms(TaperForm& form, double t) {
  const std::optional<TaperForms> forms = taper_forms(TaperGiven::kPerInch, t);
  if (!forms)
    return forms;
  form.taper = true;
  form.per_foot = numeric::format_fixed(kTaperPlaces, forms->per_foot);
  form.per_unit = numeric::format_fixed(kTaperPlaces + 1, forms->per_inch);
  form.ratio = numeric::format_fixed(3, forms->ratio);
  form.included = numeric::format_fixed(kDegreePlaces, forms->included);
  form.included_dms = angle_dms_text(forms->included);
  form.half = numeric::format_fixed(kDegreePlaces, forms->half_angle);
  form.half_dms = angle_dms_text(forms->half_angle);
  form.cross_slide = numeric::format_fixed(kDegreePlaces, 90.0 - forms->half_angle);
  form.cross_slide_dms = angle_dms_text(90.0 - forms->half_angle);
  return forms;
}

} // namespace

TaperForm taper_form(const TaperFormInput& in) {
  TaperForm form;
  // Readings over rolls stand on their own: they measure a taper.
  const auto m1 = number(in.m1), h1 = number(in.h1), m2 = number(in.m2), h2 = number(in.h2);
  if (m1 && h1 && m2 && h2)
    if (const std::optional<double> half = half_angle_over_rolls(*m1, *h1, *m2, *h2)) {
      form.rolls_half = numeric::format_fixed(kDegreePlaces, *half);
      form.rolls_per_foot =
          numeric::format_fixed(kTaperPlaces, 12.0 * std::fabs(*m2 - *m1) / (*h2 - *h1));
      // The diameters where the rolls touch, at the height of their centres.
      if (const auto roll = number(in.roll)) {
        const auto d1 = diameter_over_rolls(*m1, *roll, *half);
        const auto d2 = diameter_over_rolls(*m2, *roll, *half);
        if (d1 && d2) {
          form.rolls_d1 = length_text(*d1, in.metric);
          form.rolls_d2 = length_text(*d2, in.metric);
        }
      }
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
  const std::optional<TaperForms> forms = show_forms(form, *t);
  if (!forms)
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
            sine_bar_height(*bar, forms->included))
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

namespace {

// The standard tapers' sizes go into the fields with a place more than the
// page shows, so that the taper they give comes back to the table's.
std::string fill_text(double inches, bool metric) {
  return metric ? numeric::format_fixed(kMmPlaces + 1, inches * numeric::kMmPerInch)
                : numeric::format_fixed(kInchPlaces + 1, inches);
}

bool both_ends_known(const StandardTaper& taper) {
  return taper.small_inch > 0.0 && taper.length_inch > 0.0;
}

} // namespace

StandardFill standard_fill(const StandardTaper& taper, bool metric) {
  StandardFill fill;
  fill.large = fill_text(taper.large_inch, metric);
  if (both_ends_known(taper)) {
    fill.small = fill_text(taper.small_inch, metric);
    fill.length = fill_text(taper.length_inch, metric);
  } else if (taper.family == TaperFamily::kMetric) {
    fill.given = TaperEntry::kRatio;
    fill.value = "20";
  } else {
    fill.given = TaperEntry::kPerFoot;
    fill.value = numeric::format_fixed(kTaperPlaces, taper.per_foot_inch);
  }
  return fill;
}

std::string standard_summary(const StandardTaper& taper, bool metric, const TaperText& text) {
  const std::string unit = " " + text(metric ? texts::kMmUnit : texts::kInchUnit);
  std::string line = "D " + length_text(fill_value(taper.large_inch, metric), metric);
  if (both_ends_known(taper))
    line += ", d " + length_text(fill_value(taper.small_inch, metric), metric) + ", L " +
            length_text(fill_value(taper.length_inch, metric), metric) + unit;
  else
    line += unit + (taper.family == TaperFamily::kMetric ? ", 1 : 20" : ", 7 : 24");
  return line + "; " + numeric::format_fixed(kTaperPlaces, taper.per_foot_inch) + " " +
         text(texts::kPerFootUnit);
}

std::optional<std::vector<gears::JobSheetRow>> taper_sheet(const TaperFormInput& in,
                                                           const std::string& standard,
                                                           const std::string& date,
                                                           const TaperText& text) {
  const TaperForm form = taper_form(in);
  if (!form.taper)
    return std::nullopt;
  const std::string unit = " " + text(in.metric ? texts::kMmUnit : texts::kInchUnit);
  std::vector<gears::JobSheetRow> rows = {{text(texts::kJobSheetDate), {date}, false}};
  if (!standard.empty())
    rows.push_back({text(texts::kStandardTaper), {standard}, false});
  if (in.given == TaperEntry::kDiameters)
    for (const auto& [entry, value] : {std::make_pair(texts::kLargeDiameter, in.large),
                                       std::make_pair(texts::kSmallDiameter, in.small),
                                       std::make_pair(texts::kTaperLength, in.length)})
      rows.push_back({text(entry), {value + unit}, false});
  rows.push_back({text(texts::kTaperPerFoot), {form.per_foot + " " + text(texts::kPerFootUnit)}, false});
  rows.push_back({text(in.metric ? texts::kTaperPerMm : texts::kTaperPerInch), {form.per_unit}, false});
  rows.push_back({text(texts::kTaperRatio), {"1 : " + form.ratio}, false});
  rows.push_back({text(texts::kIncludedAngle), {form.included, form.included_dms}, false});
  rows.push_back({text(texts::kHalfAngle), {form.half, form.half_dms}, false});

  rows.push_back({text(texts::kLatheSetUp), {}, true});
  rows.push_back({text(texts::kCompoundFromAxis), {form.half, form.half_dms}, false});
  rows.push_back({text(texts::kCompoundFromCrossSlide), {form.cross_slide, form.cross_slide_dms}, false});
  for (gears::JobSheetRow& row : gears::sentence_rows("", text(texts::kCompoundDirection)))
    rows.push_back(std::move(row));
  if (!form.setover.empty()) {
    rows.push_back({text(texts::kWorkLength), {in.work_length + unit}, false});
    rows.push_back({text(texts::kTailstockSetover), {form.setover + unit}, false});
    if (form.setover_too_large)
      for (gears::JobSheetRow& row : gears::sentence_rows("", text(texts::kSetoverTooLarge)))
        rows.push_back(std::move(row));
  }
  rows.push_back({text(in.metric ? texts::kAttachmentPer100Mm : texts::kAttachmentPerFoot),
                  {form.attachment + unit}, false});

  const bool rolls = !form.rolls_half.empty() || !form.expected_m2.empty();
  const bool balls = !form.bore_half.empty();
  if (rolls || balls || !form.sine_height.empty())
    rows.push_back({text(texts::kTaperMeasuring), {}, true});
  if (rolls) {
    if (!in.roll.empty())
      rows.push_back({text(texts::kRollDiameter), {in.roll + unit}, false});
    rows.push_back({text(texts::kFirstReading), {in.m1 + unit, in.h1 + unit}, false});
    if (!form.rolls_half.empty()) {
      rows.push_back({text(texts::kSecondReading), {in.m2 + unit, in.h2 + unit}, false});
      rows.push_back({text(texts::kMeasuredTaper),
                      {form.rolls_half, form.rolls_per_foot + " " + text(texts::kPerFootUnit)},
                      false});
      if (!form.rolls_d1.empty())
        rows.push_back({text(texts::kDiametersAtRolls), {form.rolls_d1 + unit, form.rolls_d2 + unit}, false});
    }
    if (!form.expected_m2.empty())
      rows.push_back({text(texts::kExpectedReading), {form.expected_m2 + unit, in.h2 + unit}, false});
  }
  if (balls) {
    rows.push_back({text(texts::kSmallBall), {in.ball1 + unit, in.depth1 + unit}, false});
    rows.push_back({text(texts::kLargeBall), {in.ball2 + unit, in.depth2 + unit}, false});
    rows.push_back({text(texts::kBoreTaper), {form.bore_half, form.bore_top + unit}, false});
  }
  if (!form.sine_height.empty())
    rows.push_back({text(texts::kSineBarCheck), {in.bar_length + unit, form.sine_height + unit}, false});
  return rows;
}

} // namespace workshop
