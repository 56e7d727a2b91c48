#include "core/threads/thread_series_form.h"

#include <cstdio>

#include "core/threads/thread_tables.h"
#include "core/threads/threads_texts.h"
#include "core/numeric/number_text.h"

namespace threads {

namespace {

constexpr int kInchDecimals = 3;
constexpr int kNumberedDecimals = 3;
constexpr int kTapDrillMmDecimals = 2;

// What the page says for each NoTapDrill, in its order: a pitch too coarse
// for the size, a numbered size coarser than 20 per inch.
constexpr i18n::TextId kReasonTexts[] = {i18n::kNoText, texts::kPitchTooCoarse,
                                         texts::kNumberedTooCoarse};

} // namespace

SeriesLayout thread_series_layout(int series) {
  const SizeEntry entry = thread_series(series).entry;
  const bool numbered = entry == SizeEntry::kBaNumber || entry == SizeEntry::kUnifiedNumber;
  SeriesLayout layout;
  layout.diameter_shown = !numbered;
  layout.fraction_shown = entry == SizeEntry::kInch;
  layout.size_number_shown = numbered;
  layout.pitch_shown = entry != SizeEntry::kBaNumber;
  layout.numbered_outputs_shown = entry == SizeEntry::kBaNumber;
  layout.diameter_label = numbered ? texts::kNumberWord : texts::kSeriesDiameterLabel;
  layout.pitch_label =
      entry == SizeEntry::kMetric ? texts::kSeriesPitchMmLabel : texts::kSeriesTpiLabel;
  switch (entry) {
  case SizeEntry::kBaNumber:
    for (const BaSize& size : ba_sizes())
      layout.size_names.push_back(size.name);
    layout.size_preset = kBaPreset;
    // The BA table gives the pitch: the engagement is all there is to type.
    layout.chosen_focus = SeriesField::kSizeNumber;
    layout.shown_focus = SeriesField::kPercent;
    break;
  case SizeEntry::kUnifiedNumber:
    for (const UnifiedNumberSize& size : unified_number_sizes())
      layout.size_names.push_back(size.name);
    layout.size_preset = kUnifiedNumberPreset;
    layout.chosen_focus = layout.shown_focus = SeriesField::kPitch;
    break;
  case SizeEntry::kInch:
  case SizeEntry::kMetric:
    break;
  }
  return layout;
}

ThreadSeriesForm thread_series_form(const ThreadSeriesFormInput& in) {
  ThreadSeriesForm form;
  if (in.percent_unreadable)
    return form;
  long percent = kDefaultPercent;
  if (in.percent.empty())
    form.percent_written = std::to_string(percent);
  else
    percent = numeric::read_long(in.percent);
  TapDrillInput calc;
  calc.series = in.series;
  calc.diameter = numeric::read_double(in.diameter);
  calc.pitch = numeric::read_double(in.pitch);
  calc.size_index = in.size_index;
  calc.percent = static_cast<double>(percent);
  calc.drills = in.drills;
  NoTapDrill why = NoTapDrill::kNothingToSay;
  const std::optional<TapDrillResult> r = compute_tap_drill(calc, &why);
  if (!r) {
    form.reason = kReasonTexts[static_cast<int>(why)];
    return form;
  }
  form.reference_inch = numeric::format_fixed(kInchDecimals, r->reference_inch);
  form.reference_mm = numeric::format_fixed(r->mm_decimals, r->reference_mm);
  form.major_inch = numeric::format_fixed(kInchDecimals, r->major_inch);
  form.major_mm = numeric::format_fixed(r->mm_decimals, r->major_mm);
  if (r->numbered_tpi && r->numbered_pitch_mm) {
    form.numbered_tpi = numeric::format_fixed(kNumberedDecimals, *r->numbered_tpi);
    form.numbered_pitch = numeric::format_fixed(kNumberedDecimals, *r->numbered_pitch_mm);
  }
  form.drill_inch = numeric::format_fixed(kInchDecimals, r->tap_drill_inch);
  form.drill_mm = numeric::format_fixed(kTapDrillMmDecimals, r->tap_drill_mm);
  for (const DrillLine& line : r->drills) {
    form.drill_names.push_back(line.name);
    form.engagements.push_back(engagement_text(line.engagement));
  }
  form.no_drill_series = in.drills.count() == 0;
  return form;
}

std::string fraction_diameter_text(int series, const std::string& over, const std::string& under) {
  if (thread_series(series).entry != SizeEntry::kInch)
    return "";
  const long numerator = numeric::read_long(over);
  const long denominator = numeric::read_long(under);
  if (numerator == 0 || denominator == 0)
    return "";
  char text[32];
  std::snprintf(text, sizeof text, "%g",
                static_cast<double>(numerator) / static_cast<double>(denominator));
  return text;
}

} // namespace threads
