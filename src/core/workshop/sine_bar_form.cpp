#include "core/workshop/sine_bar_form.h"

#include <cmath>

#include "core/gears/gears_texts.h"
#include "core/i18n/common_texts.h"
#include "core/numeric/number_text.h"
#include "core/workshop/gauge_block_sets.h"
#include "core/workshop/sine_bar_calc.h"
#include "core/workshop/workshop_texts.h"

namespace workshop {

namespace {

constexpr int kInchPlaces = 4;
constexpr int kMmPlaces = 3;
constexpr int kDegreePlaces = 4;

// How many set units (1e-5 in or 1e-4 mm) one unit of the page's lengths holds.
double units_per_page_unit(bool page_metric, bool set_metric) {
  if (page_metric == set_metric)
    return page_metric ? static_cast<double>(kUnitsPerMm) : static_cast<double>(kUnitsPerInch);
  return set_metric ? numeric::kMmPerInch * kUnitsPerMm : kUnitsPerInch / numeric::kMmPerInch;
}

std::string length_text(double value, bool metric) {
  return numeric::format_fixed(metric ? kMmPlaces : kInchPlaces, value);
}

std::string block_text(long size, bool metric, const SineBarText& text) {
  return block_size_text(size, metric) + " " + text(metric ? texts::kMmUnit : texts::kInchUnit);
}

SineBarHeight height_and_angle(double length, double height, bool metric) {
  SineBarHeight shown{length_text(height, metric), "", ""};
  if (const std::optional<double> degrees = sine_bar_angle(length, height)) {
    shown.degrees = numeric::format_fixed(kDegreePlaces, *degrees);
    shown.dms = angle_dms_text(*degrees);
  }
  return shown;
}

} // namespace

std::string angle_dms_text(double degrees) {
  const long tenths = std::lround(std::fabs(degrees) * 36000.0);
  const long seconds = tenths / 10;
  return std::to_string(seconds / 3600) + "°" + std::to_string(seconds / 60 % 60) + "'" +
         std::to_string(seconds % 60) + "." + std::to_string(tenths % 10) + "\"";
}

SineBarForm sine_bar_form(const SineBarFormInput& in, const SineBarText& text) {
  SineBarForm form;
  const double length = numeric::read_double(in.length);
  if (!(length > 0.0))
    return form;
  // The height as shown is the one to stack.
  double height = 0.0;
  double degrees = 0.0;
  if (in.height_to_angle) {
    if (in.height.empty())
      return form;
    height = numeric::read_double(in.height);
  } else {
    if (in.angle.empty())
      return form;
    degrees = numeric::read_double(in.angle);
    const std::optional<double> computed = sine_bar_height(length, degrees);
    if (!computed)
      return form;
    height = numeric::read_double(length_text(*computed, in.metric));
  }
  form.wanted = height_and_angle(length, height, in.metric);
  if (form.wanted.degrees.empty()) {
    form.reason = texts::kHeightOverLength;
    return form;
  }
  if (in.height_to_angle)
    degrees = *sine_bar_angle(length, height);
  form.steep = degrees > kSineBarSteepDegrees;

  const double wear = in.wear ? numeric::read_double(in.wear_size) : 0.0;
  const double scale = units_per_page_unit(in.metric, in.set.metric);
  const long target = std::lround((height - 2.0 * wear) * scale);
  if (target <= 0) {
    form.reason = in.wear ? std::optional<i18n::TextId>(texts::kWearBlocksTooHigh) : std::nullopt;
    return form;
  }
  const auto page_height = [&](long units) { return static_cast<double>(units) / scale + 2.0 * wear; };
  if (const std::optional<GaugeStack> stack = shortest_stack(in.set, target)) {
    const std::string wear_block = in.wear ? length_text(wear, in.metric) + " " +
                                                 text(in.metric ? texts::kMmUnit : texts::kInchUnit)
                                           : "";
    if (in.wear)
      form.blocks.push_back(wear_block);
    for (long size : stack->blocks)
      form.blocks.push_back(block_text(size, in.set.metric, text));
    if (in.wear)
      form.blocks.push_back(wear_block);
    form.count = static_cast<int>(stack->blocks.size());
    form.stack = height_and_angle(length, page_height(stack->height), in.metric);
    return form;
  }
  form.no_stack = true;
  const NearestHeights nearest = nearest_heights(in.set, target);
  if (nearest.below)
    form.below = height_and_angle(length, page_height(*nearest.below), in.metric);
  if (nearest.above)
    form.above = height_and_angle(length, page_height(*nearest.above), in.metric);
  return form;
}

std::optional<std::vector<gears::JobSheetRow>> sine_bar_sheet(const SineBarFormInput& in,
                                                              const std::string& date,
                                                              const SineBarText& text) {
  const SineBarForm form = sine_bar_form(in, text);
  if (form.wanted.height.empty() || form.wanted.degrees.empty())
    return std::nullopt;
  const std::string unit = " " + text(in.metric ? texts::kMmUnit : texts::kInchUnit);
  // The angle wanted: as typed, or as the typed height gives it.
  const double typed = numeric::read_double(in.angle);
  const std::vector<std::string> angle =
      in.height_to_angle
          ? std::vector<std::string>{form.wanted.degrees, form.wanted.dms}
          : std::vector<std::string>{numeric::format_fixed(kDegreePlaces, typed), angle_dms_text(typed)};
  std::vector<gears::JobSheetRow> rows = {
      {text(texts::kJobSheetDate), {date}, false},
      {text(texts::kSineBarLength), {in.length + unit}, false},
      {text(texts::kSineBarAngle), angle, false},
      {text(texts::kStackHeight), {form.wanted.height + unit}, false},
      {text(texts::kGaugeBlockSet), {in.set.name}, false}};
  if (form.blocks.empty()) {
    rows.push_back({text(texts::kNoExactStack), {}, false});
    for (const auto& [side, nearest] : {std::make_pair(texts::kNearestBelow, form.below),
                                        std::make_pair(texts::kNearestAbove, form.above)})
      if (nearest)
        rows.push_back({text(side), {nearest->height + unit, nearest->degrees, nearest->dms}, false});
    return rows;
  }
  rows.push_back({text(texts::kBlocksToWring), {}, true});
  for (std::size_t i = 0; i < form.blocks.size(); ++i)
    rows.push_back({std::to_string(i + 1), {form.blocks[i]}, false});
  rows.push_back({text(texts::kStackGives), {form.stack.height + unit, form.stack.degrees, form.stack.dms}, false});
  return rows;
}

} // namespace workshop
