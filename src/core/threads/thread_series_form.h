// What the tapping-drill page shows for its thread series, size, pitch,
// engagement and drill series: how the series' size and pitch are entered,
// and the diameters, the tap drill and the drill lists as texts.
#pragma once

#include <string>
#include <vector>

#include "core/i18n/text_id.h"
#include "core/threads/tap_drill_calc.h"

namespace threads {

/// The entry fields of the page, where the focus may go.
enum class SeriesField { kDiameter, kSizeNumber, kPitch, kPercent };

/// How a series is entered.
struct SeriesLayout {
  bool diameter_shown = true;
  bool fraction_shown = true; ///< inch series only
  bool size_number_shown = false;
  bool pitch_shown = true;
  bool numbered_outputs_shown = false; ///< the BA size's threads per inch and pitch
  i18n::TextId diameter_label = i18n::kNoText;
  i18n::TextId pitch_label = i18n::kNoText;
  /// The numbered sizes offered, and the one chosen at first.
  std::vector<std::string> size_names;
  int size_preset = -1;
  /// Where the keys go when the series is chosen, and when the page is shown.
  SeriesField chosen_focus = SeriesField::kDiameter;
  SeriesField shown_focus = SeriesField::kDiameter;
};

SeriesLayout thread_series_layout(int series);

/// The engagement a page starts with and falls back to when it has none.
inline constexpr long kDefaultPercent = 75;

struct ThreadSeriesFormInput {
  int series = 4; ///< 1-7
  std::string diameter;
  std::string pitch;
  std::string percent;
  int size_index = -1;
  DrillSelection drills;
  /// The engagement field holds a text that can't be read (`-`, `1/`): no
  /// tap drill, and the text stays as typed rather than turning into 75.
  bool percent_unreadable = false;
};

struct ThreadSeriesForm {
  /// The engagement to write back: the default when the field is empty, else
  /// empty (the field stays as typed, a refused value too).
  std::string percent_written;
  /// Reference inch and mm, major inch and mm, tap drill inch and mm; all
  /// empty when there is no thread.
  std::string reference_inch, reference_mm, major_inch, major_mm, drill_inch, drill_mm;
  std::string numbered_tpi, numbered_pitch;
  /// The drill list: names and engagements, line by line.
  std::vector<std::string> drill_names, engagements;
  /// A tap drill but no drill series ticked to look in: the user is told.
  bool no_drill_series = false;
  /// The text that says why there is no tap drill; kNoText: nothing to say.
  i18n::TextId reason = i18n::kNoText;
};

ThreadSeriesForm thread_series_form(const ThreadSeriesFormInput& input);

/// The diameter a fraction of an inch writes ("%g"), or empty when the
/// series takes no fraction or a part of it is 0.
std::string fraction_diameter_text(int series, const std::string& over, const std::string& under);

} // namespace threads
