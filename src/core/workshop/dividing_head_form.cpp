#include "core/workshop/dividing_head_form.h"

#include "core/workshop/differential_indexing_calc.h"
#include "core/i18n/format_check.h"
#include "core/numeric/number_text.h"

namespace workshop {

namespace {

constexpr long kFewestDivisions = 2;

} // namespace

DividingHeadForm dividing_head_form(const DividingHeadFormInput& input,
                                    const DividingHeadTexts& texts) {
  DividingHeadForm form;
  const long divisions = numeric::read_long(input.divisions);
  form.calculate = divisions >= kFewestDivisions;
  if (!form.calculate)
    return form;
  if (input.ratio < 1) {
    form.lines = {"@." + texts.no_ratio, "@." + texts.no_ratio_hint};
    return form;
  }
  const IndexingResult result =
      search_indexing(input.ratio, divisions, input.head_plates, input.other_plates);
  // No circle of the head fits: the head's own change gears beat buying a plate.
  const std::vector<DifferentialSetting> differential =
      result.on_head.empty()
          ? differential_settings(input.ratio, divisions, input.head_plates, input.gears, 1)
          : std::vector<DifferentialSetting>();
  if (differential.empty()) {
    form.lines = indexing_lines(result, texts.indexing);
    return form;
  }
  const int approximate = static_cast<int>(differential.front().approximate);
  form.lines = {"@." + texts.indexing.none_fits, " ", "@." + texts.differential_can,
                "@." + i18n::checked_format(texts.differential_for, "d", approximate)};
  form.differential = divisions;
  return form;
}

} // namespace workshop
